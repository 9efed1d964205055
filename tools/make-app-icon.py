#!/usr/bin/env python3
"""Draws the application icon (a memory chip with a load bar) into src/app/win/Orvane.ico."""
import struct
import sys


def pixel(size, x, y):
    """RGBA of one pixel of the picture at the given edge length."""
    m = size // 8  # margin
    if x < m or x >= size - m or y < m or y >= size - m:
        # chip pins on the left and right
        if (x < m or x >= size - m) and m <= y < size - m and (y // max(1, size // 8)) % 2 == 1:
            return (160, 160, 160, 255)
        return (0, 0, 0, 0)
    inner = size - 2 * m
    ix, iy = x - m, y - m
    border = max(1, size // 16)
    if ix < border or iy < border or ix >= inner - border or iy >= inner - border:
        return (40, 40, 48, 255)
    bar_top = inner * 5 // 8
    if iy >= bar_top and iy < inner - 2 * border and 2 * border <= ix < inner - 2 * border:
        filled = 2 * border + (inner - 4 * border) * 2 // 3
        return (60, 200, 90, 255) if ix < filled else (90, 90, 100, 255)
    return (24, 28, 36, 255)


def dib(size):
    rows = []
    for y in reversed(range(size)):
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a)
                             for (r, g, b, a) in (pixel(size, x, y) for x in range(size))))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    return header + xor + and_mask


def main(out):
    sizes = [16, 20, 24, 32, 48]
    images = [dib(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/app/win/Orvane.ico")
