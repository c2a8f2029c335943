// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest main for tests that need a QApplication (windows, timers).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // No test may open a real window on somebody's desktop, or wait on one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
