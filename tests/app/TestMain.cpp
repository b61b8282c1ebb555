// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests need a QApplication (offscreen, set by the test's
// environment) and must never block on a real message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A settings file of the user's own must not change the designed start
    // the tests expect: every run gets an empty configuration folder.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
