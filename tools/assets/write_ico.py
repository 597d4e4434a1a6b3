#!/usr/bin/env python3
"""Writes a one-image, 32 x 32, 24-bit Windows icon file.

Input: 32 x 32 x 4 bytes of raw RGBA, top row first (as ImageMagick's
"rgba:-" output gives them). Pixels with alpha below one half become
transparent through the AND mask; every other pixel is blended over a light
window-frame grey, because a 24-bit image has no alpha of its own.

The file is the icon directory (6 bytes), one directory entry (16 bytes), a
BITMAPINFOHEADER (40 bytes), the colour rows (32 x 32 x 3 bytes) and the AND
mask rows (32 x 32 / 8 bytes), both bottom row first: 3,262 bytes in all.
"""

import struct
import sys

SIZE = 32
BACKDROP = (0xF0, 0xF0, 0xF0)
HEADER_BYTES = 40
COLOUR_BYTES = SIZE * SIZE * 3
MASK_ROW_BYTES = SIZE // 8
MASK_BYTES = SIZE * MASK_ROW_BYTES


def blend(channel, backdrop, alpha):
    return (channel * alpha + backdrop * (255 - alpha) + 127) // 255


def pixel_rows(rgba):
    """Yields (bgr bytes, mask bytes) for each row, bottom row first."""
    for y in reversed(range(SIZE)):
        colour = bytearray()
        mask = bytearray(MASK_ROW_BYTES)
        for x in range(SIZE):
            r, g, b, a = rgba[(y * SIZE + x) * 4:(y * SIZE + x) * 4 + 4]
            if a < 128:
                colour += bytes(3)
                mask[x // 8] |= 0x80 >> (x % 8)
            else:
                colour += bytes(blend(c, k, a) for c, k in zip((b, g, r), BACKDROP[::-1]))
        yield bytes(colour), bytes(mask)


def icon_file(rgba):
    rows = list(pixel_rows(rgba))
    image_bytes = HEADER_BYTES + COLOUR_BYTES + MASK_BYTES
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, image_bytes, 6 + 16)
    # The bitmap height covers the colour image and the mask, hence twice the size.
    header = struct.pack("<IiiHHIIiiII", HEADER_BYTES, SIZE, 2 * SIZE, 1, 24, 0,
                         COLOUR_BYTES + MASK_BYTES, 0, 0, 0, 0)
    colour = b"".join(row for row, _ in rows)
    mask = b"".join(row for _, row in rows)
    return directory + entry + header + colour + mask


def main():
    rgba = sys.stdin.buffer.read()
    if len(rgba) != SIZE * SIZE * 4:
        sys.exit(f"expected {SIZE * SIZE * 4} bytes of RGBA, got {len(rgba)}")
    with open(sys.argv[1], "wb") as out:
        out.write(icon_file(rgba))


if __name__ == "__main__":
    main()
