// The transparent label kind: clamped choices, the default caption, and
// what it paints over its backdrop (nothing for an empty caption, the
// white or black copies of each effect at their offsets).

#include <gtest/gtest.h>

#include <set>

#include "controls/kind_support.h"
#include "extended_controls/trans_label.h"
#include "forms/kind_data.h"
#include "kinds_test_support.h"
#include "platform/platform.h"

namespace runtime {
namespace {

using forms::PropertyValue;
using forms::TransLabelProperty;
using testing::Backdrop;
using testing::Gbk;
using testing::InkBox;
using testing::PixelsOf;
using testing::Render;

constexpr forms::KindCode kKind = forms::KindCode::TransLabel;
const QColor kBackdropColour(128, 128, 128);
constexpr uint32_t kRed = 0x000000FF;
const QColor kRedColour(255, 0, 0);
const QColor kWhiteColour(255, 255, 255);
const QColor kBlackColour(0, 0, 0);
const QRect kLabelArea(20, 20, 160, 40);

using PointSet = std::set<std::pair<int, int>>;

PointSet AsSet(const std::vector<QPoint>& points) {
    PointSet set;
    for (const QPoint& p : points) set.emplace(p.x(), p.y());
    return set;
}

PointSet Shifted(const PointSet& points, QPoint offset) {
    PointSet set;
    for (const auto& [x, y] : points) set.emplace(x + offset.x(), y + offset.y());
    return set;
}

PointSet Without(const PointSet& points, const PointSet& removed) {
    PointSet set;
    for (const auto& p : points) {
        if (removed.count(p) == 0) set.insert(p);
    }
    return set;
}

forms::TransLabelData RedCaption(const char* utf8) {
    forms::TransLabelData data;
    data.caption = runtime::testing::Gbk(utf8);
    data.textColour = kRed;
    return data;
}

// A label on a grey backdrop.
struct LabelOnBackdrop {
    explicit LabelOnBackdrop(const forms::TransLabelData& data,
                             const forms::Bytes* kindData = nullptr)
        : backdrop(kBackdropColour) {
        const forms::Bytes bytes = kindData != nullptr ? *kindData : forms::WriteKindData(data);
        label = testing::CreateControl(kKind, bytes, kLabelArea, &backdrop);
    }
    void set(TransLabelProperty property, const PropertyValue& value) {
        testing::SetProperty(kKind, label, property, value);
    }
    PropertyValue get(TransLabelProperty property) {
        return testing::GetProperty(kKind, label, property);
    }
    QImage render() { return runtime::testing::Render(backdrop); }

