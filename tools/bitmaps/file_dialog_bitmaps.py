#!/usr/bin/env python3
"""Draws the four bitmap buttons of the Open and Save dialogs.

Each button has four states, written as <NAME>_u/d/f/x.bmp into
resources/bitmaps: up (raised), down (pressed: sunken, picture shifted),
focused (raised with a dotted frame) and disabled (the picture embossed in
grey). The button face is grey; the dialog recolours it from pixel (3, 3),
for the rename picture from pixel (20, 20), so those pixels stay face grey.
Run it after changing a picture:
    tools/bitmaps/file_dialog_bitmaps.py
"""
from toolbar_bitmaps import BLACK, DARK, GREY, NAVY, OCHRE, RED, WHITE, YELLOW, Canvas, write_bmp

SIZE = 24


def up_one_level(c, ink):
    # A folder with an arrow pointing up out of it.
    c.box(3, 10, 15, 19, ink.get(YELLOW), ink.get(OCHRE))
    c.fill(3, 8, 8, 9, ink.get(OCHRE))
    c.line(16, 17, 16, 7, ink.get(BLACK))
    c.line(17, 17, 17, 7, ink.get(BLACK))
    for i in range(4):
        c.line(16 - i, 7 + i, 17 + i, 7 + i, ink.get(BLACK))


def new_folder(c, ink):
    # A folder with a spark at its corner.
    c.box(3, 10, 16, 19, ink.get(YELLOW), ink.get(OCHRE))
    c.fill(3, 8, 8, 9, ink.get(OCHRE))
    c.line(15, 3, 19, 7, ink.get(RED))
    c.line(19, 3, 15, 7, ink.get(RED))
    c.line(17, 2, 17, 8, ink.get(RED))


def rename(c, ink):
    # A text line with a caret: the picture reaches the top-left corner, so
    # the face colour is taken at (20, 20).
    c.box(2, 2, 17, 12, ink.get(WHITE), ink.get(BLACK))
    c.text(4, 4, 'AB', ink.get(NAVY))
    c.line(15, 3, 15, 17, ink.get(BLACK))
    c.line(13, 17, 17, 17, ink.get(BLACK))


def delete(c, ink):
    # A red cross.
    for d in range(2):
        c.line(5 + d, 5, 17 + d, 18, ink.get(RED))
        c.line(17 + d, 5, 5 + d, 18, ink.get(RED))


class Ink:
    """The picture's own colours, or the grey of a disabled button."""

    def __init__(self, disabled=False):
        self.disabled = disabled

    def get(self, colour):
        if not self.disabled:
            return colour
        return GREY if colour in (WHITE, YELLOW) else DARK


class Shifted:
    """Draws on a canvas one pixel down and right (the pressed picture)."""

    def __init__(self, canvas):
        self.canvas = canvas

    def __getattr__(self, name):
        method = getattr(self.canvas, name)

        def shifted(*args, **kw):
            moved = list(args)
            for i in range(min(len(moved), 4)):
                if isinstance(moved[i], int):
                    moved[i] += 1
            return method(*moved, **kw)
        return shifted


def edges(c, pressed):
    light, shade = (DARK, WHITE) if pressed else (WHITE, DARK)
    last = SIZE - 1
    c.line(0, 0, last, 0, light)
    c.line(0, 0, 0, last, light)
    c.line(0, last, last, last, BLACK if not pressed else shade)
    c.line(last, 0, last, last, BLACK if not pressed else shade)
    c.line(1, last - 1, last - 1, last - 1, shade)
    c.line(last - 1, 1, last - 1, last - 1, shade)


def focus_frame(c):
    last = SIZE - 1
    for i in range(2, last - 1, 2):
        for x, y in ((i, 2), (i, last - 2), (2, i), (last - 2, i)):
            c.put(x, y, BLACK)


def states(name, draw):
    up = Canvas(SIZE, SIZE, GREY)
    draw(up, Ink())
    edges(up, False)
    down = Canvas(SIZE, SIZE, GREY)
    draw(Shifted(down), Ink())
    edges(down, True)
    focused = Canvas(SIZE, SIZE, GREY)
    draw(focused, Ink())
    edges(focused, False)
    focus_frame(focused)
    disabled = Canvas(SIZE, SIZE, GREY)
    draw(Shifted(disabled), Ink(disabled=True))
    draw(disabled, Ink(disabled=True))
    edges(disabled, False)
    for suffix, canvas in (('u', up), ('d', down), ('f', focused), ('x', disabled)):
        write_bmp(canvas, '%s_%s.bmp' % (name, suffix))


def main():
    states('up_one_level', up_one_level)
    states('new_folder', new_folder)
    states('rename', rename)
    states('delete', delete)


if __name__ == '__main__':
    main()
