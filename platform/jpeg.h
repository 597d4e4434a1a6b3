#pragma once
// JPEG decoding for the pictures the form template stores, straight from
// the bytes in memory. A damaged or hostile picture yields nullopt: the
// decoder never ends the process and never reads outside the given bytes.

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

// Pictures larger than this on either side are refused rather than decoded;
// the forms show pictures of a few dozen pixels.
inline constexpr int kMaxPictureSide = 8192;

std::optional<QImage> DecodeJpeg(std::span<const uint8_t> bytes);

}  // namespace platform