    Backdrop backdrop;
    QWidget* label = nullptr;
};

TEST(TransLabelKind, ChoicesAreClampedOnWrite) {
    struct Case {
        const char* name;
        TransLabelProperty property;
        int32_t written;
        int64_t stored;
    };
    const Case cases[] = {
        {"effect 7 becomes 3", TransLabelProperty::TextEffect, 7, 3},
        {"effect -1 becomes 0", TransLabelProperty::TextEffect, -1, 0},
        {"effect 2 stays", TransLabelProperty::TextEffect, 2, 2},
        {"horizontal 3 becomes 2", TransLabelProperty::HorizontalAlignment, 3, 2},
        {"horizontal -4 becomes 0", TransLabelProperty::HorizontalAlignment, -4, 0},
        {"vertical 99 becomes 2", TransLabelProperty::VerticalAlignment, 99, 2},
        {"vertical -1 becomes 0", TransLabelProperty::VerticalAlignment, -1, 0},
        {"vertical 0 stays", TransLabelProperty::VerticalAlignment, 0, 0},
        {"text colour is not clamped", TransLabelProperty::TextColour, 0x00FF00FF, 0x00FF00FF},
    };
    LabelOnBackdrop fixture(RedCaption("A"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture.set(c.property, PropertyValue::Number(uint32_t(c.written)));
        EXPECT_EQ(fixture.get(c.property).number, runtime::Payload(c.stored));
    }
}

TEST(TransLabelKind, StoredChoicesOutOfRangeAreClampedAtCreation) {
    forms::TransLabelData data = RedCaption("A");
    data.textEffect = 9;
    data.verticalAlignment = 0xFFFFFFFF;
    LabelOnBackdrop fixture(data);
    EXPECT_EQ(fixture.get(TransLabelProperty::TextEffect).number, 3u);
    EXPECT_EQ(fixture.get(TransLabelProperty::VerticalAlignment).number, 0u);
}

TEST(TransLabelKind, WithoutKindDataTheCaptionIsTheKindName) {
    const forms::Bytes none;
    LabelOnBackdrop fixture({}, &none);
    ASSERT_NE(fixture.label, nullptr);
    EXPECT_EQ(fixture.get(TransLabelProperty::Caption).bytes, runtime::testing::Gbk("透明标签"));
    EXPECT_EQ(fixture.get(TransLabelProperty::VerticalAlignment).number, 1u);
}

TEST(TransLabelKind, NewerKindDataIsRefused) {
    runtime::testing::Backdrop backdrop(kBackdropColour);
    const forms::Bytes data = testing::WithVersion(forms::WriteKindData(RedCaption("A")), 2);
    EXPECT_EQ(testing::CreateControl(kKind, data, kLabelArea, &backdrop), nullptr);
}

TEST(TransLabelKind, WritesSerialiseBack) {
    LabelOnBackdrop fixture(RedCaption("A"));
    forms::FontRecord font;
    font.height = -16;
    font.weight = 700;
    font.SetFace(runtime::testing::Gbk("宋体"));
    fixture.set(TransLabelProperty::Caption, PropertyValue::Text(runtime::testing::Gbk("时间")));
    fixture.set(TransLabelProperty::Font, forms::ValueOfFont(font));
    fixture.set(TransLabelProperty::WordWrap, PropertyValue::Number(1));

    forms::TransLabelData expected = RedCaption("时间");
    expected.font = font;
    expected.wordWrap = 1;
    const auto serialised = forms::ReadKindData<forms::TransLabelData>(
        testing::Kind(kKind).routines.serialise(fixture.label));
    ASSERT_TRUE(serialised.has_value());
    EXPECT_EQ(*serialised, expected);
    EXPECT_EQ(fixture.label->font().pixelSize(), 16);
}

TEST(TransLabelKind, EmptyCaptionLeavesTheBackdropVisible) {
    LabelOnBackdrop fixture(RedCaption(""));
    for (uint32_t effect = 0; effect <= extended_controls::kMaxTextEffect; ++effect) {
        SCOPED_TRACE(effect);
        fixture.set(TransLabelProperty::TextEffect, PropertyValue::Number(effect));
        const QImage image = fixture.render();
        EXPECT_EQ(runtime::testing::PixelsOf(image, kBackdropColour, kLabelArea).size(),
                  size_t(kLabelArea.width() * kLabelArea.height()));
    }
}

TEST(TransLabelKind, TextIsDrawnOverTheBackdropWithoutABackground) {
    LabelOnBackdrop fixture(RedCaption("宋体"));
    const QImage image = fixture.render();
    const size_t ink = runtime::testing::PixelsOf(image, kRedColour, kLabelArea).size();
    EXPECT_GT(ink, 0u);
    EXPECT_EQ(ink + runtime::testing::PixelsOf(image, kBackdropColour, kLabelArea).size(),
              size_t(kLabelArea.width() * kLabelArea.height()));
    // The label is still hit by the pointer, so it raises mouse events.
    EXPECT_EQ(fixture.backdrop.childAt(kLabelArea.center()), fixture.label);
}

// Effect 0 gives the glyph pixels G; each effect must then show exactly the
// copies the effect describes, the later drawing covering the earlier one.
TEST(TransLabelKind, EffectsDrawTheirCopiesAtTheirOffsets) {
    LabelOnBackdrop fixture(RedCaption("宋A"));
    const PointSet glyph =
        AsSet(runtime::testing::PixelsOf(fixture.render(), kRedColour, kLabelArea));
    ASSERT_FALSE(glyph.empty());
    const PointSet glyphDown1 = Shifted(glyph, {1, 1});
    struct Case {
        const char* name;
        uint32_t effect;
        PointSet red;
        QColor copyColour;
        PointSet copy;
    };
    const Case cases[] = {
        {"1: white copy under, one pixel right and down", 1, glyph, kWhiteColour,
         Without(glyphDown1, glyph)},
        {"2: white copy in place, text one pixel right and down", 2, glyphDown1, kWhiteColour,
         Without(glyph, glyphDown1)},
        {"3: black copy under, two pixels right and down", 3, glyph, kBlackColour,
         Without(Shifted(glyph, {2, 2}), glyph)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture.set(TransLabelProperty::TextEffect, PropertyValue::Number(c.effect));
        const QImage image = fixture.render();
        EXPECT_EQ(AsSet(runtime::testing::PixelsOf(image, kRedColour, kLabelArea)), c.red);
        EXPECT_EQ(AsSet(runtime::testing::PixelsOf(image, c.copyColour, kLabelArea)), c.copy);
    }
}

TEST(TransLabelKind, AlignmentsPlaceASingleLine) {
    struct Case {
        const char* name;
        uint32_t horizontal;
        uint32_t vertical;
        bool (*placed)(const QRect& ink, const QRect& area);
    };
    // The ink of "宋宋" fills most of its 12-pixel line; the bounds below
    // leave room for the face's side bearings and line gap only.
    constexpr int kBearing = 3;
    const Case cases[] = {
        {"left, top", 0, 0,
         [](const QRect& ink, const QRect& area) {
             return ink.left() - area.left() <= kBearing && ink.top() - area.top() <= kBearing;
         }},
        {"right, bottom", 2, 2,
         [](const QRect& ink, const QRect& area) {
             return area.right() - ink.right() <= kBearing &&
                    area.bottom() - ink.bottom() <= kBearing;
         }},
        {"centre, middle", 1, 1,
         [](const QRect& ink, const QRect& area) {
             return std::abs(ink.center().x() - area.center().x()) <= 1 &&
                    std::abs(ink.center().y() - area.center().y()) <= kBearing;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        forms::TransLabelData data = RedCaption("宋宋");
        data.horizontalAlignment = c.horizontal;
        data.verticalAlignment = c.vertical;
        LabelOnBackdrop fixture(data);
        const QRect ink = runtime::testing::InkBox(fixture.render(), kRedColour, kLabelArea);
        EXPECT_TRUE(c.placed(ink, kLabelArea))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST(TransLabelKind, WordWrapBreaksTheCaptionIntoLinesFromTheTop) {
    forms::TransLabelData data = RedCaption("one two three four five six seven");
    data.verticalAlignment = 2;
    LabelOnBackdrop single(data);
    const QRect oneLine = runtime::testing::InkBox(single.render(), kRedColour, kLabelArea);

    data.wordWrap = 1;
    LabelOnBackdrop wrapped(data);
    const QRect lines = runtime::testing::InkBox(wrapped.render(), kRedColour, kLabelArea);
    EXPECT_GT(lines.height(), oneLine.height() + platform::kDefaultFontPixelSize / 2);
    EXPECT_LE(lines.top() - kLabelArea.top(), 3);
    EXPECT_LE(lines.right(), kLabelArea.right());
}

}  // namespace
}  // namespace runtime
