#!/usr/bin/python3
"""Draws the system-colour loader's test bitmaps: make_test_bitmaps.py OUTPUT_DIR

Each is 12 x 4 pixels in six 2-pixel columns: black, dark grey, light grey,
white, light grey again and red, in several layouts of the same picture.
Besides them the toolbar tests' images: 16 x 15 squares of one colour each
on the light grey that becomes the button face."""
import os
import struct
import sys

WIDTH, HEIGHT = 12, 4
COLUMNS = [(0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255), (192, 192, 192),
           (255, 0, 0)]
# Palette order: light grey twice (entries 2 and 4), so both must be mapped.
PALETTE = [(0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255), (192, 192, 192),
           (255, 0, 0)]
PALETTE_INDEX = [0, 1, 2, 3, 4, 5]  # column -> entry


def file_of(info, palette, pixels):
    offset = 14 + len(info) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + palette + pixels


def rows(bits):
    out = b""
    for y in reversed(range(HEIGHT)):
        row = bytearray()
        if bits == 24:
            for x in range(WIDTH):
                r, g, b = COLUMNS[x // 2]
                row += bytes((b, g, r))
        elif bits == 8:
            row += bytes(PALETTE_INDEX[x // 2] for x in range(WIDTH))
        elif bits == 4:
            for x in range(0, WIDTH, 2):
                row.append(PALETTE_INDEX[x // 2] << 4 | PALETTE_INDEX[x // 2])
        out += bytes(row.ljust((len(row) + 3) & ~3, b"\0"))
    return out


def palette_bytes(count):
    entries = PALETTE + [(0, 0, 0)] * (count - len(PALETTE))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in entries[:count])


def info40(bits, colours_used, image):
    return struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, bits, 0, len(image), 2835, 2835,
                       colours_used, 0)


def info_v5(bits, image):
    # BITMAPV5HEADER: the 40 bytes, masks, colour space, endpoints, gamma, intent, profile.
    head = struct.pack("<IiiHHIIiiII", 124, WIDTH, HEIGHT, 1, bits, 0, len(image), 2835, 2835, 0, 0)
    rest = struct.pack("<IIII", 0, 0, 0, 0) + struct.pack("<I", 0x73524742) + bytes(36) \
        + struct.pack("<III", 0, 0, 0) + struct.pack("<IIII", 4, 0, 0, 0)
    return head + rest


# The toolbar tests' images, in button order.
TOOLBAR_COLOURS = [(220, 30, 30), (30, 170, 30), (30, 30, 220), (230, 200, 20), (128, 128, 128),
                   (200, 40, 200)]
IMAGE_W, IMAGE_H = 16, 15


def toolbar_bitmap():
    width = IMAGE_W * len(TOOLBAR_COLOURS)
    out = b""
    for y in reversed(range(IMAGE_H)):
        row = bytearray()
        for x in range(width):
            inside = 2 <= x % IMAGE_W < IMAGE_W - 2 and 2 <= y < IMAGE_H - 2
            r, g, b = TOOLBAR_COLOURS[x // IMAGE_W] if inside else (192, 192, 192)
            row += bytes((b, g, r))
        out += bytes(row.ljust((len(row) + 3) & ~3, b"\0"))
    info = struct.pack("<IiiHHIIiiII", 40, width, IMAGE_H, 1, 24, 0, len(out), 2835, 2835, 0, 0)
    return file_of(info, b"", out)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    p24, p8, p4 = rows(24), rows(8), rows(4)
    files = {
        "syscolor24.bmp": file_of(info40(24, 0, p24), b"", p24),
        "syscolor8.bmp": file_of(info40(8, 0, p8), palette_bytes(256), p8),
        "syscolor8short.bmp": file_of(info40(8, len(PALETTE), p8), palette_bytes(len(PALETTE)), p8),
        "syscolor4v5.bmp": file_of(info_v5(4, p4), palette_bytes(16), p4),
        "kwtest_toolbar.bmp": toolbar_bitmap(),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


main()
