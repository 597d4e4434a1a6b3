#pragma once
// Reading the first picture of a Windows icon file when it is stored the way
// the program's own icon is: a plain (uncompressed) bitmap of 24 or 32 bits
// per pixel followed by its one-bit mask. The pixels are exactly those Qt's
// icon reader gives, but no picture-format plugin is loaded (Qt loads every
// one of them to read any icon). Every other icon, and any damaged one, is
// declined and left to Qt's reader.
//
// Like Qt's reader, this takes a 24-bit picture as opaque and a 32-bit one
// with the alpha it stores; neither looks at the mask, so the window icon
// looks as it always has.

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

// The first picture of `bytes`, or nullopt when it is not such a bitmap.
std::optional<QImage> ReadBitmapIcon(std::span<const uint8_t> bytes);

}  // namespace platform
