#pragma once
// Kind data: the stored properties of one unit, the part of its record after
// the event list. One struct per kind holds the fields with their defaults;
// ReadKindData<Kind>(bytes) sets the defaults first, returns them unchanged
// for empty data, and otherwise reads the kind's layout. A layout version
// above the kind's maximum, or data that ends early, gives nullopt: the unit
// cannot be created. WriteKindData(data) writes the maximum version, with
// every field, so that reading it back yields the same struct.
//
// Every layout starts with a u32 version; fields are u32 unless noted; TEXT,
// BLOB and TEXTLIST are the template's encodings (template.h). A font is a
// BLOB that is either empty (the default GUI font) or a 60-byte FontRecord.
// Texts are GBK. The property numbers are those of ReadProperty and
// WriteProperty; the per-kind enums name them. Each kind's layout and
// property types come from its table in kind_tables.h.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "forms/kinds_table.h"
#include "forms/template.h"

namespace forms {

// 0x00BBGGRR; this value stands for the palette's button-face colour.
inline constexpr uint32_t kButtonFaceColour = 0xFF000000;
inline constexpr uint32_t kBlack = 0x00000000;
inline constexpr uint32_t kWhite = 0x00FFFFFF;
// Stands for the palette's highlight colour, resolved when a control is
// created (the hyperlink box's default hover colour).
inline constexpr uint32_t kHighlightColour = 0xFF00000D;

// Properties 0-7, common to every control kind and served by the runtime.
enum class CommonProperty : int32_t {
    Left = 0,          // integer, pixels relative to the parent's client area
    Top = 1,           // integer
    Width = 2,         // integer
    Height = 3,        // integer
    Tag = 4,           // text
    Visible = 5,       // logical
    Disabled = 6,      // logical
    MousePointer = 7,  // mouse-pointer block
};
// The first kind-specific property number; kind routines receive n minus it.
inline constexpr int32_t kFirstKindProperty = 8;

enum class MenuItemProperty : int32_t {
    Caption = 0,   // text
    Ticked = 1,    // logical, menu flag bit 2
    Disabled = 2,  // logical, menu flag bit 1
    Visible = 3,   // logical, the inverse of menu flag bit 0
};

// The Windows logical-font record stored in font BLOBs: 60 bytes.
struct FontRecord {
    static constexpr size_t kSize = 60;
    static constexpr size_t kFaceSize = 32;
    int32_t height = 0;  // negative: character height in pixels
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 400;  // 400 normal, 700 bold
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 134;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::array<char, kFaceSize> faceName{};  // GBK, NUL-terminated

    // The face name up to its NUL (GBK).
    std::string Face() const;
    // Stores a GBK face name, cut to 31 bytes so that a NUL always ends it.
    void SetFace(std::string_view gbkFace);

