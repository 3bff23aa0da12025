#!/usr/bin/python3
"""Draws the toolkit's cursors and bitmaps: make_toolkit_art.py OUTPUT_DIR

Cursors are 32 x 32 monochrome with a mask; the pictures below use '#' for
black, 'o' for white and '.' for transparent. Bitmaps are 16-colour: the
caption-button and MDI-button glyphs on magenta (their transparent colour),
the size grip in the four system greys that the loader maps to 3-D colours."""
import os
import struct
import sys

SIZE = 32
MAGENTA = (255, 0, 255)
BLACK, DARK, LIGHT, WHITE = (0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255)

ARROW = """
#
##
#o#
#oo#
#ooo#
#oooo#
#ooooo#
#oooooo#
#ooooooo#
#oooo#####
#oo#oo#
#o# #oo#
##  #oo#
#    #oo#
     #oo#
      ##
"""

# Cursor pictures: (hot spot x, hot spot y, picture).
CURSORS = {
    "kw_drag_dock.cur": (0, 0, ARROW + """
        ##########
        #oooooooo#
        #o######o#
        #oooooooo#
        ##########
"""),
    "kw_drag_float.cur": (0, 0, ARROW + """
        #.#.#.#.#.
        .        #
        #        .
        .        #
        #.#.#.#.#.
"""),
    "kw_resize_we.cur": (10, 7, """
     ##       ##
    #o#  #   #o#
   #oo#  #   #oo#
  #ooo####o###ooo#
 #oooooooooooooooo#
  #ooo####o###ooo#
   #oo#  #   #oo#
    #o#  #   #o#
     ##       ##
"""),
    "kw_resize_ns.cur": (7, 10, """
       #
      #o#
     #ooo#
    #ooooo#
   #ooooooo#
   ####o####
      #o#
   ###ooo###
      #o#
   ####o####
   #ooooooo#
    #ooooo#
     #ooo#
      #o#
       #
"""),
    "kw_no_drop.cur": (7, 7, """
     #####
   ##ooooo##
  #oo#####oo#
 #oo#     #oo#
 #o#     #oo#o#
#oo#    #oo# #o#
#o#    #oo#  #o#
#o#   #oo#   #o#
#o#  #oo#    #o#
#o# #oo#    #oo#
 #o#oo#     #o#
 #oo#     #oo#
  #oo#####oo#
   ##ooooo##
     #####
"""),
    "kw_split_we.cur": (8, 7, """
      #o# #o#
      #o# #o#
   #  #o# #o#  #
  ##  #o# #o#  ##
 #o####o# #o####o#
#ooooooo# #ooooooo#
 #o####o# #o####o#
  ##  #o# #o#  ##
   #  #o# #o#  #
      #o# #o#
      #o# #o#
"""),
    "kw_split_ns.cur": (7, 8, """
       #
      #o#
     #ooo#
    #ooooo#
      #o#
###############
ooooooooooooooo
###############

###############
ooooooooooooooo
###############
      #o#
    #ooooo#
     #ooo#
      #o#
       #
"""),
}


def cursor(hot_x, hot_y, picture):
    rows = picture.strip("\n").split("\n")
    xor_rows, and_rows = [], []
    for y in range(SIZE):
        line = rows[y] if y < len(rows) else ""
        xor_bits = and_bits = 0
        for x in range(SIZE):
            c = line[x] if x < len(line) else "."
            transparent = c in ". "
            xor_bits = xor_bits << 1 | (c == "o")
            and_bits = and_bits << 1 | transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    # Rows bottom up; the XOR mask first, then the AND mask.
    image = b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(image), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    body = info + palette + image
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hot_x, hot_y, len(body), 6 + 16)
    return header + entry + body


def bitmap16(width, height, pixel):
    """A 16-colour BMP file; pixel(x, y) gives (r, g, b) from the top row down."""
    colours = []
    rows = []
    for y in reversed(range(height)):
        row = []
        for x in range(width):
            c = pixel(x, y)
            if c not in colours:
                colours.append(c)
            row.append(colours.index(c))
        packed = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            packed.append(high << 4 | low)
        rows.append(bytes(packed.ljust((len(packed) + 3) & ~3, b"\0")))
    assert len(colours) <= 16
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours).ljust(64, b"\0")
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def glyph_strip(glyphs, size=10):
    """Glyphs of size x size pixels side by side, each a list of rows where
    '#' is black, '-' dark grey and anything else the magenta ground."""
    def pixel(x, y):
        rows = glyphs[x // size]
        line = rows[y] if y < len(rows) else ""
        c = line[x % size] if x % size < len(line) else " "
        return {"#": BLACK, "-": DARK}.get(c, MAGENTA)
    return bitmap16(size * len(glyphs), size, pixel)


def triangle(direction, ink):
    """A triangle pointing in the direction, 4 pixels deep, inside 10 x 10."""
    cells = [[" "] * 10 for _ in range(10)]
    for step in range(4):
        for across in range(1 + step, 9 - step):
            along = 3 + step
            if direction == "left":
                x, y = 9 - along, across
            elif direction == "right":
                x, y = along, across
            elif direction == "up":
                x, y = across, 9 - along
            else:
                x, y = across, along
            cells[y][x] = ink
    return ["".join(r) for r in cells]


CROSS = [
    "          ",
    " ##    ## ",
    "  ##  ##  ",
    "   ####   ",
    "    ##    ",
    "   ####   ",
    "  ##  ##  ",
    " ##    ## ",
    "          ",
    "          ",
]
BLANK = [" " * 10] * 10

CAPTION_GLYPHS = [CROSS] + [triangle(d, ink) for d in ("left", "up", "right", "down")
                            for ink in ("-", "#")] + [BLANK] * 4

MDI_GLYPHS = [
    ["          ", "          ", "          ", "          ", "          ",
     "          ", "          ", " ######   ", " ######   ", "          "],
    ["   ###### ", "   ###### ", "   #    # ", " ###### # ", " ###### # ",
     " #    ### ", " #    #   ", " #    #   ", " ######   ", "          "],
    ["          ", " ##    ## ", "  ##  ##  ", "   ####   ", "    ##    ",
     "   ####   ", "  ##  ##  ", " ##    ## ", "          ", "          "],
    # The floating toolbar's options button: a bar over a down arrow.
    ["          ", "          ", "  ######  ", "          ", "  ######  ",
     "   ####   ", "    ##    ", "          ", "          ", "          "],
]


def size_grip():
    """Three diagonal ridges in the lower right, highlight over shadow, on the face."""
    n = 12
    def pixel(x, y):
        d = (n - 1 - x) + (n - 1 - y)  # distance from the corner along the diagonal
        if d >= 11 or x + y < n - 1:
            return LIGHT
        return (WHITE, DARK, DARK, LIGHT)[d % 4]
    return bitmap16(n, n, pixel)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    files = {name: cursor(*art) for name, art in CURSORS.items()}
    files["kw_caption_buttons.bmp"] = glyph_strip(CAPTION_GLYPHS)
    files["kw_mdi_buttons.bmp"] = glyph_strip(MDI_GLYPHS)
    files["kw_size_grip.bmp"] = size_grip()
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


main()
