#!/usr/bin/env python3
"""Draws the About box picture, which is also the start-up splash: the
program's name in pointed Hebrew letters over its Latin name, on a dark
field, with a light band below where the program writes its version line
(picture pixels 39,250-440,279) and the About box has its OK button.

Usage: make_about_picture.py OUTPUT.bmp
Needs ImageMagick's convert and the culmus Hebrew faces; the output is
committed, so the build needs neither."""
import subprocess
import sys

WIDTH, HEIGHT = 480, 330
BAND_TOP = 236
HEBREW_FACE = "/usr/share/fonts/truetype/culmus/FrankRuehlCLM-Bold.ttf"
HEBREW_SIZE = 118
HEBREW_TOP = 6
LATIN_FACE = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
SUBTITLE_FACE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
GOLD, SHADOW = "#f2c94c", "#1f1a0e"
LETTER_GAP = 6
SHURUK_ROOM = 12

# The name, right to left: each letter with the point it carries. ImageMagick
# has no text shaper to place points, so they are drawn as shapes.
NAME = [("\u05d6", None), ("\u05d5", "shuruk"), ("\u05dc", "sheva"), ("\u05d8", "qamats"),
        ("\u05d4", None)]


def advance(text):
    """Pixel width of the text as the face lays it out."""
    result = subprocess.run(["convert", "-font", HEBREW_FACE, "-pointsize", str(HEBREW_SIZE),
                             f"label:{text}", "-format", "%w", "info:"],
                            check=True, capture_output=True, text=True)
    return int(result.stdout)


def point_shapes(kind, left, right):
    """Draw primitives of a point under (or, for shuruk, beside) the letter
    between left and right."""
    centre = (left + right) // 2
    below = HEBREW_TOP + HEBREW_SIZE * 88 // 100
    radius = HEBREW_SIZE // 22
    dot = lambda x, y: f"circle {x},{y} {x + radius},{y}"
    if kind == "shuruk":
        return [dot(left - SHURUK_ROOM // 2, HEBREW_TOP + HEBREW_SIZE * 55 // 100)]
    if kind == "sheva":
        return [dot(centre, below + radius), dot(centre, below + 4 * radius)]
    # qamats: a bar with a stem below its middle
    half = HEBREW_SIZE // 9
    return [f"rectangle {centre - half},{below} {centre + half},{below + radius + 1}",
            f"rectangle {centre - radius // 2},{below} {centre + radius // 2},{below + 4 * radius}"]


def name_draws():
    """Each letter drawn on its own, right to left, a little apart so that
    the shuruk dot has room beside its vav."""
    widths = [advance(letter) for letter, _ in NAME]
    gaps = [LETTER_GAP + (SHURUK_ROOM if point == "shuruk" else 0) for _, point in NAME]
    total = sum(widths) + sum(gaps[:-1])
    right = (WIDTH + total) // 2
    places, shapes = [], []
    for (letter, point), width, gap in zip(NAME, widths, gaps):
        left = right - width
        places.append((letter, left))
        if point:
            shapes += point_shapes(point, left, right)
        right = left - gap
    draws = ["-font", HEBREW_FACE, "-pointsize", str(HEBREW_SIZE), "-gravity", "northwest"]
    for colour, shift in ((SHADOW, 3), (GOLD, 0)):
        draws += ["-fill", colour]
        for letter, left in places:
            draws += ["-annotate", f"+{left + shift}+{HEBREW_TOP + shift}", letter]
        draws += ["-draw", f"translate {shift},{shift} " + " ".join(shapes)]
    return draws


def main():
    output = sys.argv[1]
    subprocess.run([
        "convert", "-size", f"{WIDTH}x{BAND_TOP}", "gradient:#14284b-#2c5282",
        "-size", f"{WIDTH}x{HEIGHT - BAND_TOP}", "xc:#f6efd9", "-append",
        "-fill", "#c9a227", "-draw", f"rectangle 0,{BAND_TOP - 3} {WIDTH},{BAND_TOP - 1}",
        *name_draws(),
        "-gravity", "north",
        "-font", LATIN_FACE, "-pointsize", "38", "-fill", "#ffffff",
        "-annotate", "+0+150", "Zulta",
        "-font", SUBTITLE_FACE, "-pointsize", "15", "-fill", "#cfd8e8",
        "-annotate", "+0+200", "Hebrew editor and grammar reference",
        "-colors", "256", "-type", "Palette", f"BMP3:{output}",
    ], check=True)


if __name__ == "__main__":
    main()
