#pragma once
// The text a result box shows: the value through the runtime's
// NumberToFormattedText with the box's decimals and no digit grouping.

#include <string>

#include "runtime/convert.h"
#include "runtime/heap.h"
#include "runtime/services.h"

namespace engine::testing {

inline std::string Shown(double value, int32_t decimals) {
    const runtime::TaggedValue args[3] = {runtime::MakeDouble(value), runtime::MakeInt(decimals),
                                          runtime::MakeBool(false)};
    runtime::TaggedValue result = runtime::CallCommand(runtime::NumberToFormattedText, 3, args);
    char* text = runtime::BitsToPointer<char>(runtime::PayloadOf(result));
    std::string shown = text != nullptr ? text : "";
    runtime::FreeMemory(text);
    return shown;
}

}  // namespace engine::testing
