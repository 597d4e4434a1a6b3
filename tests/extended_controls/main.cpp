// The runtime kinds' tests run under Qt's offscreen platform with the
// program's fonts, and the core and the runtime's own kinds registered.

#include <gtest/gtest.h>

#include <QApplication>

#include "controls/kinds/core_kinds.h"
#include "extended_controls/extended_kinds.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    // Test discovery runs this program outside the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFonts();
    controls::RegisterKinds(controls::kinds::kCoreKinds);
    controls::RegisterKinds(extended_controls::kExtendedKinds);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
