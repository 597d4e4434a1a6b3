#include "runtime/convert.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "runtime/datetime.h"
#include "runtime/errors.h"
#include "runtime/gbk.h"
#include "runtime/heap.h"
#include "runtime/services.h"

namespace runtime {
namespace {

enum class DateTimeFormat : int32_t { DateAndTime = 1, DateOnly = 2, TimeOnly = 3 };

enum class DateTimePartNumber : int32_t {
    Year = 1,
    Quarter = 2,
    Month = 3,
    WeekOfYear = 4,
    Day = 5,
    Hour = 6,
    Minute = 7,
    Second = 8,
    DayOfWeek = 9,
    DayOfYear = 10,
};

constexpr int32_t MonthsPerQuarter = 3;
constexpr int32_t DaysPerWeek = 7;

// The calendar words of DateTimeToText and the Bool words of ValueToText.
struct CalendarWords {
    std::string year = Utf8ToGbk("年");
    std::string month = Utf8ToGbk("月");
    std::string day = Utf8ToGbk("日");
    std::string hour = Utf8ToGbk("时");
    std::string minute = Utf8ToGbk("分");
    std::string second = Utf8ToGbk("秒");
    std::string yes = Utf8ToGbk("真");
    std::string no = Utf8ToGbk("假");
};

const CalendarWords& Words() {
    static const CalendarWords words;
    return words;
}

bool IsPresent(int32_t argCount, const TaggedValue* args, int32_t index) {
    return argCount > index && !IsOmitted(args[index]);
}

double DoubleArgument(int32_t argCount, const TaggedValue* args, int32_t index) {
    return argCount > index ? AsDouble(args[index]) : 0.0;
}

void SetText(TaggedValue* result, std::string_view text) {
    SetResultPayload(*result, PointerBits(MakeHeapText(text)));
}

void SetDouble(TaggedValue* result, double value) {
    SetResultPayload(*result, DoubleBits(value));
}

void SetInt(TaggedValue* result, int32_t value) {
    SetResultPayload(*result, uint32_t(value));
}

std::string DateText(const DateTimeFields& f) {
    const CalendarWords& w = Words();
    return std::to_string(f.year) + w.year + std::to_string(f.month) + w.month +
           std::to_string(f.day) + w.day;
}

std::string FullTimeText(const DateTimeFields& f) {
    const CalendarWords& w = Words();
    return std::to_string(f.hour) + w.hour + std::to_string(f.minute) + w.minute +
           std::to_string(f.second) + w.second;
}

// The time as far as its last non-zero field; nothing at midnight.
std::string ShortTimeText(const DateTimeFields& f) {
    const CalendarWords& w = Words();
    if (f.second != 0) return FullTimeText(f);
    if (f.minute != 0) return std::to_string(f.hour) + w.hour + std::to_string(f.minute) + w.minute;
    if (f.hour != 0) return std::to_string(f.hour) + w.hour;
    return {};
}

std::string FormatDateTime(double dateTime, DateTimeFormat format) {
    DateTimeFields fields = SplitDateTime(dateTime);
    switch (format) {
        case DateTimeFormat::DateOnly:
            return DateText(fields);
        case DateTimeFormat::TimeOnly:
            return FullTimeText(fields);
        case DateTimeFormat::DateAndTime:
            break;
    }
    return DateText(fields) + ShortTimeText(fields);
}

int32_t PartOf(const DateTimeFields& f, DateTimePartNumber part) {
    switch (part) {
        case DateTimePartNumber::Year:
            return f.year;
        case DateTimePartNumber::Quarter:
            return (f.month - 1) / MonthsPerQuarter + 1;
        case DateTimePartNumber::Month:
            return f.month;
        case DateTimePartNumber::WeekOfYear:
            return (f.dayOfYear - 1) / DaysPerWeek + 1;
        case DateTimePartNumber::Day:
            return f.day;
        case DateTimePartNumber::Hour:
            return f.hour;
        case DateTimePartNumber::Minute:
            return f.minute;
        case DateTimePartNumber::Second:
            return f.second;
        case DateTimePartNumber::DayOfWeek:
            return f.dayOfWeek;
        case DateTimePartNumber::DayOfYear:
            break;
    }
    return f.dayOfYear;
}

std::string ByteSetText(const void* byteSet) {
    std::string_view bytes = ByteSetBytes(byteSet);
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string TextOfValue(const TaggedValue& value) {
    switch (TypeOf(value)) {
        case ValueType::Byte:
            return std::to_string(value.low & 0xFFu);
        case ValueType::Short:
            return std::to_string(int16_t(value.low));
        case ValueType::Int:
            return std::to_string(int32_t(value.low));
        case ValueType::Long:
            return std::to_string(int64_t(PayloadOf(value)));
        case ValueType::Float: {
            float single;
            std::memcpy(&single, &value.low, sizeof single);
            return FormatG6(single);
        }
        case ValueType::Double:
            return FormatG13(AsDouble(value));
        case ValueType::Text: {
            const char* text = AsText(value);
            return text != nullptr ? std::string(text) : std::string();
        }
        case ValueType::Bool:
            return value.low != 0 ? Words().yes : Words().no;
        case ValueType::DateTime:
            return FormatDateTime(AsDouble(value), DateTimeFormat::DateAndTime);
        case ValueType::ByteSet:
            return ByteSetText(BitsToPointer<const void>(PayloadOf(value)));
        default:
            return {};
    }
}

}  // namespace

void ValueToText(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    if (argCount >= 1) SetText(result, TextOfValue(args[0]));
}

// ln x as ln 2 · log2 x, computed in extended precision and rounded once.
void NaturalLog(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    long double x = DoubleArgument(argCount, args, 0);
    SetDouble(result, double(std::numbers::ln2_v<long double> * std::log2(x)));
}

void Power(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    SetDouble(result,
              std::pow(DoubleArgument(argCount, args, 0), DoubleArgument(argCount, args, 1)));
}

void CurrentDateTime(TaggedValue* result, int32_t, const TaggedValue*) {
    const RuntimeHost* host = InstalledRuntimeHost();
    SetDouble(result, host != nullptr && host->now != nullptr ? host->now() : NowDateTime());
}

void DateTimeToText(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    int32_t format = int32_t(DateTimeFormat::DateAndTime);
    if (IsPresent(argCount, args, 1)) {
        format = std::clamp(AsInt(args[1]), int32_t(DateTimeFormat::DateAndTime),
                            int32_t(DateTimeFormat::TimeOnly));
    }
    SetText(result, FormatDateTime(DoubleArgument(argCount, args, 0), DateTimeFormat(format)));
}

void DateTimePart(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    int32_t part = argCount > 1 ? AsInt(args[1]) : 0;
    part =
        std::clamp(part, int32_t(DateTimePartNumber::Year), int32_t(DateTimePartNumber::DayOfYear));
    DateTimeFields fields = SplitDateTime(DoubleArgument(argCount, args, 0));
    SetInt(result, PartOf(fields, DateTimePartNumber(part)));
}

void DayOfWeek(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    SetInt(result, SplitDateTime(DoubleArgument(argCount, args, 0)).dayOfWeek);
}

void LoadWindow(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (argCount < 1 || host == nullptr || host->loadWindow == nullptr) return;
    bool hasParent = IsPresent(argCount, args, 1);
    uint32_t parent = hasParent ? args[1].low : 0;
    bool modal = argCount > 2 && AsBool(args[2]);
    SetInt(result, host->loadWindow(args[0].low, parent, hasParent, modal) ? 1 : 0);
}

void CloseWindow(TaggedValue*, int32_t argCount, const TaggedValue* args) {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (argCount < 1 || host == nullptr || host->closeWindow == nullptr) {
        FatalRuntimeErrorUtf8(error_message::WindowOrUnitMissing);
    }
    bool atOnce = IsPresent(argCount, args, 1) && AsBool(args[1]);
    host->closeWindow(args[0].low, args[0].high, atOnce);
}

}  // namespace runtime
