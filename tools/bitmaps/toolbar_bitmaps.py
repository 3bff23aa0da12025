#!/usr/bin/env python3
"""Draws the main frame's toolbar, tab and input-mode bitmaps.

Each image is drawn with a few primitives on a small canvas and written as a
24-bit BMP into resources/bitmaps. Run it after changing a picture:
    tools/bitmaps/toolbar_bitmaps.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', '..', 'resources', 'bitmaps')

GREY = (192, 192, 192)  # the button face: the toolbar recolours it
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
DARK = (128, 128, 128)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
RED = (192, 0, 0)
YELLOW = (255, 255, 0)
OCHRE = (128, 128, 0)
BROWN = (128, 64, 0)

# A 5 x 7 font of the letters the pictures use.
FONT = {
    'A': ['.###.', '#...#', '#...#', '#####', '#...#', '#...#', '#...#'],
    'B': ['####.', '#...#', '#...#', '####.', '#...#', '#...#', '####.'],
    'C': ['.###.', '#...#', '#....', '#....', '#....', '#...#', '.###.'],
    'E': ['#####', '#....', '#....', '####.', '#....', '#....', '#####'],
    'F': ['#####', '#....', '#....', '####.', '#....', '#....', '#....'],
    'I': ['.###.', '..#..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    'M': ['#...#', '##.##', '#.#.#', '#.#.#', '#...#', '#...#', '#...#'],
    'N': ['#...#', '##..#', '#.#.#', '#..##', '#...#', '#...#', '#...#'],
    'P': ['####.', '#...#', '#...#', '####.', '#....', '#....', '#....'],
    'R': ['####.', '#...#', '#...#', '####.', '#.#..', '#..#.', '#...#'],
    'S': ['.####', '#....', '#....', '.###.', '....#', '....#', '####.'],
    'T': ['#####', '..#..', '..#..', '..#..', '..#..', '..#..', '..#..'],
    'U': ['#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'V': ['#...#', '#...#', '#...#', '#...#', '#...#', '.#.#.', '..#..'],
    'X': ['#...#', '#...#', '.#.#.', '..#..', '.#.#.', '#...#', '#...#'],
    '?': ['.###.', '#...#', '....#', '...#.', '..#..', '.....', '..#..'],
    'i': ['..#..', '.....', '.##..', '..#..', '..#..', '..#..', '.###.'],
    '1': ['..#..', '.##..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    '2': ['.###.', '#...#', '....#', '...#.', '..#..', '.#...', '#####'],
    # The Hebrew letter alef.
    'alef': ['##...#', '.#...#', '.##.#.', '..##..', '.#.##.', '.#..##', '##...#'],
}


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def box(self, x0, y0, x1, y1, inside, edge=BLACK):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def text(self, x, y, letters, colour, bold=False, slant=False):
        for letter in letters:
            rows = FONT[letter]
            for row, bits in enumerate(rows):
                shift = (len(rows) - 1 - row) // 3 if slant else 0
                for col, bit in enumerate(bits):
                    if bit == '#':
                        self.put(x + col + shift, y + row, colour)
                        if bold:
                            self.put(x + col + shift + 1, y + row, colour)
            x += 6 + (1 if bold else 0)

    def paste(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                self.put(x0 + x, y0 + y, other.pixels[y][x])


def page(c, x0, y0, x1, y1):
    """A sheet of paper with a folded corner."""
    c.box(x0, y0, x1, y1, WHITE)
    c.line(x1 - 3, y0, x1, y0 + 3, BLACK)
    c.fill(x1 - 2, y0, x1, y0 + 1, GREY)
    c.put(x1, y0 + 2, GREY)


def lines(c, x0, x1, y0, count, colour=DARK, step=2):
    for i in range(count):
        c.line(x0, y0 + i * step, x1, y0 + i * step, colour)


def magnifier(c, x, y):
    c.frame(x, y, x + 5, y + 5, BLACK)
    c.fill(x + 1, y + 1, x + 4, y + 4, WHITE)
    c.line(x + 5, y + 5, x + 8, y + 8, BLACK)
    c.line(x + 6, y + 5, x + 9, y + 8, BLACK)


def arrow(c, x, y, right):
    """A curved arrow turning back (undo) or on (redo)."""
    d = 1 if right else -1
    cx = x + (2 if right else 11)
    for i in range(8):
        c.put(cx + d * i, y + 6 - (i * (7 - i)) // 5, NAVY)
        c.put(cx + d * i, y + 7 - (i * (7 - i)) // 5, NAVY)
    tip = cx + d * 8
    c.fill(min(tip, tip - d * 3), y + 6, max(tip, tip - d * 3), y + 7, NAVY)
    c.line(tip, y + 3, tip, y + 7, NAVY)


# ---- File toolbar, 16 x 15: New, Open, Save, Cut, Copy, Paste, Print, About, Help.

def new(c):
    page(c, 3, 1, 12, 14)


def open_(c):
    c.box(1, 5, 12, 13, YELLOW, OCHRE)
    c.fill(2, 4, 6, 4, OCHRE)
    c.line(4, 13, 7, 8, OCHRE)
    c.line(7, 8, 15, 8, OCHRE)
    c.line(9, 1, 12, 1, BLACK)
    c.line(12, 1, 14, 3, BLACK)
    c.line(13, 3, 15, 3, BLACK)


def save(c):
    c.box(1, 1, 14, 14, NAVY)
    c.fill(4, 2, 11, 7, WHITE)
    c.fill(4, 10, 11, 13, DARK)
    c.fill(9, 11, 10, 12, NAVY)


def cut(c):
    c.line(4, 1, 9, 9, NAVY)
    c.line(11, 1, 6, 9, NAVY)
    c.frame(2, 9, 6, 13, NAVY)
    c.frame(9, 9, 13, 13, NAVY)


def copy(c):
    page(c, 1, 1, 9, 10)
    lines(c, 3, 6, 4, 3)
    page(c, 6, 4, 14, 14)
    lines(c, 8, 12, 8, 3)


def paste(c):
    c.box(1, 2, 11, 14, BROWN)
    c.box(4, 1, 8, 3, DARK)
    page(c, 7, 6, 15, 14)
    lines(c, 9, 13, 9, 3)


def print_(c):
    c.box(4, 1, 11, 6, WHITE)
    c.box(1, 6, 14, 12, GREY)
    c.fill(2, 7, 13, 8, DARK)
    c.put(12, 10, YELLOW)
    c.box(4, 11, 11, 14, WHITE)


def about(c):
    c.box(1, 1, 14, 13, WHITE, NAVY)
    c.text(5, 4, 'i', NAVY)


def help_(c):
    c.line(1, 1, 1, 11, BLACK)
    c.line(1, 1, 8, 8, BLACK)
    c.line(1, 11, 4, 8, BLACK)
    c.line(4, 8, 8, 8, BLACK)
    c.fill(2, 3, 3, 8, WHITE)
    c.text(9, 6, '?', NAVY)


FILE_TOOLBAR = [new, open_, save, cut, copy, paste, print_, about, help_]


# ---- Editor toolbar, 16 x 15.

ALEF = ['alef']  # the letter as a one-letter text


def letters(*args, **kw):
    return lambda c: c.text(*args, **kw)


def align(where):
    def draw(c):
        for i, width in enumerate([12, 8, 12, 6, 10]):
            x0 = {'left': 2, 'centre': 8 - width // 2, 'right': 14 - width}[where]
            c.line(x0, 3 + 2 * i, x0 + width - 1, 3 + 2 * i, BLACK)
    return draw


def speaker(c):
    c.box(2, 5, 5, 9, DARK)
    c.line(6, 5, 9, 2, BLACK)
    c.line(6, 9, 9, 12, BLACK)
    c.line(9, 2, 9, 12, BLACK)
    c.line(11, 4, 13, 2, NAVY)
    c.line(11, 7, 14, 7, NAVY)
    c.line(11, 10, 13, 12, NAVY)


def search_hebrew(c):
    c.text(1, 1, ALEF, NAVY)
    magnifier(c, 5, 5)


def colour(c):
    c.text(5, 1, 'A', BLACK)
    c.fill(2, 10, 13, 13, RED)


def size(c):
    c.text(1, 4, '12', BLACK)


def typeface(c):
    c.text(2, 4, 'T', NAVY, bold=True)
    c.text(9, 6, 'T', DARK)


def input_mode_hebrew(c):
    c.text(5, 4, ALEF, NAVY, bold=True)


EDITOR_TOOLBAR = [
    input_mode_hebrew, typeface, size,
    letters(5, 4, 'B', BLACK, bold=True),
    letters(5, 4, 'I', BLACK, slant=True),
    lambda c: (c.text(5, 2, 'U', BLACK), c.line(4, 12, 11, 12, BLACK)),
    colour,
    align('left'), align('centre'), align('right'),
    speaker, search_hebrew,
    lambda c: arrow(c, 1, 2, True),   # redo
    lambda c: arrow(c, 1, 2, False),  # undo
]


def input_mode_english(c):
    c.text(5, 4, 'A', NAVY, bold=True)


# ---- Grammar Table toolbar, 28 x 15.

def full_view(c):
    c.box(5, 2, 22, 12, WHITE)
    c.fill(6, 3, 21, 4, NAVY)
    c.line(8, 8, 19, 8, BLACK)
    c.line(8, 8, 10, 6, BLACK)
    c.line(8, 8, 10, 10, BLACK)
    c.line(19, 8, 17, 6, BLACK)
    c.line(19, 8, 17, 10, BLACK)


def nikud(c):
    c.text(11, 1, ALEF, NAVY, bold=True)
    c.fill(11, 11, 17, 11, RED)
    c.fill(14, 12, 14, 13, RED)


def cycle_spellings(c):
    c.text(3, 4, ALEF, NAVY)
    c.text(19, 4, ALEF, NAVY)
    c.line(10, 5, 17, 5, BLACK)
    c.line(17, 5, 15, 3, BLACK)
    c.line(10, 9, 17, 9, BLACK)
    c.line(10, 9, 12, 11, BLACK)


def copy_form(c):
    copy_small = Canvas(16, 15, GREY)
    copy(copy_small)
    c.paste(copy_small, 6, 0)


def print_preview(c):
    page(c, 4, 1, 14, 14)
    lines(c, 6, 11, 4, 5)
    magnifier(c, 14, 4)


GRAMMAR_TOOLBAR = [full_view, nikud, cycle_spellings, copy_form, print_preview]


# ---- Lookup/Search toolbar, 28 x 24: the edit's place, then the three modes.

def hebrew_list(c):
    c.box(3, 2, 24, 21, WHITE)
    for i in range(5):
        c.line(12, 5 + 3 * i, 22, 5 + 3 * i, DARK)
    c.text(5, 6, ALEF, NAVY, bold=True)


def hebrew_search(c):
    c.text(4, 3, ALEF, NAVY, bold=True)
    c.frame(10, 7, 19, 16, BLACK)
    c.fill(11, 8, 18, 15, WHITE)
    c.line(19, 16, 24, 21, BLACK)
    c.line(20, 16, 25, 21, BLACK)


def english_keywords(c):
    c.text(5, 8, 'ABC', NAVY)


LOOKUP_TOOLBAR = [lambda c: None, hebrew_list, hebrew_search, english_keywords]


# ---- Grammar Tables tabs, 35 x 15 each.

TABS = ['VERB', 'SUFX', 'PREP', 'NUM']


def strip(width, height, drawings, background):
    canvas = Canvas(width * len(drawings), height, background)
    for i, draw in enumerate(drawings):
        tile = Canvas(width, height, background)
        draw(tile)
        canvas.paste(tile, i * width, 0)
    return canvas


def tab(label):
    return lambda c: c.text((35 - 6 * len(label) + 1) // 2, 4, label, NAVY)


def write_bmp(canvas, name):
    row_bytes = (canvas.width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(canvas.pixels):
        data = bytearray()
        for r, g, b in row:
            data += bytes((b, g, r))
        image += data + bytes(row_bytes - len(data))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(image), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(image),
                       2835, 2835, 0, 0)
    with open(os.path.join(OUT, name), 'wb') as out:
        out.write(header + info + image)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_bmp(strip(16, 15, FILE_TOOLBAR, GREY), 'file_toolbar.bmp')
    write_bmp(strip(16, 15, EDITOR_TOOLBAR, GREY), 'editor_toolbar.bmp')
    write_bmp(strip(16, 15, [input_mode_english], WHITE), 'input_mode_english.bmp')
    write_bmp(strip(28, 15, GRAMMAR_TOOLBAR, GREY), 'grammar_toolbar.bmp')
    write_bmp(strip(28, 24, LOOKUP_TOOLBAR, GREY), 'lookup_toolbar.bmp')
    write_bmp(strip(35, 15, [tab(label) for label in TABS], WHITE), 'grammar_tabs.bmp')


if __name__ == '__main__':
    main()
