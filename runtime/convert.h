#pragma once
// Built-in conversion commands and the pure helpers they are made of.
//
//   typed text ─► FoldFullWidth ─► parse ─► double ─► RoundToDecimals ─► FormatG13 ─► padded text
//
// Every command has the CommandRoutine signature of runtime/services.h and is
// called through CallCommand; text results are fresh heap texts (null when
// empty) owned by the caller.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/values.h"

namespace runtime {

// Commands (result, argument count, arguments).
void TextToNumber(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void NumberToFormattedText(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void ValueToText(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void NaturalLog(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void Power(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void CurrentDateTime(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void DateTimeToText(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void DateTimePart(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void DayOfWeek(TaggedValue* result, int32_t argCount, const TaggedValue* args);
// Window commands; their behaviour is the RuntimeHost's.
void LoadWindow(TaggedValue* result, int32_t argCount, const TaggedValue* args);
void CloseWindow(TaggedValue* result, int32_t argCount, const TaggedValue* args);

// Pure helpers.
// The value of a numeric argument (Byte, Short, Int, Long, Float, Double),
// converted exactly to double; none for every other type.
std::optional<double> NumericValue(const TaggedValue& value);
std::string FoldFullWidth(std::string_view gbk, bool removeSpaces = false);
double ParseNumber(std::string_view text);
double RoundToDecimals(double x, int32_t decimals);
std::string FormatG13(double value);
std::string FormatG6(float value);
// NumberToFormattedText with a decimals count: plain decimal text with
// exactly that many decimals; "inf", "-inf" and "nan" for non-finite values.
std::string FormatFixedDecimals(double value, int32_t decimals, bool thousandsSeparators);

}  // namespace runtime
