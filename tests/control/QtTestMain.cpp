// The Qt tests share one application, alive for the whole run and gone
// before the program's static objects are destroyed.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Headless unless told otherwise (test discovery runs without CTest's environment).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
