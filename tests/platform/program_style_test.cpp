// The program style reads the extension buttons' icons only when they are
// used, and they are then exactly the base style's own; every other icon is
// the base style's straight away. Installing the style twice keeps the
// first.

#include "platform/program_style.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>

namespace platform {
namespace {

QImage Drawn(const QIcon& icon, int side) {
    return icon.pixmap(side, side).toImage();
}

TEST(ProgramStyle, IconsAreTheBaseStylesOwn) {
    platform::InstallProgramStyle();
    auto* style = dynamic_cast<platform::ProgramStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    platform::InstallProgramStyle();
    EXPECT_EQ(QApplication::style(), style);
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_ArrowDown}) {
        const QIcon ours = style->standardIcon(which, nullptr, nullptr);
        const QIcon base = style->baseStyle()->standardIcon(which, nullptr, nullptr);
        ASSERT_FALSE(base.isNull()) << which;
        EXPECT_FALSE(ours.isNull()) << which;
        EXPECT_EQ(ours.availableSizes(), base.availableSizes()) << which;
        for (int side : {8, 16, 24, 32}) {
            EXPECT_EQ(ours.actualSize(QSize(side, side)), base.actualSize(QSize(side, side)))
                << which << " at " << side;
            EXPECT_EQ(Drawn(ours, side), Drawn(base, side)) << which << " at " << side;
        }
    }
}

}  // namespace
}  // namespace platform
