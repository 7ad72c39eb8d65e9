// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the adapters' tests: a QCoreApplication named as the program names itself.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/command_line.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ventrose::app::NameTheApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
