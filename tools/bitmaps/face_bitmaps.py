#!/usr/bin/env python3
"""Draws the speaking faces and their moving parts.

The faces are face_nerla.bmp, face_star.bmp, face_dreidel.bmp and
face_menorah.bmp; their moving parts are face_nerla_mouths.bmp (8 rows of
mouth opening by 7 columns of mouth width, each 40 x 30, row 0 the closed
mouth), face_star_pattern.bmp (the brush of the star's mouth) and
face_menorah_flames.bmp (9 flame frames, each 10 x 27). The dialog draws the
mouth into fixed places of each picture, so those places stay as they are
here: Nerla's mouth area at (49, 92), the star's mouth frame (51, 75)-(83, 94),
the dreidel's white mouth strips under (48, 106) and its body at (34, 100)
(the mouth's ink),
the menorah's flame bases along y = 40. Run it after changing a picture:
    tools/bitmaps/face_bitmaps.py
"""
import math

from toolbar_bitmaps import BLACK, NAVY, WHITE, Canvas, write_bmp

SKIN = (250, 214, 176)
HAIR = (110, 60, 20)
LIP = (200, 40, 70)
MOUTH = (90, 0, 20)
SKY = (200, 230, 255)
STAR_BLUE = (0, 0, 160)
STAR_FILL = (170, 200, 255)
DREIDEL = (0, 110, 60)
DREIDEL_INK = (0, 40, 20)
GOLD = (210, 170, 40)
NIGHT = (20, 20, 70)
CANDLE = (240, 240, 230)
FLAME_OUTER = (255, 150, 0)
FLAME_INNER = (255, 240, 120)


def ellipse(c, cx, cy, rx, ry, colour):
    """A filled ellipse."""
    for y in range(cy - ry, cy + ry + 1):
        for x in range(cx - rx, cx + rx + 1):
            if ((x - cx) / max(rx, 0.5)) ** 2 + ((y - cy) / max(ry, 0.5)) ** 2 <= 1.0:
                c.put(x, y, colour)


def polygon(c, points, colour):
    """A filled polygon (even-odd rule, pixel centres)."""
    ys = [y for _, y in points]
    for y in range(min(ys), max(ys) + 1):
        crossings = []
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 <= y < y1) or (y1 <= y < y0):
                crossings.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
        crossings.sort()
        for a, b in zip(crossings[::2], crossings[1::2]):
            c.fill(math.ceil(a), y, math.floor(b), y, colour)


def eyes(c, left, right, y):
    for x in (left, right):
        ellipse(c, x, y, 7, 5, WHITE)
        ellipse(c, x, y, 3, 3, NAVY)


def nerla():
    c = Canvas(140, 170, SKY)
    ellipse(c, 69, 35, 58, 34, HAIR)
    ellipse(c, 69, 88, 52, 72, SKIN)
    c.fill(28, 30, 110, 44, HAIR)
    eyes(c, 48, 90, 68)
    c.line(69, 72, 65, 86, MOUTH)
    c.line(65, 86, 71, 86, MOUTH)
    return c


def nerla_mouth(row, column):
    """Row 0 closed; rows 1 to 7 ever more open, columns ever wider."""
    c = Canvas(40, 30, SKIN)
    half_width = 6 + column * 2
    if row == 0:
        c.fill(20 - half_width, 14, 20 + half_width, 15, LIP)
        return c
    half_height = 1 + row * 2 - (row // 3)
    ellipse(c, 20, 15, half_width, half_height + 2, LIP)
    ellipse(c, 20, 15, max(half_width - 2, 1), half_height, MOUTH)
    return c


def nerla_mouths():
    c = Canvas(40 * 7, 30 * 8, SKIN)
    for row in range(8):
        for column in range(7):
            c.paste(nerla_mouth(row, column), column * 40, row * 30)
    return c


def star():
    c = Canvas(134, 140, WHITE)
    up = [(67, 8), (124, 104), (10, 104)]
    down = [(67, 132), (10, 36), (124, 36)]
    polygon(c, up, STAR_FILL)
    polygon(c, down, STAR_FILL)
    for shape in (up, down):
        for (x0, y0), (x1, y1) in zip(shape, shape[1:] + shape[:1]):
            c.line(x0, y0, x1, y1, STAR_BLUE)
    eyes(c, 52, 82, 58)
    c.fill(51, 75, 83, 94, WHITE)
    return c


def star_pattern():
    c = Canvas(8, 8, LIP)
    for y in range(8):
        for x in range(8):
            if (x + y) % 4 == 0:
                c.put(x, y, MOUTH)
    return c


def dreidel():
    c = Canvas(122, 170, SKY)
    c.fill(56, 2, 66, 24, DREIDEL_INK)
    polygon(c, [(8, 24), (114, 24), (114, 130), (61, 166), (8, 130)], DREIDEL)
    eyes(c, 40, 82, 70)
    c.text(55, 36, 'N', WHITE, bold=True)
    for x0, y0, x1, y1 in ((48, 106, 105, 108), (28, 108, 104, 110), (16, 110, 102, 155)):
        c.fill(x0, y0, x1 - 1, y1 - 1, WHITE)
    return c


def flame(c, x, lean, height):
    base_y = 26
    for y in range(base_y - height, base_y + 1):
        t = (y - (base_y - height)) / max(height, 1)
        half = 4 * math.sin(math.pi * min(t * 1.1, 1.0))
        centre = x + lean * (1 - t)
        c.fill(round(centre - half), y, round(centre + half), y, FLAME_OUTER)
        if t > 0.4:
            c.fill(round(centre - half / 2), y, round(centre + half / 2), y, FLAME_INNER)


def menorah_flames():
    c = Canvas(10 * 9, 27, NIGHT)
    shapes = [(0, 20), (-1, 22), (1, 21), (0, 25), (-2, 19), (2, 23), (-1, 24), (1, 18), (0, 22)]
    for frame, (lean, height) in enumerate(shapes):
        flame(c, frame * 10 + 5, lean, height)
    return c


def menorah():
    c = Canvas(180, 130, NIGHT)
    bases = [20, 38, 54, 72, 108, 124, 138, 152]
    for x in bases:
        c.fill(x - 2, 41, x + 2, 62, CANDLE)
        c.line(x, 64, x, 80, GOLD)
    c.fill(14, 78, 158, 81, GOLD)
    c.fill(86, 42, 96, 112, GOLD)
    c.fill(60, 112, 122, 117, GOLD)
    c.fill(84, 40, 98, 44, CANDLE)
    strip = menorah_flames()
    for index, x in enumerate(bases):
        frame = index % 9
        for y in range(27):
            for dx in range(10):
                c.put(x - 5 + dx, 13 + y, strip.pixels[y][frame * 10 + dx])
    return c


def main():
    write_bmp(nerla(), 'face_nerla.bmp')
    write_bmp(nerla_mouths(), 'face_nerla_mouths.bmp')
    write_bmp(star(), 'face_star.bmp')
    write_bmp(star_pattern(), 'face_star_pattern.bmp')
    write_bmp(dreidel(), 'face_dreidel.bmp')
    write_bmp(menorah(), 'face_menorah.bmp')
    write_bmp(menorah_flames(), 'face_menorah_flames.bmp')


if __name__ == '__main__':
    main()
