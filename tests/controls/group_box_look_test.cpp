// How a group box looks, checked on the pixels of its page: an etched frame
// whose top line runs through the middle of the caption's line and is
// interrupted by the caption, and an interior in the page's colour, so that
// a label inside shows no rectangle of its own.

#include <QTabWidget>

#include "controls/kinds/group_box.h"
#include "platform/platform.h"
#include "tests/controls/gui_fixture.h"
#include "tests/controls/test_template.h"

namespace controls::testing {
namespace {

constexpr uint32_t kGroupLabel = 0x16000030;
constexpr windows::Box kGroupLabelBox{100, 80, 60, 24};

// The test template with a label added inside its group box.
forms::TemplateData TemplateWithGroupLabel() {
    forms::TemplateData data = TestTemplate();
    forms::WindowRecord& form = data.windows.front();
    for (forms::Unit& unit : form.units) {
        auto* record = std::get_if<forms::UnitRecord>(&unit);
        if (record != nullptr && record->id == kGroup) record->children.push_back(kGroupLabel);
    }
    // Made in place: a variant moved into the middle of the vector is taken
    // for uninitialised by GCC 12 in Release builds.
    form.units.emplace(form.units.begin() + 5, std::in_place_type<forms::UnitRecord>,
                       Unit(kGroupLabel, forms::KindCode::Label, kGroupLabelBox,
                            forms::WriteKindData(LabelOf("lab")), kGroup));
    return data;
}

class GroupBoxLookTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Install(TemplateWithGroupLabel());
        FormWindow* window = Open(kFormId);
        ASSERT_NE(window, nullptr);
        group_ = dynamic_cast<kinds::GroupBoxWidget*>(window->control(kGroup));
        ASSERT_NE(group_, nullptr);
        page_ = window->control(kTab)->grab().toImage();
    }

    // The page's pixel at a point of the group box. Compared as 8-bit RGB:
    // palette colours keep more precision than the pixels they paint.
    QRgb At(int x, int y) const { return page_.pixel(group_->mapToParent(QPoint(x, y))); }
    QRgb Role(QPalette::ColorRole role) const { return group_->palette().color(role).rgb(); }

    kinds::GroupBoxWidget* group_ = nullptr;
    QImage page_;
};

TEST_F(GroupBoxLookTest, FrameTopLinePassesThroughTheMiddleOfTheCaptionLine) {
    const int lineHeight = group_->fontMetrics().height();
    EXPECT_EQ(group_->frameRect().top(), lineHeight / 2);
    EXPECT_EQ(group_->captionRect().top(), 0);
    EXPECT_EQ(group_->captionRect().height(), lineHeight);
}

TEST_F(GroupBoxLookTest, FrameIsEtchedInTwoTones) {
    const QRgb shadow = Role(QPalette::Dark);
    const QRgb light = Role(QPalette::Light);
    ASSERT_NE(shadow, light);
    const QRect frame = group_->frameRect();
    const int middleY = frame.center().y();
    const int middleX = frame.center().x();
    struct Row {
        const char* name;
        QPoint point;
        QRgb colour;
    };
    const Row rows[] = {
        {"top line left of the caption, outer", {2, frame.top()}, shadow},
        {"top line left of the caption, inner", {2, frame.top() + 1}, light},
        {"left line, outer", {0, middleY}, shadow},
        {"left line, inner", {1, middleY}, light},
        {"bottom line, inner", {middleX, frame.bottom() - 1}, shadow},
        {"bottom line, outer", {middleX, frame.bottom()}, light},
        {"right line, inner", {frame.right() - 1, middleY}, shadow},
        {"right line, outer", {frame.right(), middleY}, light},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(At(row.point.x(), row.point.y()), row.colour);
    }
}

TEST_F(GroupBoxLookTest, CaptionInterruptsTheTopLine) {
    const QRgb page = platform::ColourFromStored(forms::kButtonFaceColour).rgb();
    const QRect caption = group_->captionRect();
    const int top = group_->frameRect().top();
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_EQ(caption.left(), kinds::kGroupCaptionIndent);
    EXPECT_EQ(At(caption.left() - 1, top), page) << "gap before the caption";
    EXPECT_EQ(At(caption.right() + kinds::kGroupCaptionPadding, top), page)
        << "gap after the caption";
    EXPECT_EQ(At(caption.right() + kinds::kGroupCaptionPadding + 1, top), Role(QPalette::Dark))
        << "the line again after the gap";
}

TEST_F(GroupBoxLookTest, InteriorAndLabelsInsideShowThePageColour) {
    const QRgb page = platform::ColourFromStored(forms::kButtonFaceColour).rgb();
    EXPECT_EQ(At(group_->width() - 8, group_->height() - 8), page) << "interior";
    // The label's bottom right corner holds no text.
    EXPECT_EQ(At(kGroupLabelBox.left + kGroupLabelBox.width - 2,
                 kGroupLabelBox.top + kGroupLabelBox.height - 2),
              page)
        << "label";
}

TEST_F(GroupBoxLookTest, OwnBackgroundColourFillsTheBox) {
    constexpr uint32_t kYellow = 0x00FFFF;
    Write(kFormId, kGroup, int32_t(forms::GroupBoxProperty::BackgroundColour), kYellow);
    const QImage box = group_->grab().toImage();
    EXPECT_EQ(box.pixel(group_->width() - 8, group_->height() - 8),
              platform::ColourFromStored(kYellow).rgb());
}

TEST_F(GroupBoxLookTest, WithoutCaptionTheTopLineRunsWhole) {
    WriteText(kFormId, kGroup, int32_t(forms::GroupBoxProperty::Caption), "");
    EXPECT_TRUE(group_->captionRect().isEmpty());
    page_ = group_->parentWidget()->grab().toImage();
    const int top = group_->frameRect().top();
    EXPECT_EQ(At(kinds::kGroupCaptionIndent + 1, top), Role(QPalette::Dark));
}

}  // namespace
}  // namespace controls::testing
