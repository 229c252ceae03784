#!/usr/bin/env python3
"""Makes the three TrueType files of the program's Fonts folder (stored without an extension).

VAGRON   family "VAGRounded BT": Comfortaa Bold under the program's face name.
VAGROLN  family "VAGRounded Lt": Comfortaa Regular under the program's face name.
WINGDNG2 family "Wingdings 2": a small symbol face drawn here; character code 209 (U+00D1 in the
         program's Western code page) is the close mark that the dialogs show as their close
         button; 225 and 228 are the arrows, up-left and down-right, that point out a colour's
         place in the options dialog's previews.

Comfortaa is under the SIL Open Font License with the reserved name "Comfortaa", so the renamed
copies carry no "Comfortaa" in their names; its licence is copied beside them.

Usage: make_fonts.py <program folder>
"""
import gzip
import math
import os
import shutil
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

COMFORTAA = "/usr/share/fonts/truetype/comfortaa"
COMFORTAA_OFL = "/usr/share/doc/fonts-comfortaa/OFL.txt.gz"

# Name IDs that name the face; the copyright, licence and designer entries are kept as they are.
FACE_IDS = (1, 2, 3, 4, 6, 16, 17, 18, 21, 22)


def rename(src, dest, family, postscript):
    font = TTFont(src)
    name = font["name"]
    name.names = [n for n in name.names if n.nameID not in FACE_IDS]
    version = "Version 1.0"
    values = {
        1: family,
        2: "Regular",
        3: "1.0;WiseOwlet;" + postscript,
        4: family,
        6: postscript,
    }
    for name_id, text in values.items():
        name.setName(text, name_id, 3, 1, 0x409)
        name.setName(text, name_id, 1, 0, 0)
    name.setName(version, 5, 3, 1, 0x409)
    name.setName(version, 5, 1, 0, 0)
    # One face of its family: the regular style, whatever the weight of its strokes.
    os2 = font["OS/2"]
    os2.fsSelection = (os2.fsSelection & ~0b1100001) | 0b1000000  # not bold/italic; REGULAR
    font["head"].macStyle = 0
    if "DSIG" in font:
        del font["DSIG"]  # the signature no longer matches the renamed font
    font.save(dest)


def polygon(pen, points):
    # TrueType fills clockwise contours (y up); holes run the other way.
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))
    if area > 0:
        points = list(reversed(points))
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def rounded_rect(x0, y0, x1, y1, r, steps=6):
    pts = []
    corners = [(x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180), (x1 - r, y0 + r, 270)]
    for cx, cy, start in corners:
        for k in range(steps + 1):
            a = math.radians(start + 90 * k / steps)
            pts.append((round(cx + r * math.cos(a)), round(cy + r * math.sin(a))))
    return pts


def close_mark_glyph():
    """A bold X inside a rounded square frame."""
    pen = TTGlyphPen(None)
    outer = rounded_rect(60, -60, 940, 820, 150)
    inner = rounded_rect(150, 30, 850, 730, 80)
    polygon(pen, outer)
    hole = inner
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(hole, hole[1:] + hole[:1]))
    if area < 0:
        hole = list(reversed(hole))
    pen.moveTo(hole[0])
    for p in hole[1:]:
        pen.lineTo(p)
    pen.closePath()
    # The X: a plus sign of arm half-width w and reach l, turned by 45 degrees.
    w, l, cx, cy = 75, 280, 500, 380
    plus = [(w, l), (w, w), (l, w), (l, -w), (w, -w), (w, -l), (-w, -l), (-w, -w), (-l, -w),
            (-l, w), (-w, w), (-w, l)]
    c = math.cos(math.radians(45))
    cross = [(round(cx + (x - y) * c), round(cy + (x + y) * c)) for x, y in plus]
    polygon(pen, cross)
    return pen.glyph()


# The arrow pointing down and to the right, its tip near the bottom right of the glyph's box (200
# units from the right, 300 above the bottom of the line) so that a label can put the tip on a
# point by its right and bottom edges.
ARROW_DOWN_RIGHT = {
    "head": [(800, 180), (800, 530), (450, 180)],
    "shaft": [(200, 880), (670, 410), (570, 310), (100, 780)],
}


