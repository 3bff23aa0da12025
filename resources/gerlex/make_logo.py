#!/usr/bin/python3
"""Draws the control panel's logo, a speech waveform on a blue ground, as a
24-bit Windows bitmap: make_logo.py OUTPUT.bmp"""
import math
import struct
import sys

WIDTH, HEIGHT = 128, 64


def pixel(x, y):
    """The colour (r, g, b) at x, y; y counts from the top."""
    t = y / (HEIGHT - 1)
    ground = (int(16 + 24 * t), int(40 + 70 * t), int(96 + 100 * t))
    # Bars two pixels wide with a gap of one, their height following a spoken
    # phrase: a few syllables, each louder in the middle.
    if x < 8 or x >= WIDTH - 8 or x % 3 == 2:
        return ground
    phase = (x - 8) / (WIDTH - 16)
    envelope = abs(math.sin(phase * math.pi * 3.5)) * (0.35 + 0.65 * math.sin(phase * math.pi))
    wobble = 0.75 + 0.25 * math.sin(x * 1.7)
    half = max(1.0, envelope * wobble * (HEIGHT / 2 - 8))
    if abs(y - HEIGHT / 2 + 0.5) > half:
        return ground
    glow = 1 - abs(y - HEIGHT / 2 + 0.5) / (half + 1)
    return (int(150 + 105 * glow), int(210 + 45 * glow), 255)


def bitmap():
    row_size = (WIDTH * 3 + 3) & ~3
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom row first
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row.ljust(row_size, b"\0")))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


with open(sys.argv[1], "wb") as out:
    out.write(bitmap())
