// The hyperlink box kind: the text it shows, its colours by state, pointer
// hover, clicks through a recording opener, refused targets and clamps.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>

#include "controls/kinds/borders.h"
#include "controls/mouse_pointer.h"
#include "extended_controls/hyperlinker.h"
#include "extended_controls/link_opener.h"
#include "forms/kind_data.h"
#include "kinds_test_support.h"
#include "platform/platform.h"

namespace runtime {
namespace {

using forms::HyperLinkerProperty;
using forms::PropertyValue;
using testing::Backdrop;
using testing::Gbk;
using testing::PixelsOf;
using testing::RecordingOpener;
using testing::Utf8;

constexpr forms::KindCode kKind = forms::KindCode::HyperLinker;
const QColor kBackdropColour(128, 128, 128);
const QRect kBoxArea(20, 20, 180, 30);
const QPoint kOutside(5, 5);
constexpr uint32_t kNormal = 0x00FF0000;
constexpr uint32_t kVisited = 0x00000080;
constexpr uint32_t kHover = 0x00558A69;
constexpr uint32_t kWhiteBackground = 0x00FFFFFF;
const char* const kWeb = "http://hengpu.example";
const char* const kMail = "office@hengpu.example";

forms::HyperLinkerData Link(uint32_t type, const char* caption, const char* mail, const char* web) {
    forms::HyperLinkerData data;
    data.linkType = type;
    data.hoverColour = kHover;
    data.backgroundColour = kWhiteBackground;
    data.caption = runtime::testing::Gbk(caption);
    data.emailAddress = runtime::testing::Gbk(mail);
    data.webAddress = runtime::testing::Gbk(web);
    return data;
}

struct BoxOnBackdrop {
    explicit BoxOnBackdrop(const forms::HyperLinkerData& data) : backdrop(kBackdropColour) {
        box = dynamic_cast<extended_controls::HyperLinkerWidget*>(
            testing::CreateControl(kKind, forms::WriteKindData(data), kBoxArea, &backdrop));
    }
    void set(HyperLinkerProperty property, const PropertyValue& value) {
        testing::SetProperty(kKind, box, property, value);
    }
    PropertyValue get(HyperLinkerProperty property) {
        return testing::GetProperty(kKind, box, property);
    }
    // A click where a user would click: through the window, at the centre.
    void click() {
        QTest::mouseClick(backdrop.windowHandle(), Qt::LeftButton, {}, kBoxArea.center());
    }
    void pointAt(QPoint position) { QTest::mouseMove(backdrop.windowHandle(), position); }
    // The pixels of the text colour inside the box.
    size_t textPixels(uint32_t colour) {
        return runtime::testing::PixelsOf(testing::Render(backdrop),
                                          platform::ColourFromStored(colour), kBoxArea)
            .size();
    }

