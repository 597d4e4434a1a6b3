#pragma once
// The property check every fuzz target uses: a violated property names
// itself on stderr and then traps, so that libFuzzer records the input as a
// crash just as it would a sanitizer report.

#include <cstdio>

namespace fuzz {

inline void Check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    __builtin_trap();
}

}  // namespace fuzz
