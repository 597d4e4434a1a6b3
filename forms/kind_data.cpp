#include "forms/kind_data.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <utility>
#include <variant>

#include "forms/kind_tables.h"
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

// A field in its stored encoding, in either direction: Io is a KindReader
// or a KindWriter.
template <typename Io, typename Data>
void TransferField(Io&, Data&, std::monostate) {}
template <typename Io, typename Data, std::integral Integer>
void TransferField(Io& io, Data& d, Integer Data::*field) {
    io.Value(d.*field);
}
template <typename Io, typename Data>
void TransferField(Io& io, Data& d, std::string Data::*text) {
    io.Text(d.*text);
}
template <typename Io, typename Data>
void TransferField(Io& io, Data& d, Bytes Data::*blob) {
    io.Blob(d.*blob);
}
template <typename Io, typename Data>
void TransferField(Io& io, Data& d, StoredFont Data::*font) {
    io.Font(d.*font);
}
template <typename Io, typename Data>
void TransferField(Io& io, Data& d, std::vector<std::string> Data::*list) {
    io.TextList(d.*list);
}
template <typename Io, typename Data>
void TransferField(Io& io, Data& d, ArrayWord<Data> word) {
    io.Value((d.*word.array)[word.index]);
}

// A kind's layout after the version word, from its table: the stored rows
// in order, each from the version that brought it.
template <typename Io, typename Data>
void Transfer(Io& io, Data& d, uint32_t version) {
    using namespace kind_properties;
    ForEachRow<Data>([&]<size_t Row>(std::integral_constant<size_t, Row>) {
        if (version >= kRow<Data, Row>.since) TransferField(io, d, kField<Data, Row>);
    });
}

template <typename KindData>
Bytes WriteWithMaxVersion(const KindData& data) {
    KindWriter out;
    out.Value(KindData::kMaxVersion);
    KindData fields = data;
    Transfer(out, fields, KindData::kMaxVersion);
    return out.Take();
}

// The font record's fields in their stored order, in either direction: Io
// is an ArchiveReader with a FontRecord or an ArchiveWriter with a const one.
template <typename Io, typename Font>
void TransferFontRecord(Io& io, Font& font) {
    io.Value(font.height);
    io.Value(font.width);
    io.Value(font.escapement);
    io.Value(font.orientation);
    io.Value(font.weight);
    io.Value(font.italic);
    io.Value(font.underline);
    io.Value(font.strikeOut);
    io.Value(font.charSet);
    io.Value(font.outPrecision);
    io.Value(font.clipPrecision);
    io.Value(font.quality);
    io.Value(font.pitchAndFamily);
    for (auto& c : font.faceName) io.Value(c);
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
    TransferFontRecord(in, font);
    return font;
}

Bytes WriteFontRecord(const FontRecord& font) {
    ArchiveWriter out;
    TransferFontRecord(out, font);
    return out.Take();
}

const std::string& DefaultTransLabelCaption() {
    static const std::string caption = runtime::Utf8ToGbk("透明标签");
    return caption;
}

namespace {

template <typename KindData>
std::optional<KindData> ReadRecord(std::span<const uint8_t> bytes) {
    KindData data;
    if (bytes.empty()) return data;
    KindReader in(bytes);
    const uint32_t version = in.U32();
    if (!in.Ok() || version > KindData::kMaxVersion) return std::nullopt;
    Transfer(in, data, version);
    if (!in.Ok()) return std::nullopt;
    return data;
}

// Each record kind's code with its reader, made from the KindRecord list.
struct RecordReader {
    uint32_t kindCode;
    std::optional<KindRecord> (*read)(std::span<const uint8_t>);
};

template <size_t Index>
std::optional<KindRecord> ReadAlternative(std::span<const uint8_t> bytes) {
    using KindData = std::variant_alternative_t<Index, KindRecord>;
    std::optional<KindData> data = ReadRecord<KindData>(bytes);
    if (!data) return std::nullopt;
    return KindRecord(std::in_place_index<Index>, std::move(*data));
}

template <size_t... Index>
constexpr std::array<RecordReader, sizeof...(Index)> MakeReaders(std::index_sequence<Index...>) {
    return {{{uint32_t(std::variant_alternative_t<Index, KindRecord>::kKind),
              &ReadAlternative<Index>}...}};
}

constexpr auto kRecordReaders =
    MakeReaders(std::make_index_sequence<std::variant_size_v<KindRecord>>());

const RecordReader* FindReader(uint32_t kindCode) {
    auto found = std::ranges::find(kRecordReaders, kindCode, &RecordReader::kindCode);
    return found != kRecordReaders.end() ? &*found : nullptr;
}

}  // namespace

bool HasKindRecord(uint32_t kindCode) {
    return FindReader(kindCode) != nullptr;
}

std::optional<KindRecord> ReadKindRecord(uint32_t kindCode, std::span<const uint8_t> bytes) {
    const RecordReader* reader = FindReader(kindCode);
    if (reader == nullptr) return std::nullopt;
    return reader->read(bytes);
}

bool KindDataReadable(uint32_t kindCode, std::span<const uint8_t> bytes) {
    return !HasKindRecord(kindCode) || ReadKindRecord(kindCode, bytes).has_value();
}

Bytes WriteKindRecord(const KindRecord& record) {
    return std::visit([](const auto& data) { return WriteWithMaxVersion(data); }, record);
}

}  // namespace forms