def arrow_glyph(up_left):
    """The down-right arrow, or the same turned half round: its tip at the box's top left."""
    pen = TTGlyphPen(None)
    for part in ("shaft", "head"):
        pts = ARROW_DOWN_RIGHT[part]
        if up_left:
            pts = [(820 - x, 1040 - y) for x, y in pts]
        polygon(pen, pts)
    return pen.glyph()


def symbol_font(dest):
    family = "Wingdings 2"
    fb = FontBuilder(1000, isTTF=True)
    order = [".notdef", "space", "closemark", "arrowupleft", "arrowdownright"]
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0x20: "space", 0xD1: "closemark", 0xE1: "arrowupleft",
                          0xE4: "arrowdownright"})
    notdef = TTGlyphPen(None)
    polygon(notdef, [(100, 0), (100, 700), (500, 700), (500, 0)])
    polygon(notdef, [(150, 50), (450, 50), (450, 650), (150, 650)])
    fb.setupGlyf({".notdef": notdef.glyph(), "space": TTGlyphPen(None).glyph(),
                  "closemark": close_mark_glyph(), "arrowupleft": arrow_glyph(True),
                  "arrowdownright": arrow_glyph(False)})
    fb.setupHorizontalMetrics({".notdef": (600, 100), "space": (500, 0), "closemark": (1000, 60),
                               "arrowupleft": (1000, 20), "arrowdownright": (1000, 100)})
    fb.setupHorizontalHeader(ascent=880, descent=-120)
    fb.setupNameTable({
        "copyright": "Copyright 2026 The Wise Owlet developers",
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": "1.0;WiseOwlet;Wingdings2",
        "fullName": family,
        "version": "Version 1.0",
        "psName": "Wingdings2",
        "licenseDescription": "This Font Software is licensed under the SIL Open Font License, "
                              "Version 1.1.",
    })
    fb.setupOS2(sTypoAscender=880, sTypoDescender=-120, usWinAscent=880, usWinDescent=120,
                fsSelection=0b1000000)
    fb.setupPost()
    fb.save(dest)


WINGDNG2_LICENCE = """The font file WINGDNG2 (family "Wingdings 2") was drawn by the Wise Owlet
developers with fontTools (media/make_fonts.py): a close mark at character code 209, an arrow
pointing up and left at 225 and one pointing down and right at 228.
Copyright 2026 The Wise Owlet developers.
This Font Software is licensed under the SIL Open Font License, Version 1.1, whose text is in
OFL-Comfortaa.txt beside this file (the same licence; no Reserved Font Name).
"""

VAGRO_LICENCE = """The font files VAGRON (family "VAGRounded BT") and VAGROLN (family
"VAGRounded Lt") are Comfortaa Bold and Comfortaa Regular (Debian package fonts-comfortaa) with
their names changed by media/make_fonts.py; nothing else is changed.
Comfortaa: Copyright 2011 The Comfortaa Project Authors, with Reserved Font Name "Comfortaa";
licensed under the SIL Open Font License, Version 1.1: see OFL-Comfortaa.txt beside this file.
"""


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    fonts = os.path.join(sys.argv[1], "Fonts")
    os.makedirs(fonts, exist_ok=True)
    rename(os.path.join(COMFORTAA, "Comfortaa-Bold.ttf"), os.path.join(fonts, "VAGRON"),
           "VAGRounded BT", "VAGRoundedBT-Regular")
    rename(os.path.join(COMFORTAA, "Comfortaa-Regular.ttf"), os.path.join(fonts, "VAGROLN"),
           "VAGRounded Lt", "VAGRoundedLt-Regular")
    symbol_font(os.path.join(fonts, "WINGDNG2"))
    with gzip.open(COMFORTAA_OFL, "rb") as src, open(os.path.join(fonts, "OFL-Comfortaa.txt"),
                                                     "wb") as dst:
        shutil.copyfileobj(src, dst)
    with open(os.path.join(fonts, "VAGRON-VAGROLN-LICENSE.txt"), "w") as f:
        f.write(VAGRO_LICENCE)
    with open(os.path.join(fonts, "WINGDNG2-LICENSE.txt"), "w") as f:
        f.write(WINGDNG2_LICENCE)


if __name__ == "__main__":
    main()
