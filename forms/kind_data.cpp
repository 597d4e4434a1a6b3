#include "forms/kind_data.h"

#include <algorithm>

#include "forms/template_archive.h"
#include "runtime/gbk.h"

namespace forms {
namespace {

// Reading side of the field lists below: the archive plus stored fonts.
class KindReader : public ArchiveReader {
public:
    using ArchiveReader::ArchiveReader;

    void Font(StoredFont& font) {
        const std::span<const uint8_t> bytes = BlobView();
        font.reset();
        if (bytes.empty()) return;
        font = ReadFontRecord(bytes);
        if (!font) Fail();
    }
};

// Writing side of the field lists below.
class KindWriter : public ArchiveWriter {
public:
    void Font(const StoredFont& font) {
        if (font) {
            Blob(WriteFontRecord(*font));
        } else {
            Blob({});
        }
    }
};

// Each kind's layout after the version word, written once and used in both
// directions: Io is a KindReader or a KindWriter.

template <typename Io>
void Transfer(Io& io, WindowData& d, uint32_t version) {
    io.Value(d.borderStyle);
    io.Value(d.property12);
    io.Value(d.backgroundColour);
    io.Value(d.maximizeButton);
    io.Value(d.minimizeButton);
    io.Value(d.controlBox);
    io.Value(d.startPosition);
    io.Value(d.movable);
    io.Value(d.property14);
    io.Value(d.enterMovesFocus);
    io.Value(d.escCloses);
    io.Value(d.f1OpensHelp);
    io.Value(d.helpContext);
    if (version > 1) io.Value(d.shownOnTaskBar);
    if (version > 2) {
        io.Value(d.dragAnywhere);
        io.Value(d.property28);
    }
    if (version > 3) io.Value(d.property29);
    if (version > 4) io.Value(d.property30);
    if (version == 6) io.Text(d.property31);
    io.Blob(d.backgroundPicture);
    io.Blob(d.icon);
    io.Blob(d.property13);
    io.Text(d.title);
    io.Text(d.helpFile);
}

template <typename Io>
void Transfer(Io& io, EditBoxData& d, uint32_t version) {
    io.Value(d.borderStyle);
    io.Value(d.textColour);
    io.Value(d.backgroundColour);
    io.Value(d.hideSelection);
    io.Value(d.maxLength);
    io.Value(d.multiLine);
    io.Value(d.scrollBars);
    io.Value(d.alignment);
    io.Value(d.inputMode);
    io.Value(d.passwordChar);
    io.Value(d.caseConversion);
    io.Value(d.spinBox);
    io.Value(d.spinLimit1);
    io.Value(d.spinLimit2);
    io.Value(d.selectionStart);
    io.Value(d.selectionLength);
    io.Font(d.font);
    io.Text(d.content);
    if (version == 2) {
        io.Text(d.property27);
        io.Text(d.property28);
    }
}

template <typename Io>
void Transfer(Io& io, LabelData& d, uint32_t version) {
    io.Value(d.textEffect);
    io.Value(d.frameWidth);
    io.Value(d.borderStyle);
    for (uint32_t& colour : d.frameColours) io.Value(colour);
    io.Value(d.textColour);
    io.Value(d.backgroundColour);
    io.Value(d.pictureMode);
    io.Value(d.backgroundPattern);
    for (uint32_t& colour : d.patternColours) io.Value(colour);
    io.Value(d.horizontalAlignment);
    io.Value(d.verticalAlignment);
    io.Value(d.wordWrap);
    io.Font(d.font);
    io.Blob(d.picture);
    io.Text(d.caption);
    if (version == 2) {
        io.Text(d.property27);
        io.Text(d.property28);
    }
}

template <typename Io>
void Transfer(Io& io, ButtonData& d, uint32_t) {
    io.Value(d.defaultButton);
    io.Value(d.horizontalAlignment);
    io.Value(d.verticalAlignment);
    io.Blob(d.picture);
    io.Font(d.font);
    io.Text(d.caption);
}

template <typename Io>
void Transfer(Io& io, RadioButtonData& d, uint32_t) {
    io.Value(d.property9);
    io.Value(d.property10);
    io.Value(d.property12);
    io.Value(d.property13);
    io.Value(d.property14);
    io.Value(d.textColour);
    io.Value(d.backgroundColour);
    io.Value(d.selected);
    io.Blob(d.picture);
    io.Font(d.font);
    io.Text(d.caption);
}

template <typename Io>
void Transfer(Io& io, ComboBoxData& d, uint32_t version) {
    io.Value(d.boxType);
    io.Value(d.property10);
    for (uint32_t& word : d.words) io.Value(word);
    io.Value(d.property14);
    io.Value(d.property15);
    io.Value(d.textColour);
    io.Value(d.backgroundColour);
    io.Value(d.selection);
    io.Font(d.font);
    io.Blob(d.property21);
    io.Text(d.content);
    io.TextList(d.items);
    if (version > 1) {
        io.Text(d.property22);
        io.Text(d.property23);
    }
    if (version >= 3) io.Value(d.property24);
}

template <typename Io>
void Transfer(Io& io, GroupBoxData& d, uint32_t) {
    io.Value(d.property9);
    io.Value(d.textColour);
    io.Value(d.backgroundColour);
    io.Font(d.font);
    io.Text(d.caption);
}

template <typename Io>
void Transfer(Io& io, TabControlData& d, uint32_t version) {
    io.Value(d.property8);
    io.Value(d.property9);
    io.Value(d.initialPage);
    if (version > 1) io.Value(d.property13);
    if (version >= 3) {
        io.Value(d.property14);
        io.Value(d.backgroundColour);
    }
    io.Font(d.font);
    io.TextList(d.pageCaptions);
}

template <typename Io>
void Transfer(Io& io, PictureBoxData& d, uint32_t version) {
    io.Value(d.property8);
    io.Value(d.backgroundColour);
    io.Blob(d.picture);
    io.Value(d.property11);
    io.Value(d.property12);
    if (version == 2) {
        io.Text(d.property13);
        io.Text(d.property14);
    }
}

template <typename Io>
void Transfer(Io& io, HyperLinkerData& d, uint32_t) {
    io.Value(d.linkType);
    io.Value(d.normalColour);
    io.Value(d.visitedColour);
    io.Value(d.hoverColour);
    io.Value(d.backgroundColour);
    io.Value(d.borderStyle);
    io.Font(d.font);
    io.Text(d.caption);
    io.Text(d.emailAddress);
    io.Text(d.webAddress);
}

template <typename Io>
void Transfer(Io& io, TimerData& d, uint32_t) {
    io.Value(d.period);
}

template <typename Io>
void Transfer(Io& io, TransLabelData& d, uint32_t) {
    io.Value(d.textEffect);
    io.Value(d.textColour);
    io.Value(d.horizontalAlignment);
    io.Value(d.verticalAlignment);
    io.Value(d.wordWrap);
    io.Font(d.font);
    io.Text(d.caption);
}

template <typename KindData>
Bytes WriteWithMaxVersion(const KindData& data) {
    KindWriter out;
    out.Value(KindData::kMaxVersion);
    KindData fields = data;
    Transfer(out, fields, KindData::kMaxVersion);
    return out.Take();
}

}  // namespace

std::string FontRecord::Face() const {
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return std::string(faceName.begin(), end);
}

void FontRecord::SetFace(std::string_view gbkFace) {
    faceName.fill('\0');
    const size_t length = std::min(gbkFace.size(), kFaceSize - 1);
    std::copy_n(gbkFace.begin(), length, faceName.begin());
}

std::optional<FontRecord> ReadFontRecord(std::span<const uint8_t> bytes) {
    if (bytes.size() != FontRecord::kSize) return std::nullopt;
    ArchiveReader in(bytes);
    FontRecord font;
    in.Value(font.height);
    in.Value(font.width);
    in.Value(font.escapement);
    in.Value(font.orientation);
    in.Value(font.weight);
    in.Value(font.italic);
    in.Value(font.underline);
    in.Value(font.strikeOut);
    in.Value(font.charSet);
    in.Value(font.outPrecision);
    in.Value(font.clipPrecision);
    in.Value(font.quality);
    in.Value(font.pitchAndFamily);
    const std::span<const uint8_t> face = in.Take(FontRecord::kFaceSize);
    std::copy(face.begin(), face.end(), font.faceName.begin());
    return font;
}

Bytes WriteFontRecord(const FontRecord& font) {
    ArchiveWriter out;
    out.Value(font.height);
    out.Value(font.width);
    out.Value(font.escapement);
    out.Value(font.orientation);
    out.Value(font.weight);
    out.Value(font.italic);
    out.Value(font.underline);
    out.Value(font.strikeOut);
    out.Value(font.charSet);
    out.Value(font.outPrecision);
    out.Value(font.clipPrecision);
    out.Value(font.quality);
    out.Value(font.pitchAndFamily);
    for (char c : font.faceName) out.Value(c);
    return out.Take();
}

const std::string& DefaultTransLabelCaption() {
    static const std::string caption = runtime::Utf8ToGbk("透明标签");
    return caption;
}

template <typename KindData>
std::optional<KindData> ReadKindData(std::span<const uint8_t> bytes) {
    KindData data;
    if (bytes.empty()) return data;
    KindReader in(bytes);
    const uint32_t version = in.U32();
    if (!in.Ok() || version > KindData::kMaxVersion) return std::nullopt;
    Transfer(in, data, version);
    if (!in.Ok()) return std::nullopt;
    return data;
}

template std::optional<WindowData> ReadKindData(std::span<const uint8_t>);
template std::optional<EditBoxData> ReadKindData(std::span<const uint8_t>);
template std::optional<LabelData> ReadKindData(std::span<const uint8_t>);
template std::optional<ButtonData> ReadKindData(std::span<const uint8_t>);
template std::optional<RadioButtonData> ReadKindData(std::span<const uint8_t>);
template std::optional<ComboBoxData> ReadKindData(std::span<const uint8_t>);
template std::optional<GroupBoxData> ReadKindData(std::span<const uint8_t>);
template std::optional<TabControlData> ReadKindData(std::span<const uint8_t>);
template std::optional<PictureBoxData> ReadKindData(std::span<const uint8_t>);
template std::optional<HyperLinkerData> ReadKindData(std::span<const uint8_t>);
template std::optional<TimerData> ReadKindData(std::span<const uint8_t>);
template std::optional<TransLabelData> ReadKindData(std::span<const uint8_t>);

namespace {

template <typename... KindData>
bool ReadableAsItsKind(uint32_t kindCode, std::span<const uint8_t> bytes) {
    bool readable = true;
    ((kindCode == uint32_t(KindData::kKind) &&
      (readable = ReadKindData<KindData>(bytes).has_value())),
     ...);
    return readable;
}

}  // namespace

bool KindDataReadable(uint32_t kindCode, std::span<const uint8_t> bytes) {
    return ReadableAsItsKind<WindowData, EditBoxData, LabelData, ButtonData, RadioButtonData,
                             ComboBoxData, GroupBoxData, TabControlData, PictureBoxData,
                             HyperLinkerData, TimerData, TransLabelData>(kindCode, bytes);
}

Bytes WriteKindData(const WindowData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const EditBoxData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const LabelData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const ButtonData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const RadioButtonData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const ComboBoxData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const GroupBoxData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const TabControlData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const PictureBoxData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const HyperLinkerData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const TimerData& data) {
    return WriteWithMaxVersion(data);
}
Bytes WriteKindData(const TransLabelData& data) {
    return WriteWithMaxVersion(data);
}

}  // namespace forms
