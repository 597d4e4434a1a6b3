// How a push button looks, checked on its pixels: a flat face in the
// button-face colour (so that a label laid over it blends in), a raised
// bevel, and a dark ring around a default button.

#include "controls/kinds/button.h"
#include "platform/platform.h"
#include "tests/controls/gui_fixture.h"
#include "tests/controls/test_template.h"

namespace controls::testing {
namespace {

class ButtonLookTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Install(TestTemplate());
        dialog_ = Open(kDialogId);
        ASSERT_NE(dialog_, nullptr);
    }

    kinds::ButtonWidget* Button(uint32_t unitId) {
        return dynamic_cast<kinds::ButtonWidget*>(dialog_->control(unitId));
    }

    // A pixel at the middle of the button's left edge, `inset` pixels in.
    static QRgb LeftEdge(kinds::ButtonWidget& button, int inset) {
        return button.grab().toImage().pixel(inset, button.height() / 2);
    }

    FormWindow* dialog_ = nullptr;
};

TEST_F(ButtonLookTest, FaceIsFlatInTheButtonFaceColour) {
    kinds::ButtonWidget* button = Button(kDialogOther);
    ASSERT_NE(button, nullptr);
    const QImage image = button->grab().toImage();
    const QRgb buttonFace = platform::ColourFromStored(forms::kButtonFaceColour).rgb();
    const QRect face = button->faceRect();
    EXPECT_EQ(image.pixel(face.left(), face.top()), buttonFace);
    EXPECT_EQ(image.pixel(face.left(), face.bottom()), buttonFace);
    EXPECT_EQ(image.pixel(face.right(), face.center().y()), buttonFace);
}

TEST_F(ButtonLookTest, DefaultButtonHasADarkRingOthersARaisedBevel) {
    kinds::ButtonWidget* plain = Button(kDialogOther);
    kinds::ButtonWidget* byDefault = Button(kDialogDefault);
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(byDefault, nullptr);
    EXPECT_EQ(LeftEdge(*plain, 0), plain->palette().color(QPalette::Light).rgb());
    EXPECT_EQ(LeftEdge(*byDefault, 0), byDefault->palette().color(QPalette::Shadow).rgb());
    EXPECT_EQ(LeftEdge(*byDefault, kinds::kDefaultRingWidth),
              byDefault->palette().color(QPalette::Light).rgb());
    EXPECT_EQ(byDefault->faceRect(), plain->faceRect().adjusted(1, 1, -1, -1));
}

TEST_F(ButtonLookTest, PressedButtonLosesItsBevel) {
    kinds::ButtonWidget* button = Button(kDialogOther);
    ASSERT_NE(button, nullptr);
    button->setDown(true);
    EXPECT_EQ(LeftEdge(*button, 0), button->palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(LeftEdge(*button, 1), platform::ColourFromStored(forms::kButtonFaceColour).rgb());
    button->setDown(false);
}

}  // namespace
}  // namespace controls::testing