    bool operator==(const FontRecord&) const = default;
};
std::optional<FontRecord> ReadFontRecord(std::span<const uint8_t> bytes);  // exactly 60 bytes
Bytes WriteFontRecord(const FontRecord& font);

// An optional font: empty means the default GUI font.
using StoredFont = std::optional<FontRecord>;

enum class WindowProperty : int32_t {
    Title = 8,               // text
    BorderStyle = 9,         // choice: 0 none, 1 sizable, 2 fixed single, 3-6 tool / sunken frames
    BackgroundColour = 10,   // background colour
    BackgroundPicture = 11,  // picture
    Property12 = 12,         // choice
    Property13 = 13,         // byte block
    Property14 = 14,         // choice
    ControlBox = 15,         // logical
    MaximizeButton = 16,     // logical
    MinimizeButton = 17,     // logical
    StartPosition = 18,      // choice: 0 as stored, 1 centred, 2 minimized, 3 maximized
    Movable = 19,            // logical
    Icon = 20,               // icon (a Windows icon file)
    EnterMovesFocus = 21,    // logical
    EscCloses = 22,          // logical
    F1OpensHelp = 23,        // logical
    HelpFile = 24,           // text
    HelpContext = 25,        // integer
    ShownOnTaskBar = 26,     // logical
    DragAnywhere = 27,       // logical
    Property28 = 28,         // choice
    Property29 = 29,         // logical
    Property30 = 30,         // logical
    Property31 = 31,         // text
};

struct WindowData {
    static constexpr KindCode kKind = KindCode::Window;
    static constexpr uint32_t kMaxVersion = 6;
    uint32_t borderStyle = 1;
    uint32_t property12 = 0;
    uint32_t backgroundColour = kButtonFaceColour;
    uint32_t maximizeButton = 1;
    uint32_t minimizeButton = 1;
    uint32_t controlBox = 1;
    uint32_t startPosition = 0;
    uint32_t movable = 1;
    uint32_t property14 = 0;
    uint32_t enterMovesFocus = 0;
    uint32_t escCloses = 0;
    uint32_t f1OpensHelp = 0;
    uint32_t helpContext = 0;
    uint32_t shownOnTaskBar = 1;  // version 2 and later
    uint32_t dragAnywhere = 0;    // version 3 and later
    uint32_t property28 = 0;      // version 3 and later
    uint32_t property29 = 0;      // version 4 and later
    uint32_t property30 = 0;      // version 5 and later
    std::string property31;       // version 6
    Bytes backgroundPicture;
    Bytes icon;
    Bytes property13;
    std::string title;
    std::string helpFile;
    bool operator==(const WindowData&) const = default;
};

enum class EditBoxProperty : int32_t {
    Content = 8,            // text, read from the live control
    BorderStyle = 9,        // choice, border styles
    TextColour = 10,        // colour
    BackgroundColour = 11,  // background colour
    Font = 12,              // font
    HideSelection = 13,     // logical
    MaxLength = 14,         // integer, 0 = no limit
    MultiLine = 15,         // logical
    ScrollBars = 16,        // choice: 0 none, 1 horizontal, 2 vertical, 3 both
    Alignment = 17,         // choice: 0 left, 1 centred, 2 right
    InputMode = 18,         // choice, see EditInputMode
    PasswordChar = 19,      // text
    CaseConversion = 20,    // choice
    SpinBox = 21,           // choice, 0 = none
    SpinLimit1 = 22,        // integer
    SpinLimit2 = 23,        // integer
    SelectionStart = 24,    // integer, live
    SelectionLength = 25,   // integer, live
    SelectedText = 26,      // text, live
    Property27 = 27,        // text
    Property28 = 28,        // text
    ToolTip = 29,           // text, live: shown while the pointer rests on the box
};

// Edit box input modes (property 18). Modes 6-11 add value checks that this
// program does not use.
enum class EditInputMode : uint32_t {
    Normal = 0,
    ReadOnly = 1,
    Password = 2,    // characters shown as the password character
    Integer = 3,     // digits and "-" only
    Decimal = 4,     // digits, "-" and "." only
    DigitsOnly = 5,  // digits only
};

struct EditBoxData {
    static constexpr KindCode kKind = KindCode::EditBox;
    static constexpr uint32_t kMaxVersion = 2;
    uint32_t borderStyle = 1;
    uint32_t textColour = kBlack;
    uint32_t backgroundColour = kWhite;
    uint32_t hideSelection = 1;
    uint32_t maxLength = 0;
    uint32_t multiLine = 0;
    uint32_t scrollBars = 0;
    uint32_t alignment = 0;
    uint32_t inputMode = 0;
    int16_t passwordChar = '*';
    uint32_t caseConversion = 0;
    uint32_t spinBox = 0;
    int32_t spinLimit1 = 100;
    int32_t spinLimit2 = 0;
    int32_t selectionStart = 0;
    int32_t selectionLength = 0;
    StoredFont font;
    std::string content;
    std::string property27;  // version 2
    std::string property28;  // version 2
    bool operator==(const EditBoxData&) const = default;
};

enum class LabelProperty : int32_t {
    Caption = 8,               // text
    TextEffect = 9,            // choice: 0 none, 1-3 shadow copies
    BorderStyle = 10,          // choice, border styles plus 6 painted frame
    FrameWidth = 11,           // integer
    FrameColour1 = 12,         // colour
    FrameColour2 = 13,         // colour
    FrameColour3 = 14,         // colour
    Font = 15,                 // font
    TextColour = 16,           // colour
    BackgroundColour = 17,     // background colour
    Picture = 18,              // picture
    PictureMode = 19,          // choice
    BackgroundPattern = 20,    // choice
    PatternColour1 = 21,       // colour
    PatternColour2 = 22,       // colour
    PatternColour3 = 23,       // colour
    HorizontalAlignment = 24,  // choice: 0 left, 1 centre, 2 right
    WordWrap = 25,             // logical
    VerticalAlignment = 26,    // choice: 0 top, 1 centre, 2 bottom
    Property27 = 27,           // text
    Property28 = 28,           // text
};

struct LabelData {
    static constexpr KindCode kKind = KindCode::Label;
    static constexpr uint32_t kMaxVersion = 2;
    uint32_t textEffect = 0;
    uint32_t frameWidth = 1;
    uint32_t borderStyle = 0;
    std::array<uint32_t, 3> frameColours{kButtonFaceColour, kButtonFaceColour, kButtonFaceColour};
    uint32_t textColour = kBlack;
    uint32_t backgroundColour = kButtonFaceColour;
    uint32_t pictureMode = 0;
    uint32_t backgroundPattern = 0;
    std::array<uint32_t, 3> patternColours{kButtonFaceColour, kButtonFaceColour, kButtonFaceColour};
    uint32_t horizontalAlignment = 0;
    uint32_t verticalAlignment = 1;
    uint32_t wordWrap = 0;
    StoredFont font;
    Bytes picture;
    std::string caption;
    std::string property27;  // version 2
    std::string property28;  // version 2
    bool operator==(const LabelData&) const = default;
};

enum class ButtonProperty : int32_t {
    Picture = 8,               // picture
    DefaultButton = 9,         // choice: 1 = the window's default push button
    Caption = 10,              // text
    HorizontalAlignment = 11,  // choice: 0 left, 1 centre, 2 right
    VerticalAlignment = 12,    // choice: 0 top, 1 centre, 2 bottom
    Font = 13,                 // font
};

struct ButtonData {
    static constexpr KindCode kKind = KindCode::Button;
    static constexpr uint32_t kMaxVersion = 1;
    uint32_t defaultButton = 0;
    uint32_t horizontalAlignment = 1;
    uint32_t verticalAlignment = 1;
    Bytes picture;
    StoredFont font;
    std::string caption;
    bool operator==(const ButtonData&) const = default;
};

enum class RadioButtonProperty : int32_t {
    Picture = 8,            // picture
    Property9 = 9,          // logical
    Property10 = 10,        // logical
    Caption = 11,           // text
    Property12 = 12,        // logical
    Property13 = 13,        // choice
    Property14 = 14,        // choice
    TextColour = 15,        // colour
    BackgroundColour = 16,  // background colour
    Font = 17,              // font
    Selected = 18,          // logical, read from the live control
};

struct RadioButtonData {
    static constexpr KindCode kKind = KindCode::RadioButton;
    static constexpr uint32_t kMaxVersion = 1;
    uint32_t property9 = 0;
    uint32_t property10 = 0;
    uint32_t property12 = 0;
    uint32_t property13 = 0;
    uint32_t property14 = 0;
    uint32_t textColour = kBlack;
    uint32_t backgroundColour = kButtonFaceColour;
    uint32_t selected = 0;
    Bytes picture;
    StoredFont font;
    std::string caption;
    bool operator==(const RadioButtonData&) const = default;
};

enum class ComboBoxProperty : int32_t {
    BoxType = 8,            // choice: 2 = drop-down list
    Content = 9,            // text, live
    Property10 = 10,        // integer
    Property11 = 11,        // live list data
    Property12 = 12,        // live list data
    Property13 = 13,        // live list data
    Property14 = 14,        // logical
    Property15 = 15,        // integer
    TextColour = 16,        // colour
    BackgroundColour = 17,  // background colour
    Font = 18,              // font
    Selection = 19,         // integer: zero-based index, -1 none; live
    Items = 20,             // kind-defined block
    Property21 = 21,        // kind-defined block
    Property22 = 22,        // text
    Property23 = 23,        // text
    Property24 = 24,        // logical
};

inline constexpr uint32_t kDropDownList = 2;

struct ComboBoxData {
    static constexpr KindCode kKind = KindCode::ComboBox;
    static constexpr uint32_t kMaxVersion = 3;
    uint32_t boxType = kDropDownList;
    uint32_t property10 = 0;
    uint32_t property11 = 0;
    uint32_t property12 = 0;
    uint32_t property14 = 0;
    uint32_t property15 = 0;
    uint32_t textColour = kBlack;
    uint32_t backgroundColour = kWhite;
    int32_t selection = -1;  // clamped to the items when the box is created
    StoredFont font;
    Bytes property21;
    std::string content;
    std::vector<std::string> items;
    std::string property22;   // version 2 and later
    std::string property23;   // version 2 and later
    uint32_t property24 = 0;  // version 3
    bool operator==(const ComboBoxData&) const = default;
};

enum class GroupBoxProperty : int32_t {
    Caption = 8,            // text
    Property9 = 9,          // choice
    TextColour = 10,        // colour
    BackgroundColour = 11,  // background colour
    Font = 12,              // font
};

struct GroupBoxData {
    static constexpr KindCode kKind = KindCode::GroupBox;
    static constexpr uint32_t kMaxVersion = 1;
    uint32_t property9 = 0;
    uint32_t textColour = kBlack;
    uint32_t backgroundColour = kButtonFaceColour;
    StoredFont font;
    std::string caption;
    bool operator==(const GroupBoxData&) const = default;
};

enum class TabControlProperty : int32_t {
    Property8 = 8,          // choice
    Property9 = 9,          // logical
    Font = 10,              // font
    PageCaptions = 11,      // kind-defined block
    CurrentPage = 12,       // integer, live
    Property13 = 13,        // logical
    Property14 = 14,        // logical
    BackgroundColour = 15,  // background colour
};

struct TabControlData {
    static constexpr KindCode kKind = KindCode::TabControl;
    static constexpr uint32_t kMaxVersion = 3;
    uint32_t property8 = 0;
    uint32_t property9 = 0;
    int32_t initialPage = 0;  // clamped to the pages when the control is created
    uint32_t property13 = 0;  // version 2 and later
    uint32_t property14 = 0;  // version 3
    uint32_t backgroundColour = kButtonFaceColour;  // version 3
    StoredFont font;
    std::vector<std::string> pageCaptions;
    bool operator==(const TabControlData&) const = default;
};

struct PictureBoxData {
    static constexpr KindCode kKind = KindCode::PictureBox;
    static constexpr uint32_t kMaxVersion = 2;
    uint32_t property8 = 0;
    uint32_t backgroundColour = kButtonFaceColour;
    Bytes picture;
    uint32_t property11 = 0;
    uint32_t property12 = 0;
    std::string property13;  // version 2
    std::string property14;  // version 2
    bool operator==(const PictureBoxData&) const = default;
};

enum class HyperLinkerProperty : int32_t {
    Caption = 8,            // text
    LinkType = 9,           // choice: 0 e-mail address, 1 web address
    EmailAddress = 10,      // text
    WebAddress = 11,        // text
    NormalColour = 12,      // colour
    VisitedColour = 13,     // colour
    HoverColour = 14,       // colour
    BackgroundColour = 15,  // background colour
    BorderStyle = 16,       // choice, border styles
    Font = 17,              // font
};

struct HyperLinkerData {
    static constexpr KindCode kKind = KindCode::HyperLinker;
    static constexpr uint32_t kMaxVersion = 1;
    uint32_t linkType = 0;
    uint32_t normalColour = 0x00FF0000;
    uint32_t visitedColour = 0x00000080;
    uint32_t hoverColour = kHighlightColour;
    uint32_t backgroundColour = kButtonFaceColour;
    uint32_t borderStyle = 0;
    StoredFont font;
    std::string caption;  // when empty the address is shown
    std::string emailAddress;
    std::string webAddress;
    bool operator==(const HyperLinkerData&) const = default;
};

enum class TimerProperty : int32_t {
    Period = 8,  // integer, milliseconds
};

struct TimerData {
    static constexpr KindCode kKind = KindCode::Timer;
    static constexpr uint32_t kMaxVersion = 1;
    int32_t period = 0;
    bool operator==(const TimerData&) const = default;
};

enum class TransLabelProperty : int32_t {
    Caption = 8,               // text
    TextEffect = 9,            // choice 0-3
    Font = 10,                 // font
    TextColour = 11,           // colour
    HorizontalAlignment = 12,  // choice: 0 left, 1 centre, 2 right
    WordWrap = 13,             // logical
    VerticalAlignment = 14,    // choice: 0 top, 1 middle, 2 bottom
};

// "透明标签" in GBK, the caption of a transparent label without kind data.
const std::string& DefaultTransLabelCaption();

struct TransLabelData {
    static constexpr KindCode kKind = KindCode::TransLabel;
    static constexpr uint32_t kMaxVersion = 1;
    uint32_t textEffect = 0;
    uint32_t textColour = kBlack;
    uint32_t horizontalAlignment = 0;
    uint32_t verticalAlignment = 1;
    uint32_t wordWrap = 0;
    StoredFont font;
    std::string caption = DefaultTransLabelCaption();
    bool operator==(const TransLabelData&) const = default;
};

// Every kind that keeps a data record, one alternative each in kind-code
// order; whatever must name them all (reading by kind code, writing, the
// tests) is derived from this one list. The two lunar kinds are not here:
// their stored data is a versioned block with archive strings whose fields
// come and go with the version (lunar_controls/persisted_block.h), not a
// fixed record a property table can map, so they list their property types
// by position beside their widgets.
using KindRecord = std::variant<WindowData, EditBoxData, LabelData, ButtonData, RadioButtonData,
                                ComboBoxData, GroupBoxData, TabControlData, PictureBoxData,
                                HyperLinkerData, TimerData, TransLabelData>;

// Whether the kind keeps a record here; the calendar kinds keep their own.
bool HasKindRecord(uint32_t kindCode);
// A kind's record read from its stored bytes (the defaults for none); none
// when the kind keeps no record here or the bytes do not read with its
// layout.
std::optional<KindRecord> ReadKindRecord(uint32_t kindCode, std::span<const uint8_t> bytes);
// Whether a unit's kind data reads with its kind's layout. Kinds without a
// layout here read any bytes.
bool KindDataReadable(uint32_t kindCode, std::span<const uint8_t> bytes);
// A record in its stored form, at its kind's newest layout version.
Bytes WriteKindRecord(const KindRecord& record);

template <typename KindData>
std::optional<KindData> ReadKindData(std::span<const uint8_t> bytes) {
    std::optional<KindRecord> record = ReadKindRecord(uint32_t(KindData::kKind), bytes);
    if (!record) return std::nullopt;
    return std::get<KindData>(std::move(*record));
}

template <typename KindData>
Bytes WriteKindData(const KindData& data) {
    return WriteKindRecord(KindRecord(std::in_place_type<KindData>, data));
}

}  // namespace forms
