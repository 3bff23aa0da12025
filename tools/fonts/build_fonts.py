#!/usr/bin/python3
"""Builds the program's six Hebrew fonts from Debian's free culmus faces.

The program draws its 8-bit Hebrew code glyph by glyph with the ANSI text
calls, so each font holds one glyph per byte (glyph index = byte), reached
through the byte's code-page-1252 and code-page-1255 images. Letters with
dagesh, shin and sin dots, final kaf with its vowel and the letters with holam
are single glyphs; every vowel point is a spacing glyph whose ink is centred in
its own advance, so that the program can centre it under a letter or place it
at a per-letter offset.

Usage: build_fonts.py OUTPUT_DIR   (run with Debian's /usr/bin/python3)
"""

import os
import shutil
import sys

import fontforge
import psMat

import glyph_table as gt
from code_pages import glyph_name
from finish_font import finish_font

CULMUS = '/usr/share/fonts/truetype/culmus'
CULMUS_LICENCE = '/usr/share/doc/culmus/copyright'
GPL2 = '/usr/share/common-licenses/GPL-2'

# Family name, the culmus face it is made from, and the face that lends the
# vowel points, geresh and Latin characters the first one lacks.
FACES = (
    ('Pomlar Sephardi 2', 'FrankRuehlCLM-Medium.ttf', None),
    ('Pomlar Stam 2', 'StamSefaradCLM.ttf', 'FrankRuehlCLM-Medium.ttf'),
    ('Pomlar David 2', 'DavidCLM-Medium.otf', None),
    ('Pomlar Velira 2', 'SimpleCLM-Medium.ttf', None),
    ('Pomlar Noam 2', 'HadasimCLM-Regular.ttf', None),
    ('Pomlar Cursiva 2', 'ShofarRegular.ttf', None),
)

# Presentation forms of the culmus faces, used where a face has them.
_PRESENTATION_DAGESH = {
    0x5D1: 0xFB31, 0x5D2: 0xFB32, 0x5D3: 0xFB33, 0x5D4: 0xFB34, 0x5D5: 0xFB35,
    0x5D6: 0xFB36, 0x5D8: 0xFB38, 0x5D9: 0xFB39, 0x5DA: 0xFB3A, 0x5DB: 0xFB3B,
    0x5DC: 0xFB3C, 0x5DE: 0xFB3E, 0x5E0: 0xFB40, 0x5E1: 0xFB41, 0x5E3: 0xFB43,
    0x5E4: 0xFB44, 0x5E6: 0xFB46, 0x5E7: 0xFB47, 0x5E8: 0xFB48, 0x5E9: 0xFB49,
    0x5EA: 0xFB4A,
}
_PRESENTATION_SHIN = {(gt.SHIN_DOT, False): 0xFB2A, (gt.SIN_DOT, False): 0xFB2B,
                      (gt.SHIN_DOT, True): 0xFB2C, (gt.SIN_DOT, True): 0xFB2D}
_PRESENTATION_VAV = {gt.HOLAM: 0xFB4B, gt.DAGESH: 0xFB35}


class Piece:
    """An outline with its advance width and, for composed letters, where
    the geresh sits (holam ligatures go above it)."""

    def __init__(self, layer, width, geresh_box=None):
        self.layer = layer
        self.width = width
        self.geresh_box = geresh_box

    def box(self):
        return self.layer.boundingBox()

    def moved(self, dx, dy=0):
        layer = self.layer.dup()
        layer.transform(psMat.translate(dx, dy))
        box = self.geresh_box
        if box:
            box = (box[0] + dx, box[1] + dy, box[2] + dx, box[3] + dy)
        return Piece(layer, self.width, box)

    def plus(self, other):
        layer = self.layer.dup()
        layer += other.layer
        return Piece(layer, self.width, self.geresh_box or other.geresh_box)


def _open(path):
    font = fontforge.open(path)
    font.layers['Fore'].is_quadratic = True
    for glyph in font.glyphs():
        glyph.unlinkRef()
    return font