    Backdrop backdrop;
    extended_controls::HyperLinkerWidget* box = nullptr;
};

TEST(HyperLinkerKind, EmptyCaptionShowsTheAddressOfTheLinkType) {
    struct Case {
        const char* name;
        forms::HyperLinkerData data;
        const char* shown;
    };
    const Case cases[] = {
        {"caption wins", Link(1, "公司网站", kMail, kWeb), "公司网站"},
        {"web link without caption", Link(1, "", kMail, kWeb), kWeb},
        {"e-mail link without caption", Link(0, "", kMail, kWeb), kMail},
        {"ampersand stays literal", Link(1, "R&D", "", kWeb), "R&D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoxOnBackdrop fixture(c.data);
        ASSERT_NE(fixture.box, nullptr);
        EXPECT_EQ(fixture.box->shownText(), runtime::testing::Utf8(c.shown));
    }
}

TEST(HyperLinkerKind, AddressWritesChangeTheShownTextOnlyWithoutCaption) {
    BoxOnBackdrop fixture(Link(1, "", "", kWeb));
    fixture.set(HyperLinkerProperty::WebAddress, PropertyValue::Text("https://other.example"));
    EXPECT_EQ(fixture.box->shownText(), runtime::testing::Utf8("https://other.example"));
    fixture.set(HyperLinkerProperty::Caption, PropertyValue::Text(runtime::testing::Gbk("主页")));
    fixture.set(HyperLinkerProperty::WebAddress, PropertyValue::Text(kWeb));
    EXPECT_EQ(fixture.box->shownText(), runtime::testing::Utf8("主页"));
    fixture.set(HyperLinkerProperty::LinkType, PropertyValue::Number(0));
    fixture.set(HyperLinkerProperty::Caption, PropertyValue::Text(""));
    fixture.set(HyperLinkerProperty::EmailAddress, PropertyValue::Text(kMail));
    EXPECT_EQ(fixture.box->shownText(), runtime::testing::Utf8(kMail));
}

TEST(HyperLinkerKind, ClickOpensTheTargetOfTheLinkType) {
    struct Case {
        const char* name;
        forms::HyperLinkerData data;
        std::vector<QString> opened;
        bool visited;
    };
    const Case cases[] = {
        {"web link opens the web address",
         Link(1, "x", kMail, kWeb),
         {runtime::testing::Utf8(kWeb)},
         true},
        {"e-mail link opens mailto",
         Link(0, "x", kMail, kWeb),
         {runtime::testing::Utf8("mailto:office@hengpu.example")},
         true},
        {"e-mail link without address does nothing", Link(0, "x", "", kWeb), {}, false},
        {"web link without address does nothing", Link(1, "x", kMail, ""), {}, false},
        {"file target is refused", Link(1, "x", "", "file:///etc/passwd"), {}, false},
        {"bare host name is refused", Link(1, "x", "", "www.hengpu.example"), {}, false},
        {"script target is refused", Link(1, "x", "", "javascript:alert(1)"), {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        runtime::testing::RecordingOpener opener;
        BoxOnBackdrop fixture(c.data);
        fixture.click();
        EXPECT_EQ(opener.opened(), c.opened);
        EXPECT_EQ(fixture.box->visited(), c.visited);
    }
}

TEST(HyperLinkerKind, ColourFollowsHoverThenVisitedThenNormal) {
    runtime::testing::RecordingOpener opener;
    BoxOnBackdrop fixture(Link(1, "link", "", kWeb));
    fixture.pointAt(kOutside);
    EXPECT_FALSE(fixture.box->hovering());
    EXPECT_GT(fixture.textPixels(kNormal), 0u);

    fixture.pointAt(kBoxArea.center());
    EXPECT_TRUE(fixture.box->hovering());
    EXPECT_EQ(fixture.box->textColour(), platform::ColourFromStored(kHover));
    EXPECT_GT(fixture.textPixels(kHover), 0u);
    EXPECT_EQ(fixture.textPixels(kNormal), 0u);

    fixture.click();
    EXPECT_TRUE(fixture.box->visited());
    EXPECT_EQ(fixture.box->textColour(), platform::ColourFromStored(kHover));

    fixture.pointAt(kOutside);
    EXPECT_FALSE(fixture.box->hovering());
    EXPECT_EQ(fixture.box->textColour(), platform::ColourFromStored(kVisited));
    EXPECT_GT(fixture.textPixels(kVisited), 0u);
    EXPECT_EQ(fixture.textPixels(kNormal), 0u);
}

TEST(HyperLinkerKind, AFailedOpeningClearsVisited) {
    runtime::testing::RecordingOpener opener;
    BoxOnBackdrop fixture(Link(1, "link", "", kWeb));
    fixture.click();
    ASSERT_TRUE(fixture.box->visited());
    opener.setSucceed(false);
    fixture.click();
    EXPECT_FALSE(fixture.box->visited());
    EXPECT_EQ(opener.opened().size(), 2u);
}

TEST(HyperLinkerKind, DefaultHoverColourIsTheHighlightAtCreation) {
    forms::HyperLinkerData data = Link(1, "link", "", kWeb);
    data.hoverColour = forms::kHighlightColour;
    BoxOnBackdrop fixture(data);
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    EXPECT_EQ(fixture.get(HyperLinkerProperty::HoverColour).number,
              runtime::Payload(controls::StoredFromColour(highlight)));
}

TEST(HyperLinkerKind, ChoicesAreClampedAndTheBorderAppliedAtOnce) {
    struct Case {
        const char* name;
        HyperLinkerProperty property;
        int32_t written;
        uint32_t stored;
    };
    const Case cases[] = {
        {"link type 5 becomes 1", HyperLinkerProperty::LinkType, 5, 1},
        {"link type -1 becomes 0", HyperLinkerProperty::LinkType, -1, 0},
        {"border 9 becomes 5", HyperLinkerProperty::BorderStyle, 9, 5},
        {"border -2 becomes 0", HyperLinkerProperty::BorderStyle, -2, 0},
        {"border 1 stays", HyperLinkerProperty::BorderStyle, 1, 1},
        {"border 4 stays", HyperLinkerProperty::BorderStyle, 4, 4},
    };
    BoxOnBackdrop fixture(Link(1, "link", "", kWeb));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture.set(c.property, PropertyValue::Number(uint32_t(c.written)));
        EXPECT_EQ(fixture.get(c.property).number, runtime::Payload(c.stored));
        const int border = controls::kinds::FixedBorderWidth(fixture.box->data().borderStyle);
        EXPECT_EQ(fixture.box->clientRect(),
                  QRect(QPoint(0, 0), kBoxArea.size()).adjusted(border, border, -border, -border));
    }
}

// The hand is the kind's own pointer: a unit naming no pointer, or naming
// none again after another, shows it; a pointer the unit names wins.
TEST(HyperLinkerKind, HandPointerShowsWhenTheUnitNamesNone) {
    BoxOnBackdrop fixture(Link(1, "link", "", kWeb));
    const controls::KindDescriptor kind = extended_controls::HyperLinkerKind();
    const forms::Bytes none;
    const forms::Bytes iBeam = {0x01, 0x7F, 0x00, 0x00};  // 32513
    controls::ApplyMousePointer(*fixture.box, none, kind.ownPointer);
    EXPECT_EQ(fixture.box->cursor().shape(), Qt::PointingHandCursor);
    controls::ApplyMousePointer(*fixture.box, iBeam, kind.ownPointer);
    EXPECT_EQ(fixture.box->cursor().shape(), Qt::IBeamCursor);
    controls::ApplyMousePointer(*fixture.box, none, kind.ownPointer);
    EXPECT_EQ(fixture.box->cursor().shape(), Qt::PointingHandCursor);
}

TEST(HyperLinkerKind, NewerKindDataIsRefused) {
    runtime::testing::Backdrop backdrop(kBackdropColour);
    const forms::Bytes data = testing::WithVersion(forms::WriteKindData(Link(1, "", "", kWeb)), 2);
    EXPECT_EQ(testing::CreateControl(kKind, data, kBoxArea, &backdrop), nullptr);
}

TEST(LinkOpener, OnlyWebAndMailTargetsAreOpenable) {
    struct Case {
        const char* target;
        bool openable;
    };
    const Case cases[] = {
        {"http://hengpu.example", true},
        {"https://hengpu.example/path?q=1", true},
        {"HTTP://HENGPU.EXAMPLE", true},
        {"mailto:office@hengpu.example", true},
        {"http://", false},
        {"mailto:", false},
        {"", false},
        {"file:///etc/passwd", false},
        {"ftp://hengpu.example", false},
        {"javascript:alert(1)", false},
        {"hengpu.example", false},
        {"-http://hengpu.example", false},
        {"http://hengpu.example/a b", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(extended_controls::IsOpenableTarget(runtime::testing::Utf8(c.target)),
                  c.openable);
    }
}

TEST(LinkOpener, RefusedTargetsNeverReachTheOpener) {
    runtime::testing::RecordingOpener opener;
    EXPECT_FALSE(extended_controls::OpenLinkTarget(runtime::testing::Utf8("file:///etc/passwd")));
    EXPECT_TRUE(extended_controls::OpenLinkTarget(runtime::testing::Utf8(kWeb)));
    EXPECT_EQ(opener.opened(), std::vector<QString>{runtime::testing::Utf8(kWeb)});
}

// Stand-ins on an otherwise empty PATH for the programs that open links:
// each writes its name and arguments, one a line, to one log.
class FakeOpeningPrograms {
public:
    FakeOpeningPrograms(const std::vector<const char*>& programs, const char* browser)
        : path_(qgetenv("PATH")), browser_(qgetenv("BROWSER")) {
        const QByteArray log = QFile::encodeName(dir_.filePath("log"));
        for (const char* program : programs) {
            QFile script(dir_.filePath(program));
            EXPECT_TRUE(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nprintf '%s\\n' \"${0##*/}\" \"$@\" >" + log + ".part\n" +
                         "/bin/mv " + log + ".part " + log + "\n");
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(dir_.path()));
        browser != nullptr ? qputenv("BROWSER", browser) : qunsetenv("BROWSER");
    }
    ~FakeOpeningPrograms() {
        qputenv("PATH", path_);
        browser_.isNull() ? qunsetenv("BROWSER") : qputenv("BROWSER", browser_);
    }
    QString started() const {
        QFile log(dir_.filePath("log"));
        const bool written = QTest::qWaitFor([&] { return log.exists(); });
        return written && log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll())
                                                        : QString();
    }

private:
    QTemporaryDir dir_;
    QByteArray path_, browser_;
};

// The desktop's own handler opens nothing on the offscreen platform, so the
// programs are tried. The URL holds characters a shell would act on.
TEST(LinkOpener, WithoutTheDesktopHandlerTheFirstProgramThatStartsGetsTheUrl) {
    ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("offscreen"));
    const QString url = runtime::testing::Utf8("https://hengpu.example/a?b=1&c=$HOME;d");
    struct Case {
        const char* name;
        std::vector<const char*> programs;
        const char* browser;
        QString started;
    };
    const Case cases[] = {
        {"xdg-open first", {"xdg-open", "b", "sensible-browser"}, "b", "xdg-open\n" + url},
        {"then BROWSER's commands, missing and blank ones skipped",
         {"b", "c"},
         "a: :%s:b:c",
         "b\n" + url},
        {"%s within an argument", {"b"}, "b -n \"<%s>\"", "b\n-n\n<" + url + ">"},
        {"then sensible-browser",
         {"sensible-browser", "x-www-browser"},
         nullptr,
         "sensible-browser\n" + url},
        {"x-www-browser last", {"x-www-browser"}, "", "x-www-browser\n" + url},
        {"nothing to start", {}, "a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeOpeningPrograms programs(c.programs, c.browser);
        EXPECT_EQ(extended_controls::OpenWithDesktop(url), !c.started.isEmpty());
        if (!c.started.isEmpty()) {
            EXPECT_EQ(programs.started().toStdString(), (c.started + "\n").toStdString());
        }
    }
}

}  // namespace
}  // namespace runtime
