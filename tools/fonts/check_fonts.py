#!/usr/bin/python3
"""Checks the built Hebrew fonts against what the program relies on.

Usage: check_fonts.py FONT_DIR   (exit status 1 and a list of faults when wrong)
"""

import os
import sys

from fontTools.ttLib import TTFont

import glyph_table as gt
from build_fonts import FACES
from code_pages import CODE_PAGES, cmap_for_bytes, glyph_name, image

LATIN1_AND_HEBREW = 0b100001


def _centred(font, name):
    glyph = font['glyf'][name]
    advance, lsb = font['hmtx'][name]
    rsb = advance - (glyph.xMax - glyph.xMin) - lsb
    return abs(lsb - rsb) <= 1


def check(path, family):
    faults = []
    font = TTFont(path)
    if font['name'].getDebugName(1) != family:
        faults.append('family name %r' % font['name'].getDebugName(1))
    if font['OS/2'].ulCodePageRange1 & LATIN1_AND_HEBREW != LATIN1_AND_HEBREW:
        faults.append('code-page bits %#x' % font['OS/2'].ulCodePageRange1)
    order = font.getGlyphOrder()
    _, lost = cmap_for_bytes()
    for subtable in font['cmap'].tables:
        for code_page in CODE_PAGES:
            for byte in range(1, 256):
                if (code_page, byte) in lost:
                    continue
                name = subtable.cmap.get(image(code_page, byte))
                if name != glyph_name(byte):
                    faults.append('cmap %d/%d: byte %d under %d reaches %s' % (
                        subtable.platformID, subtable.platEncID, byte, code_page, name))
    glyf = font['glyf']
    for byte in range(1, 256):
        name = glyph_name(byte)
        if order.index(name) != byte:
            faults.append('%s at glyph index %d' % (name, order.index(name)))
        has_ink = glyf[name].numberOfContours != 0
        recipe = gt.GLYPHS.get(byte)
        if has_ink != (recipe is not None and byte != 32):
            faults.append('%s %s' % (name, 'has ink' if has_ink else 'is empty'))
        if recipe and recipe[0] in ('mark', 'stressed') and not _centred(font, name):
            faults.append('%s: point not centred in its advance' % name)
    return faults


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    failed = False
    for family, _, _ in FACES:
        path = os.path.join(sys.argv[1], family.replace(' ', '') + '.ttf')
        for fault in check(path, family):
            print('%s: %s' % (os.path.basename(path), fault))
            failed = True
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
