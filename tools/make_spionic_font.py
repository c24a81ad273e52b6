#!/usr/bin/env python3
"""Build resources/fonts/SPIonic.ttf, the keyboard-mapped Greek font, from DejaVu Sans.

Greek in Mnemora is stored as plain ASCII in the SPIonic keyboard mapping and is
drawn by a font of family "SPIonic".  This script makes that font from DejaVu Sans:

* the letter keys draw the Greek letters (a -> alpha, q -> theta, j and v -> final
  sigma, J -> koppa, V -> digamma, ...);
* the breathing, accent, diaeresis and macron keys draw zero-advance copies of
  DejaVu's polytonic marks, shifted left so that they overstrike the glyph typed
  before them.  Unshifted keys are placed for a narrow letter (iota), shifted keys
  for a wide one (alpha, eta, omicron, omega);
* `|` (iota subscript) and `?` (dot below) sit under the preceding letter, `8` draws
  the nomina-sacra line over it;
* marks typed before a capital (`0E`, `70E`, `'E`) are moved by a small GPOS
  feature so that they stand at the capital's upper left; renderers without
  OpenType layout still get plain overstrikes;
* the Unicode Greek, combining-mark and Latin-1 symbol ranges of DejaVu are kept, so
  text that is already Unicode Greek still shows;
* U+F020-U+F0FF draw what U+0020-U+00FF draw: Windows editors list SPIonic as a
  symbol font, and Word and LibreOffice save text in a symbol font as those
  private-use characters;
* it claims the Latin 1 and Greek code pages only, its hhea, typo and Windows
  vertical metrics agree and hold every glyph, and its PostScript name is its own.

Requires fontTools (Debian: python3-fonttools).  The output is byte-for-byte
reproducible for a given DejaVuSans.ttf and fontTools version.

    python3 tools/make_spionic_font.py [DejaVuSans.ttf] [-o resources/fonts/SPIonic.ttf]
"""

import argparse
import calendar
import os
import sys

try:
    from fontTools import subset
    from fontTools.feaLib.builder import addOpenTypeFeaturesFromString
    from fontTools.pens.basePen import BasePen
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    from fontTools.ttLib import TTFont
    from fontTools.ttLib.tables._g_l_y_f import Glyph, GlyphComponent
except ImportError:
    sys.exit("fontTools is missing: apt-get install python3-fonttools (then use /usr/bin/python3)")

DEFAULT_SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUTPUT = os.path.join(REPO, "resources", "fonts", "SPIonic.ttf")

FAMILY = "SPIonic"
# Not plain "SPIonic": the name tells this font from the original one and from other
# fonts of that family.
POSTSCRIPT_NAME = "SPIonic-MnemoraDejaVu"
# Private-use codes of a symbol font: U+F000 + byte.
SYMBOL_PUA = 0xF000
VERSION = "1.000"
# head.created / head.modified, fixed so that a rebuild gives identical bytes.
FIXED_TIME = calendar.timegm((2024, 1, 1, 0, 0, 0)) + 2082844800  # seconds since 1904

# Spacing keys: ASCII key -> Unicode character whose DejaVu glyph it draws.
SPACING_KEYS = {
    " ": 0x0020,
    "'": 0x2019,  # apostrophe / elision; before a capital it is its smooth breathing
    "*": 0x002A,  # the asterisk is kept
    ",": 0x002C,
    "-": 0x2013,  # the lengthened dash
    ".": 0x002E,
    "7": 0x00A0,  # non-breaking space, carrier of stand-alone marks
    ";": 0x037E,  # Greek question mark
    "`": 0x03E1,  # sampi
    "a": 0x03B1, "b": 0x03B2, "c": 0x03BE, "d": 0x03B4, "e": 0x03B5,
    "f": 0x03C6, "g": 0x03B3, "h": 0x03B7, "i": 0x03B9, "j": 0x03C2,
    "k": 0x03BA, "l": 0x03BB, "m": 0x03BC, "n": 0x03BD, "o": 0x03BF,
    "p": 0x03C0, "q": 0x03B8, "r": 0x03C1, "s": 0x03C3, "t": 0x03C4,
    "u": 0x03C5, "v": 0x03C2, "w": 0x03C9, "x": 0x03C7, "y": 0x03C8,
    "z": 0x03B6,
    "A": 0x0391, "B": 0x0392, "C": 0x039E, "D": 0x0394, "E": 0x0395,
    "F": 0x03A6, "G": 0x0393, "H": 0x0397, "I": 0x0399, "J": 0x03D9,
    "K": 0x039A, "L": 0x039B, "M": 0x039C, "N": 0x039D, "O": 0x039F,
    "P": 0x03A0, "Q": 0x0398, "R": 0x03A1, "S": 0x03A3, "T": 0x03A4,
    "U": 0x03A5, "V": 0x03DC, "W": 0x03A9, "X": 0x03A7, "Y": 0x03A8,
    "Z": 0x0396,
}

