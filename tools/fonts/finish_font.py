"""Gives a generated font the tables Windows needs to find and use it.

fontforge writes the outlines; this sets what the program relies on: glyph
index = byte, a cmap reaching each byte's glyph through both code pages,
the Latin-1 and Hebrew code-page bits (Windows picks a font for an ANSI_CHARSET
request only when the Latin-1 bit is set), line metrics that hold the lowest
point and the highest dot, and the names.
"""

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

from code_pages import cmap_for_bytes, glyph_name

LATIN1_BIT, HEBREW_BIT = 0, 5
BASIC_LATIN_RANGE, LATIN1_RANGE, HEBREW_RANGE = 0, 1, 11


def _cmap_subtable(platform, encoding, mapping):
    subtable = CmapSubtable.newSubtable(4)
    subtable.platformID = platform
    subtable.platEncID = encoding
    subtable.language = 0
    subtable.cmap = dict(mapping)
    return subtable


def _names(font, family, licence):
    name = font['name']
    name.names = []
    version = 'Version 2.0'
    for platform, encoding, language in ((3, 1, 0x409), (1, 0, 0)):
        for name_id, text in ((0, licence), (1, family), (2, 'Regular'),
                              (3, '%s %s' % (family, version)), (4, family),
                              (5, version), (6, family.replace(' ', ''))):
            name.setName(text, name_id, platform, encoding, language)


def _drop_extra_glyphs(font, order):
    """Removes the glyphs fontforge adds of its own (.null and the like)."""
    glyf, hmtx = font['glyf'], font['hmtx']
    for name in font.getGlyphOrder():
        if name not in order:
            del glyf.glyphs[name]
            del hmtx.metrics[name]
    missing = set(order) - set(glyf.glyphs)
    if missing:
        raise SystemExit('glyphs missing: %s' % sorted(missing))
    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    font['maxp'].numGlyphs = len(order)


def finish_font(path, family, source):
    font = TTFont(path)
    order = ['.notdef'] + [glyph_name(byte) for byte in range(1, 256)]
    _drop_extra_glyphs(font, order)

    mapping, _ = cmap_for_bytes()
    cmap = font['cmap']
    cmap.tableVersion = 0
    cmap.tables = [_cmap_subtable(0, 3, mapping), _cmap_subtable(3, 1, mapping)]

    glyf = font['glyf']
    y_min = min(getattr(glyf[g], 'yMin', 0) for g in order)
    y_max = max(getattr(glyf[g], 'yMax', 0) for g in order)
    ascent = max(y_max, source.os2_winascent)
    descent = max(-y_min, source.os2_windescent)

    os2 = font['OS/2']
    os2.fsType = 0
    os2.ulCodePageRange1 = (1 << LATIN1_BIT) | (1 << HEBREW_BIT)
    os2.ulCodePageRange2 = 0
    os2.ulUnicodeRange1 = (1 << BASIC_LATIN_RANGE) | (1 << LATIN1_RANGE) | (1 << HEBREW_RANGE)
    os2.ulUnicodeRange2 = os2.ulUnicodeRange3 = os2.ulUnicodeRange4 = 0
    os2.usFirstCharIndex = min(mapping)
    os2.usLastCharIndex = max(mapping)
    os2.usWinAscent, os2.usWinDescent = ascent, descent
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0
    hhea = font['hhea']
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0

    _names(font, family, source.copyright)
    font.save(path)
