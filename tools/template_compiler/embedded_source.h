#pragma once
// Writes template bytes as a C++ source that defines embedded::EmbeddedTemplate().

#include <cstdint>
#include <span>
#include <string>

namespace template_compiler {

std::string EmbeddedSource(std::span<const uint8_t> bytes);

}  // namespace template_compiler
