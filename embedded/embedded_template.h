#pragma once
// The form template compiled into the program: the bytes that the build-time
// template compiler made from the window descriptions and the image files.
// The program reads the windows only from these bytes.

#include <cstdint>
#include <span>

namespace embedded {

std::span<const uint8_t> EmbeddedTemplate();

}  // namespace embedded
