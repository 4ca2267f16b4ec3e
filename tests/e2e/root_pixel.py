#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Prints the colour "R G B" of pixel X Y of an XWD dump (ZPixmap, TrueColor) read from standard input.
import struct
import sys


def shift(mask):
    s = 0
    while mask and not mask & 1:
        mask >>= 1
        s += 1
    return s, mask


def main():
    x, y = int(sys.argv[1]), int(sys.argv[2])
    data = sys.stdin.buffer.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, fmt, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    ncolors = fields[19]
    if fmt != 2 or bits_per_pixel not in (16, 24, 32):
        sys.exit("unsupported xwd dump")
    start = header_size + ncolors * 12 + y * bytes_per_line + x * bits_per_pixel // 8
    raw = data[start:start + bits_per_pixel // 8]
    pixel = int.from_bytes(raw, "big" if byte_order == 1 else "little")
    out = []
    for mask in (red_mask, green_mask, blue_mask):
        s, m = shift(mask)
        out.append(((pixel >> s) & m) * 255 // m)
    print(*out)


main()
