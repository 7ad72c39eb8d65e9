// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace ventrose::platform::qt {

FormWindow::FormWindow(Form& form, double scale, QWidget* owner)
    : QWidget(owner, owner != nullptr ? Qt::Dialog : Qt::Window), form_(form), scale_(scale) {}

void FormWindow::retire() {
    retired_ = true;
    onCloseRequest = nullptr;
    onClick = nullptr;
    onContextMenu = nullptr;
}

// Nothing here touches the window after a callback: the model may unload its form and the
// view retire it, or end the application.
void FormWindow::closeEvent(QCloseEvent* event) {
    if (retired_) {
        event->accept();
        return;
    }
    event->ignore();
    if (onCloseRequest) onCloseRequest();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isModal() &&
        !retired_) {
        event->accept();
        if (onCloseRequest) onCloseRequest();
        return;
    }
    // Shift+F10 opens the menu of the control that has the focus, as the Menu key does (the
    // window system turns that one into a context menu event itself): a text box's edit menu,
    // or the window's own.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
        const QPoint at = target->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &menu);
        return;
    }
    QWidget::keyPressEvent(event);
}

// Controls without a menu of their own leave the event to their window.
void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (onContextMenu) onContextMenu(event->globalPos());
}

void FormWindow::mousePressEvent(QMouseEvent* event) { tracker_.press(event); }

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(event, rect()) && onClick) onClick();
}

}  // namespace ventrose::platform::qt