class Face:
    """Glyph outlines of a culmus face, falling back on its donor face."""

    def __init__(self, source, donor):
        self.font = _open(os.path.join(CULMUS, source))
        self.em = self.font.em
        self.donor = _open(os.path.join(CULMUS, donor)) if donor else None
        self.margin = round(self.em * 0.025)
        self.x_height = self.glyph(gt.ALEF).box()[3]

    def _find(self, font, u, scale):
        if u not in font:
            return None
        glyph = font[u]
        layer = glyph.foreground.dup()
        if layer.isEmpty() and u != 0x20:
            return None
        layer.transform(psMat.scale(scale))
        return Piece(layer, round(glyph.width * scale))

    def has(self, u):
        return self._find(self.font, u, 1.0) is not None

    def glyph(self, u):
        piece = self._find(self.font, u, 1.0)
        if piece is None and self.donor is not None:
            piece = self._find(self.donor, u, self.em / self.donor.em)
        if piece is None:
            raise KeyError('no glyph for U+%04X' % u)
        return piece

    def ink(self, u):
        """A mark's outline moved so that its ink is centred on x = 0."""
        piece = self.glyph(u)
        x0, _, x1, _ = piece.box()
        return piece.moved(-(x0 + x1) / 2)


class Composer:
    """Makes each recipe of glyph_table into an outline of one face."""

    def __init__(self, face):
        self.face = face
        self.gap = face.margin

    def make(self, recipe):
        return getattr(self, '_' + recipe[0])(*recipe[1:])

    def _letter(self, u):
        return self.face.glyph(u)

    def _dagesh(self, u):
        presentation = _PRESENTATION_DAGESH[u]
        if self.face.has(presentation):
            return self.face.glyph(presentation)
        letter = self.face.glyph(u)
        x0, y0, x1, y1 = letter.box()
        top = min(y1, self.face.x_height)
        return letter.plus(self._dot(gt.DAGESH, (x0 + x1) / 2, (max(y0, 0) + top) / 2))

    def _dot(self, u, x_centre, y_centre):
        dot = self.face.ink(u)
        _, y0, _, y1 = dot.box()
        return dot.moved(x_centre, y_centre - (y0 + y1) / 2)

    def _shin(self, dot_mark, dagesh):
        presentation = _PRESENTATION_SHIN[(dot_mark, dagesh)]
        if self.face.has(presentation):
            return self.face.glyph(presentation)
        shin = self._dagesh(gt.SHIN) if dagesh else self.face.glyph(gt.SHIN)
        x0, _, x1, _ = shin.box()
        dot = self.face.ink(dot_mark)
        half = (dot.box()[2] - dot.box()[0]) / 2
        # The sin dot stands clear of the left head (and the crowns a scribal
        # face puts on it).
        x = x1 - half if dot_mark == gt.SHIN_DOT else x0 - half
        return shin.plus(self._above(dot_mark, x, self.face.x_height))

    def _above(self, u, x_centre, floor):
        """A dot at its own height, but clear of anything below floor."""
        dot = self.face.ink(u)
        y0 = dot.box()[1]
        return dot.moved(x_centre, max(0, floor + self.gap - y0))

    def _geresh(self, inner):
        letter = self.make(inner)
        geresh = self.face.glyph(gt.GERESH if self._has_any(gt.GERESH) else 0x27)
        moved = letter.moved(geresh.width)
        composed = moved.plus(geresh)
        composed.width = letter.width + geresh.width
        composed.geresh_box = geresh.box()
        return composed

    def _has_any(self, u):
        try:
            self.face.glyph(u)
            return True
        except KeyError:
            return False

    def _holam(self, inner):
        letter = self.make(inner)
        if letter.geresh_box:
            x0, _, x1, y1 = letter.geresh_box
            return letter.plus(self._above(gt.HOLAM, (x0 + x1) / 2, y1))
        # Lamed: the holam goes left of the mast, at its usual height.
        holam = self.face.ink(gt.HOLAM)
        width = holam.box()[2] - holam.box()[0]
        shift = width + 2 * self.gap
        moved = letter.moved(shift)
        composed = moved.plus(self._above(gt.HOLAM, self.gap + width / 2,
                                          self.face.x_height - self.gap))
        composed.width = letter.width + shift
        return composed

    def _final_kaf(self, dagesh, vowel):
        kaf = self._dagesh(gt.FINAL_KAF) if dagesh else self.face.glyph(gt.FINAL_KAF)
        x0, _, x1, _ = kaf.box()
        # Inside the open bowl, left of the stem; below the dagesh if any.
        height = self.face.x_height * (0.12 if dagesh else 0.38)
        return kaf.plus(self._dot(vowel, x0 + (x1 - x0) * 0.42, height))

    def _spacing(self, piece):
        x0, _, x1, _ = piece.box()
        moved = piece.moved(self.face.margin - x0)
        moved.width = round(x1 - x0 + 2 * self.face.margin)
        return moved

    def _mark(self, u):
        return self._spacing(self.face.ink(u))

    def _stressed(self, u):
        point = self.face.ink(u)
        meteg = self.face.ink(gt.METEG)
        # The meteg stands left of the point, at the point's height.
        px0, py0, _, py1 = point.box()
        mx0, my0, mx1, my1 = meteg.box()
        dy = (py0 + py1) / 2 - (my0 + my1) / 2 if py1 - py0 > my1 - my0 else 0
        meteg = meteg.moved(px0 - self.gap - mx1, dy)
        return self._spacing(point.plus(meteg))

    def _holam_point(self):
        # Drawn at the letter's left edge: the dot sits over that corner.
        holam = self.face.ink(gt.HOLAM)
        x0, _, x1, _ = holam.box()
        holam.width = round(x1 - x0 + 2 * self.face.margin)
        return holam

    def _vav(self, mark_u):
        presentation = _PRESENTATION_VAV[mark_u]
        if self.face.has(presentation):
            return self.face.glyph(presentation)
        vav = self.face.glyph(gt.VAV)
        x0, _, _, _ = vav.box()
        if mark_u == gt.HOLAM:
            return vav.plus(self._above(gt.HOLAM, x0, self.face.x_height))
        dot = self.face.ink(gt.DAGESH)
        width = dot.box()[2] - dot.box()[0]
        shift = max(0, width + self.gap - x0)
        composed = vav.moved(shift).plus(
            self._dot(gt.DAGESH, x0 + shift - self.gap - width / 2, self.face.x_height / 2))
        composed.width = vav.width + shift
        return composed


