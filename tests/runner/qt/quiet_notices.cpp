// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/quiet_notices.h"

#include <QString>
#include <QtGlobal>
#include <iostream>

namespace ventrose::scenario {

namespace {

QtMessageHandler previousHandler = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    } else {
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << "\n";
    }
}

}  // namespace

void QuietOffscreenNotices() {
    const QtMessageHandler before = qInstallMessageHandler(filter);
    if (before != filter) previousHandler = before;
}

}  // namespace ventrose::scenario
