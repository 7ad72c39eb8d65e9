// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the Qt view's test programs: a QApplication on the offscreen platform unless the
// environment chose one, speaking the language VENTROSE_TEST_LANGUAGE names (fr or en; French
// without it), so that a suite can check the English windows too.
#include <gtest/gtest.h>

#include <QApplication>
#include <iostream>

#include "common/tr.h"
#include "translations/language.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QByteArray asked = qgetenv("VENTROSE_TEST_LANGUAGE");
    if (!asked.isEmpty()) {
        const auto language = ventrose::common::LanguageNamed(asked.toStdString());
        if (!language || !ventrose::translations::UseLanguage(*language)) {
            std::cerr << "VENTROSE_TEST_LANGUAGE: fr or en, with its translation\n";
            return 2;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