# Overstriking marks above the letter: (narrow key, wide key, glyph name, spacing
# form in DejaVu whose outline is used).  The spacing forms are drawn centred on
# their 1024-unit advance, with DejaVu's own lean for acute and grave.
ABOVE_MARKS = [
    ("0", ")", "psili", 0x1FBF),
    ("9", "(", "dasia", 0x1FFE),
    ("/", "&", "oxia", 0x1FFD),
    ("\\", "_", "varia", 0x1FEF),
    ("=", "~", "perispomeni", 0x1FC0),
    ("1", "!", "psilioxia", 0x1FCE),
    ("2", "@", "psilivaria", 0x1FCD),
    ("]", "}", "psiliperispomeni", 0x1FCF),
    ("3", "#", "dasiaoxia", 0x1FDE),
    ("4", "$", "dasiavaria", 0x1FDD),
    ("[", "{", "dasiaperispomeni", 0x1FDF),
    ("+", '"', "dialytika", 0x00A8),
    ("5", "%", "dialytikaoxia", 0x1FEE),
    ("6", "^", "dialytikavaria", 0x1FED),
    ("<", ">", "macron", 0x00AF),
]
# Breathings and accents, the marks that may be typed before a capital.
CAPITAL_MARKS = ABOVE_MARKS[:11]
# Capitals that take a breathing.
BREATHING_CAPITALS = [0x0391, 0x0395, 0x0397, 0x0399, 0x039F, 0x03A5, 0x03A9, 0x03A1]

# Unicode ranges kept from DejaVu besides what the keys need.
KEEP_UNICODE = (
    list(range(0x00A0, 0x00C0))      # Latin-1 punctuation and symbols
    + list(range(0x0300, 0x0370))    # combining diacritics
    + list(range(0x0370, 0x0400))    # Greek and Coptic
    + list(range(0x1F00, 0x2000))    # Greek Extended
    + list(range(0x2010, 0x2028))    # dashes, quotes, ellipsis
    + list(range(0x2030, 0x203F))
)

# Ink of a mark typed before a capital starts this far right of its pen position.
MARK_LEFT_BEARING = 100


class _Polylines(BasePen):
    """Collects a glyph outline as closed polygons (curves flattened)."""

    def __init__(self, glyphset, dx=0, dy=0, steps=12):
        super().__init__(glyphset)
        self.dx, self.dy, self.steps = dx, dy, steps
        self.polys, self.cur = [], None

    def _moveTo(self, pt):
        self.cur = [(pt[0] + self.dx, pt[1] + self.dy)]
        self.polys.append(self.cur)

    def _lineTo(self, pt):
        self.cur.append((pt[0] + self.dx, pt[1] + self.dy))

    def _qCurveToOne(self, p1, p2):
        x0, y0 = self.cur[-1][0] - self.dx, self.cur[-1][1] - self.dy
        for i in range(1, self.steps + 1):
            t = i / self.steps
            x = (1 - t) ** 2 * x0 + 2 * (1 - t) * t * p1[0] + t * t * p2[0]
            y = (1 - t) ** 2 * y0 + 2 * (1 - t) * t * p1[1] + t * t * p2[1]
            self.cur.append((x + self.dx, y + self.dy))

    def _curveToOne(self, p1, p2, p3):
        x0, y0 = self.cur[-1][0] - self.dx, self.cur[-1][1] - self.dy
        for i in range(1, self.steps + 1):
            t = i / self.steps
            a, b, c, d = (1 - t) ** 3, 3 * (1 - t) ** 2 * t, 3 * (1 - t) * t * t, t ** 3
            x = a * x0 + b * p1[0] + c * p2[0] + d * p3[0]
            y = a * y0 + b * p1[1] + c * p2[1] + d * p3[1]
            self.cur.append((x + self.dx, y + self.dy))

    def _closePath(self):
        pass

    _endPath = _closePath


