// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt tests share one application, alive for the whole run and gone
// before the program's static objects are destroyed.
#include "QtPrinting.h"
#include "TestSupport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Headless unless told otherwise (test discovery runs without CTest's environment).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows remember their places in the settings, which stay in a
    // folder of the run's own.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    // The application sets the C library's locale from the environment.
    QApplication application(argc, argv);
    if (!decimalCommaAsRequired())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
