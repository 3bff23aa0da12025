"""What the program's Hebrew fonts show at each byte of its character code.

Each entry is a recipe: a tuple whose first item names how the glyph is made
(see build_fonts.py) and whose other items are Unicode characters of the
source face. Bytes without an entry are not characters of the code and get an
empty glyph.
"""

ALEF, GIMEL, LAMED, ZAYIN, TSADI, FINAL_TSADI = 0x5D0, 0x5D2, 0x5DC, 0x5D6, 0x5E6, 0x5E5
VAV, YOD, FINAL_KAF, SHIN = 0x5D5, 0x5D9, 0x5DA, 0x5E9

SHVA, HATAF_SEGOL, HATAF_PATAH, HATAF_QAMATS = 0x5B0, 0x5B1, 0x5B2, 0x5B3
HIRIQ, TSERE, SEGOL, PATAH, QAMATS, HOLAM, QUBUTS = (
    0x5B4, 0x5B5, 0x5B6, 0x5B7, 0x5B8, 0x5B9, 0x5BB)
DAGESH, METEG, MAQAF, SHIN_DOT, SIN_DOT, GERESH = (
    0x5BC, 0x5BD, 0x5BE, 0x5C1, 0x5C2, 0x5F3)

# Each letter's code with dagesh, where the letter has one.
_DAGESH_CODES = {
    161: 0x5D1, 162: 0x5D2, 163: 0x5D3, 164: 0x5D4, 165: 0x5D5, 166: 0x5D6,
    168: 0x5D8, 169: 0x5D9, 170: 0x5DA, 171: 0x5DB, 172: 0x5DC, 174: 0x5DE,
    176: 0x5E0, 177: 0x5E1, 180: 0x5E4, 182: 0x5E6, 184: 0x5E7, 185: 0x5E9,
    186: 0x5EA,
}


def letter(u):
    return ('letter', u)


def with_dagesh(u):
    return ('dagesh', u)


def with_geresh(inner):
    return ('geresh', inner)


def with_holam(inner):
    return ('holam', inner)


def mark(u):
    return ('mark', u)


def stressed(u):
    return ('stressed', u)


def _table():
    table = {}
    for byte in range(32, 127):
        table[byte] = letter(byte)
    for byte in range(224, 251):
        table[byte] = letter(0x5D0 + byte - 224)
    for byte, u in _DAGESH_CODES.items():
        table[byte] = with_dagesh(u)

    # The yod variants look like yod.
    table.update({132: letter(YOD), 146: letter(YOD),
                  133: with_dagesh(YOD), 147: with_dagesh(YOD)})
    table.update({
        209: ('shin', SHIN_DOT, False), 208: ('shin', SHIN_DOT, True),
        210: ('shin', SIN_DOT, False), 211: ('shin', SIN_DOT, True),
    })
    table.update({
        220: with_geresh(letter(GIMEL)), 218: with_geresh(with_dagesh(GIMEL)),
        221: with_geresh(letter(ZAYIN)), 223: with_geresh(letter(TSADI)),
        222: with_geresh(letter(FINAL_TSADI)),
    })
    # Letters whose holam cannot sit at their upper left get it built in.
    table.update({
        253: with_holam(letter(LAMED)), 189: with_holam(with_dagesh(LAMED)),
        254: with_holam(with_geresh(letter(GIMEL))),
        190: with_holam(with_geresh(with_dagesh(GIMEL))),
        191: with_holam(with_geresh(letter(ZAYIN))),
        207: with_holam(with_geresh(letter(TSADI))),
    })
    table.update({
        251: ('final_kaf', False, SHVA), 252: ('final_kaf', False, QAMATS),
        187: ('final_kaf', True, SHVA), 188: ('final_kaf', True, QAMATS),
    })

    # Vowel points: spacing glyphs, with the variant codes shown as their point.
    points = {SHVA: (192, 156, 157), HATAF_SEGOL: (193,), HATAF_PATAH: (194,),
              HATAF_QAMATS: (195,), HIRIQ: (196, 141), TSERE: (197, 143),
              SEGOL: (198, 138), PATAH: (199, 134, 152, 154),
              QAMATS: (200, 128, 136, 148, 150, 159), QUBUTS: (203,),
              DAGESH: (204,), METEG: (205,)}
    stressed_points = {HIRIQ: (212, 142), TSERE: (213, 144), SEGOL: (214, 140),
                       PATAH: (215, 135, 153, 155),
                       QAMATS: (216, 129, 149, 151), QUBUTS: (219,)}
    for u, codes in points.items():
        for byte in codes:
            table[byte] = mark(u)
    for u, codes in stressed_points.items():
        for byte in codes:
            table[byte] = stressed(u)
    for byte in (201, 131, 145):
        table[byte] = ('holam_point',)
    for byte in (206, 130):
        table[byte] = ('vav', HOLAM)
    for byte in (202, 137):
        table[byte] = ('vav', DAGESH)
    table[158] = letter(MAQAF)
    return table


GLYPHS = _table()