def row_extents(glyphset, name, dx=0, step=8):
    """For each sampled height y: (leftmost x, rightmost x) of the glyph's ink."""
    pen = _Polylines(glyphset, dx)
    glyphset[name].draw(pen)
    rows = {}
    for poly in pen.polys:
        pts = poly + [poly[0]]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            if y0 == y1:
                continue
            lo, hi = min(y0, y1), max(y0, y1)
            y = (int(lo) // step + 1) * step
            while y < hi:
                x = x0 + (x1 - x0) * (y - y0) / (y1 - y0)
                a, b = rows.get(y, (x, x))
                rows[y] = (min(a, x), max(b, x))
                y += step
    return rows


def row_gap(glyphset, left, left_dx, right, right_dx):
    """Smallest horizontal white space between two glyphs over their common rows."""
    lrows = row_extents(glyphset, left, left_dx)
    rrows = row_extents(glyphset, right, right_dx)
    common = set(lrows) & set(rrows)
    if not common:
        return None
    return min(rrows[y][0] - lrows[y][1] for y in common)


def bounds(glyf, name):
    g = glyf[name]
    g.recalcBounds(glyf)
    if not g.numberOfContours:
        return None
    return g.xMin, g.yMin, g.xMax, g.yMax


def component_of(glyf, composite, part):
    for c in glyf[composite].components:
        if c.glyphName == part:
            return c
    raise SystemExit(f"{composite} has no component {part}")


def add_glyph(font, name, glyph, advance):
    glyf, hmtx = font["glyf"], font["hmtx"]
    glyf[name] = glyph
    b = bounds(glyf, name)
    hmtx[name] = (advance, b[0] if b else 0)


def shifted_copy(font, name, source, dx, dy=0, advance=0):
    """A glyph made of one component of `source` moved by (dx, dy)."""
    comp = GlyphComponent()
    comp.glyphName = source
    comp.x, comp.y = int(round(dx)), int(round(dy))
    comp.flags = 0x0004  # ROUND_XY_TO_GRID
    g = Glyph()
    g.numberOfContours = -1
    g.components = [comp]
    add_glyph(font, name, g, advance)


def build(source, output):
    font = TTFont(source, recalcTimestamp=False)
    cmap = font.getBestCmap()
    glyf, hmtx = font["glyf"], font["hmtx"]
    g = lambda cp: cmap[cp]  # noqa: E731
    adv = lambda name: hmtx[name][0]  # noqa: E731

    # Shaping tables of DejaVu describe Latin text at these codes; they go.
    for tag in ("GSUB", "GPOS", "GDEF", "kern", "MATH", "FFTM"):
        if tag in font:
            del font[tag]

    # Where DejaVu puts a spacing mark on a letter: the centre of the mark's advance
    # measured from the letter's right edge.
    def axis(precomposed, base_cp, mark_cp):
        comp = component_of(glyf, g(precomposed), g(mark_cp))
        return comp.x + adv(g(mark_cp)) / 2 - adv(g(base_cp))

    psili = 0x1FBF
    narrow_axis = axis(0x1F30, 0x03B9, psili)                       # over iota
    wide_axis = sum(axis(p, b, psili) for p, b in (
        (0x1F00, 0x03B1), (0x1F20, 0x03B7), (0x1F40, 0x03BF), (0x1F60, 0x03C9))) / 4
    subscript_axis = sum(axis(p, b, 0x037A) for p, b in (
        (0x1FB3, 0x03B1), (0x1FC3, 0x03B7), (0x1FF3, 0x03C9))) / 3

    keys = {}  # ASCII key -> glyph name

    for narrow_key, wide_key, stem, src_cp in ABOVE_MARKS:
        src = g(src_cp)
        half = adv(src) / 2
        for key, suffix, ax in ((narrow_key, "narrow", narrow_axis), (wide_key, "wide", wide_axis)):
            name = f"{stem}.{suffix}"
            shifted_copy(font, name, src, ax - half)
            keys[key] = name

    # Iota subscript: one form, where DejaVu puts it under alpha, eta and omega.
    sub = g(0x037A)
    shifted_copy(font, "ypogegrammeni.key", sub, subscript_axis - adv(sub) / 2)
    keys["|"] = "ypogegrammeni.key"

    # Dot below: under the middle of an average lowercase letter.
    lower = [cp for cp in range(0x03B1, 0x03CA) if cp != 0x03C2]
    centres = []
    for cp in lower:
        b = bounds(glyf, g(cp))
        centres.append((b[0] + b[2]) / 2 - adv(g(cp)))
    dot = g(0x0323)
    db = bounds(glyf, dot)
    shifted_copy(font, "dotbelow.key", dot, sum(centres) / len(centres) - (db[0] + db[2]) / 2)
    keys["?"] = "dotbelow.key"

    # Nomina-sacra line: as thick as DejaVu's overline, above capitals and
    # ascenders, as long as an average capital and slightly overlapping the next
    # glyph so that the lines over an abbreviation join up.
    ob = bounds(glyf, g(0x203E))
    capitals = [cp for cp in range(0x0391, 0x03AA) if cp != 0x03A2]
    cap_top = max(bounds(glyf, g(cp))[3] for cp in capitals)
    cap_width = sum(adv(g(cp)) for cp in capitals) / len(capitals)
    bottom = cap_top + 100
    pen = TTGlyphPen(None)
    x0, x1, y0, y1 = -round(cap_width) - 20, 20, bottom, bottom + (ob[3] - ob[1])
    pen.moveTo((x0, y0)); pen.lineTo((x0, y1)); pen.lineTo((x1, y1)); pen.lineTo((x1, y0))
    pen.closePath()
    add_glyph(font, "overline.key", pen.glyph(), 0)
    keys["8"] = "overline.key"

    # Ano teleia: DejaVu draws it as a middle dot; Greek sets it at the top of
    # the lowercase letters.
    mid = g(0x00B7)
    x_height = bounds(glyf, g(0x03B9))[3]
    shifted_copy(font, "anoteleia.key", mid, 0, x_height - bounds(glyf, mid)[3], adv(mid))
    keys[":"] = "anoteleia.key"

    for key, cp in SPACING_KEYS.items():
        keys[key] = g(cp)

    missing = [chr(c) for c in range(32, 127) if chr(c) not in keys]
    if missing:
        raise SystemExit(f"no glyph for keys {missing}")

    # cmap: Unicode as in DejaVu, ASCII replaced by the SPIonic keys.
    mapping = {cp: name for cp, name in cmap.items() if cp < 0x10000}
    for c in range(0x21, 0x7F):
        mapping.pop(c, None)
    for key, name in keys.items():
        mapping[ord(key)] = name
    font["cmap"].tables = [t for t in font["cmap"].tables
                           if (t.platformID, t.platEncID, t.format) in ((0, 3, 4), (3, 1, 4))]
    for t in font["cmap"].tables:
        t.cmap = dict(mapping)

    glyphset = font.getGlyphSet()

    # Marks before a capital.  The mark gets a left bearing and an advance so that
    # the capital follows it at the distance DejaVu keeps in its own Ἐ; a `7`
    # carrying such a mark takes no room of its own; the apostrophe used as a
    # breathing is drawn up to the capital the same way.
    eps = component_of(glyf, g(0x1F18), g(0x0395))
    brth = component_of(glyf, g(0x1F18), g(psili))
    gap = row_gap(glyphset, g(psili), brth.x, g(0x0395), eps.x)
    cap_names = [g(cp) for cp in BREATHING_CAPITALS]

    def advance_before(left, left_dx, cap):
        # With the capital's origin at x = a the white space between the two is
        # a + d; make it `gap`, but never let the capital reach left of the pen
        # position where `left` starts.
        d = row_gap(glyphset, left, left_dx, cap, 0)
        if d is None:
            d = bounds(glyf, cap)[0] - bounds(glyf, left)[2] - left_dx
        return int(round(max(gap - d, -bounds(glyf, cap)[0])))

    pairs = []
    for narrow_key, wide_key, _, _ in CAPITAL_MARKS:
        for key in (narrow_key, wide_key):
            m = keys[key]
            place = MARK_LEFT_BEARING - bounds(glyf, m)[0]
            for cap in cap_names:
                a = advance_before(m, place, cap)
                pairs.append(f"    pos {m} <{int(round(place))} 0 {a} 0> {cap};")
    apos = keys["'"]
    for cap in cap_names:
        a = advance_before(apos, 0, cap)
        pairs.append(f"    pos {apos} <0 0 {a - adv(apos)} 0> {cap};")

    upper = " ".join(keys[k] for n, w, _, _ in CAPITAL_MARKS for k in (n, w))
    carrier = keys["7"]
    fea = f"""
languagesystem DFLT dflt;
languagesystem latn dflt;
languagesystem grek dflt;

@CAP = [{" ".join(cap_names)}];
@UPPER = [{upper}];

lookup capital_carrier {{
    pos {carrier}' <0 0 -{adv(carrier)} 0> @UPPER @CAP;
}} capital_carrier;

lookup capital_marks {{
{chr(10).join(pairs)}
}} capital_marks;

feature dist {{
    lookup capital_carrier;
    lookup capital_marks;
}} dist;
"""
    addOpenTypeFeaturesFromString(font, fea)

    # Keep what the keys draw plus the Unicode ranges above.
    opts = subset.Options()
    opts.glyph_names = True
    opts.notdef_outline = True
    opts.name_IDs = ["*"]
    opts.name_languages = ["*"]
    opts.layout_features = ["dist"]
    opts.hinting = True
    opts.recalc_bounds = True
    opts.recalc_timestamp = False
    opts.prune_unicode_ranges = True
    opts.drop_tables += ["FFTM", "MATH", "kern"]
    sub_ = subset.Subsetter(opts)
    sub_.populate(unicodes=sorted(set(KEEP_UNICODE) | set(range(0x20, 0x7F))),
                  glyphs=sorted(set(keys.values())))
    sub_.subset(font)

    # Names: family SPIonic everywhere, licence notices kept, provenance noted.
    name = font["name"]
    dejavu_version = name.getDebugName(5) or ""
    copyright_ = name.getDebugName(0).rstrip()
    names = {
        0: copyright_ + "\nSPIonic is derived from DejaVu Sans (" + dejavu_version
           + ") for Mnemora: its ASCII codes draw Greek in the SPIonic keyboard mapping.",
        1: FAMILY,
        2: "Regular",
        3: f"{POSTSCRIPT_NAME} {VERSION}",
        4: FAMILY,
        5: f"Version {VERSION}; derived from DejaVu Sans {dejavu_version.replace('Version ', '')}",
        6: POSTSCRIPT_NAME,
        10: "Greek keyboard-mapped font: ASCII codes 32-126 draw Greek letters and "
            "overstriking accents, breathings and iota subscript (SPIonic mapping). "
            "Derived from DejaVu Sans.",
    }
    keep = {0, 1, 2, 3, 4, 5, 6, 10, 13, 14}
    name.names = [r for r in name.names if r.nameID in keep and r.nameID not in names]
    for nid, text in names.items():
        name.setName(text, nid, 3, 1, 0x409)
    name.names.sort(key=lambda r: (r.platformID, r.platEncID, r.langID, r.nameID))

    # The symbol-font form of every code 0x20-0xFF the font draws.
    for t in font["cmap"].tables:
        t.cmap.update({SYMBOL_PUA + cp: name for cp, name in list(t.cmap.items()) if 0x20 <= cp <= 0xFF})

    head = font["head"]
    head.created = head.modified = FIXED_TIME
    head.fontRevision = float(VERSION)
    os2 = font["OS/2"]
    os2.usWeightClass = 400
    os2.fsSelection = (os2.fsSelection & ~0x0021) | 0x0040  # REGULAR
    # What is left of DejaVu's scripts: Latin 1 (bit 0) for the symbols, Greek (bit 3).
    os2.ulCodePageRange1 = (1 << 0) | (1 << 3)
    os2.ulCodePageRange2 = 0
    os2.recalcUnicodeRanges(font)
    os2.updateFirstAndLastCharIndex(font)
    # One line box on every platform, tall enough for every glyph: the diaeresis-with-
    # accent marks and ΐ ΰ rise above DejaVu's ascent.
    boxes = [b for b in (bounds(font["glyf"], n) for n in font.getGlyphOrder()) if b]
    ascent = max(os2.usWinAscent, font["hhea"].ascent, max(b[3] for b in boxes))
    descent = max(os2.usWinDescent, -font["hhea"].descent, -min(b[1] for b in boxes))
    os2.usWinAscent, os2.usWinDescent = ascent, descent
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0
    hhea = font["hhea"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0
    font["post"].formatType = 2.0

    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    font.save(output, reorderTables=True)
    return font


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("source", nargs="?", default=DEFAULT_SOURCE, help="DejaVuSans.ttf")
    ap.add_argument("-o", "--output", default=DEFAULT_OUTPUT, help="output .ttf")
    args = ap.parse_args(argv)
    if not os.path.exists(args.source):
        sys.exit(f"{args.source} not found (Debian package fonts-dejavu-core)")
    build(args.source, args.output)
    print(f"wrote {args.output} ({os.path.getsize(args.output)} bytes)")


if __name__ == "__main__":
    main()