def build_face(family, source, donor, out_dir):
    face = Face(source, donor)
    composer = Composer(face)
    font = fontforge.font()
    font.em = face.em
    font.layers['Fore'].is_quadratic = True
    font.createChar(-1, '.notdef').width = round(face.em / 2)
    for byte in range(1, 256):
        glyph = font.createChar(-1, glyph_name(byte))
        recipe = gt.GLYPHS.get(byte)
        if recipe is None:
            glyph.width = 0
            continue
        piece = composer.make(recipe)
        glyph.foreground = piece.layer
        glyph.width = round(piece.width)
        glyph.round()
    font.familyname = family
    font.fullname = family
    font.fontname = family.replace(' ', '')
    font.weight = 'Regular'
    font.version = '2.0'
    font.copyright = ('Made from %s of the Culmus project%s; distributed under '
                      'the terms of its licence.\n%s' % (
                          source, ' with points from %s' % donor if donor else '',
                          face.font.copyright))
    path = os.path.join(out_dir, font.fontname + '.ttf')
    font.generate(path, flags=('omit-instructions',))
    finish_font(path, family, face.font)
    return path


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for family, source, donor in FACES:
        build_face(family, source, donor, out_dir)
    shutil.copyfile(CULMUS_LICENCE, os.path.join(out_dir, 'COPYRIGHT-culmus.txt'))
    shutil.copyfile(GPL2, os.path.join(out_dir, 'GPL-2.txt'))


if __name__ == '__main__':
    main()
