// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the documents adapter's tests: a QGuiApplication off the screen, since a PDF's
// text needs fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Ventrose"));
    QGuiApplication::setApplicationName(QStringLiteral("Ventrose"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
