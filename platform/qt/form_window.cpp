// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace ventrose::platform::qt {

FormWindow::FormWindow(Form& form, double scale, QWidget* owner)
    : QWidget(owner, owner != nullptr ? Qt::Dialog : Qt::Window), form_(form), scale_(scale) {}

void FormWindow::retire() {
    retired_ = true;
    onCloseRequest = nullptr;
    onClick = nullptr;
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
    QWidget::keyPressEvent(event);
}

void FormWindow::mousePressEvent(QMouseEvent* event) { tracker_.press(event); }

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(event, rect()) && onClick) onClick();
}

}  // namespace ventrose::platform::qt
