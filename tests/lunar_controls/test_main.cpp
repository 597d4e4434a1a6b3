// Runs the lunar control tests inside one QApplication on the offscreen
// platform, with the Song face installed as the program installs it.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/platform.h"

int main(int argc, char** argv) {
    // Test discovery runs this program outside the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
