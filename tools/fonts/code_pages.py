"""The Unicode images of each byte under the two ANSI code pages the fonts serve.

The program draws its Hebrew code one byte at a time through the ANSI text
calls, which turn each byte into a Unicode character before the font's cmap is
consulted: through the code page of the font's character set (1252 for the
ANSI_CHARSET fonts the program asks for, whatever the system's locale), or
through the system's ANSI code page for a font asked for with DEFAULT_CHARSET,
which is 1255 on a Hebrew Windows. Each byte's glyph is therefore reached
through both its code-page-1252 and its code-page-1255 image.
"""

# Bytes Python's codecs leave undefined, as Windows' own tables map them.
_WINDOWS_FILLERS = {
    1252: {0x81: 0x81, 0x8D: 0x8D, 0x8F: 0x8F, 0x90: 0x90, 0x9D: 0x9D},
    1255: {0x81: 0x81, 0x8A: 0x8A, 0x8C: 0x8C, 0x8D: 0x8D, 0x8E: 0x8E,
           0x8F: 0x8F, 0x90: 0x90, 0x9A: 0x9A, 0x9C: 0x9C, 0x9D: 0x9D,
           0x9E: 0x9E, 0x9F: 0x9F, 0xCA: 0x05BA,
           0xD9: 0xF88D, 0xDA: 0xF88E, 0xDB: 0xF88F, 0xDC: 0xF890,
           0xDD: 0xF891, 0xDE: 0xF892, 0xDF: 0xF893,
           0xFB: 0xF894, 0xFC: 0xF895, 0xFF: 0xF896},
}

CODE_PAGES = (1252, 1255)


def image(code_page, byte):
    """The Unicode code point Windows gives the byte under the code page."""
    try:
        return ord(bytes([byte]).decode('cp%d' % code_page))
    except UnicodeDecodeError:
        return _WINDOWS_FILLERS[code_page][byte]


def glyph_name(byte):
    return 'code%03d' % byte


def cmap_for_bytes():
    """Unicode -> glyph name for bytes 1-255 under both code pages.

    Code page 1252 comes first: where a character is the 1252 image of one
    byte and the 1255 image of another (U+00D7 and U+00F7), the 1252 byte
    keeps it. Returns the mapping and the list of such (code page, byte)
    images that had to give way.
    """
    mapping = {}
    lost = []
    for code_page in CODE_PAGES:
        for byte in range(1, 256):
            point = image(code_page, byte)
            owner = mapping.setdefault(point, glyph_name(byte))
            if owner != glyph_name(byte):
                lost.append((code_page, byte))
    return mapping, lost
