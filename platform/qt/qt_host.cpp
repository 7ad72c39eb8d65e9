// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_host.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QMessageBox>

#include "platform/form.h"
#include "platform/qt/appearance.h"
#include "platform/runtime.h"

namespace ventrose::platform::qt {

namespace {

// The style's icon bits: 16 stop, 32 question, 48 warning, 64 information.
QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

// The loop ends after the event that unloaded the form (or ended the application): every change
// of the model comes from an event handled here.
void QtHost::runModal(Form& form) {
    const Runtime& runtime = form.runtime();
    if (pump_) {
        pump_(form);
        return;
    }
    QEventLoop loop;
    while (runtime.isShownModally(form)) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

void QtHost::showMessageBox(const MessageBoxRequest& request) {
    messageBoxes_.push_back(request);
    QWidget* owner = windowOf_ && !request.owner.empty() ? windowOf_(request.owner) : nullptr;
    QMessageBox box(iconOf(request.style), ToQString(request.title), ToQString(request.prompt),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    if (answerAtOnce_) {
        box.show();
        box.button(QMessageBox::Ok)->click();
        return;
    }
    box.exec();
}

}  // namespace ventrose::platform::qt
