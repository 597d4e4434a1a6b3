#include "engine/handler_support.h"

#include "runtime/convert.h"

namespace engine::support {
namespace {

using runtime::TaggedValue;

template <typename Property>
constexpr int32_t Number(Property property) {
    return static_cast<int32_t>(property);
}

// A present text argument is never null: the empty text travels as a
// pointer to this static empty string, which no receiver frees.
constexpr char kEmptyText[] = "";

runtime::Payload Read(const RuntimeServices& services, MainUnit unit, int32_t property) {
    return services.ReadProperty(Id(WindowId::Main), Id(unit), property, kPlainElement);
}

void Write(const RuntimeServices& services, MainUnit unit, int32_t property,
           runtime::Payload payload) {
    services.WriteProperty(Id(WindowId::Main), Id(unit), property, kPlainElement,
                           static_cast<uint32_t>(payload), static_cast<uint32_t>(payload >> 32));
}

// The text's number; the text itself is only borrowed.
double TextToNumber(const RuntimeServices& services, const char* text) {
    TaggedValue result =
        Call(services, runtime::TextToNumber, {runtime::MakeText(text ? text : kEmptyText)});
    return runtime::AsDouble(result);
}

}  // namespace

TaggedValue Call(const RuntimeServices& services, runtime::CommandRoutine command,
                 std::initializer_list<TaggedValue> args) {
    return services.CallCommand(command, static_cast<int32_t>(args.size()), args.begin());
}

char* TextResult(const TaggedValue& result) {
    return runtime::BitsToPointer<char>(runtime::PayloadOf(result));
}

double ReadNumber(const RuntimeServices& services, MainUnit editBox) {
    char* text =
        runtime::BitsToPointer<char>(Read(services, editBox, Number(EditBoxProperty::Content)));
    double value = TextToNumber(services, text);
    services.FreeMemory(text);
    return value;
}

int32_t ReadSelection(const RuntimeServices& services, MainUnit comboBox) {
    return static_cast<int32_t>(Read(services, comboBox, Number(ComboBoxProperty::Selection)));
}

bool ReadSelected(const RuntimeServices& services, MainUnit radioButton) {
    return static_cast<uint32_t>(
               Read(services, radioButton, Number(RadioButtonProperty::Selected))) != 0;
}

void WriteNumber(const RuntimeServices& services, MainUnit editBox, double value,
                 int32_t decimals) {
    constexpr bool kThousandsSeparators = false;
    char* text = TextResult(Call(services, runtime::NumberToFormattedText,
                                 {runtime::MakeDouble(value), runtime::MakeInt(decimals),
                                  runtime::MakeBool(kThousandsSeparators)}));
    Write(services, editBox, Number(EditBoxProperty::Content), runtime::PointerBits(text));
    services.FreeMemory(text);
}

void WriteToolTip(const RuntimeServices& services, MainUnit editBox, const std::string& gbk) {
    const char* text = gbk.empty() ? nullptr : gbk.c_str();
    Write(services, editBox, Number(EditBoxProperty::ToolTip), runtime::PointerBits(text));
}

void WriteCaptionAndFree(const RuntimeServices& services, MainUnit transLabel, char* text) {
    Write(services, transLabel, Number(TransLabelProperty::Caption), runtime::PointerBits(text));
    services.FreeMemory(text);
}

void WriteVisible(const RuntimeServices& services, MainUnit label, bool visible) {
    Write(services, label, Number(LabelProperty::Visible), visible ? 1 : 0);
}

void WriteTextColour(const RuntimeServices& services, MainUnit label, Colour colour) {
    Write(services, label, Number(LabelProperty::TextColour), static_cast<uint32_t>(colour));
}

}  // namespace engine::support
