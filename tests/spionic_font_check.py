#!/usr/bin/env python3
"""Checks the committed SPIonic font (run by tst_font).

1. tools/make_spionic_font.py rebuilds it byte for byte from DejaVu Sans.
2. Every key 32-126 draws the glyph the SPIonic keyboard mapping gives it, and the
   symbol-font codes U+F020-U+F0FF draw what U+0020-U+00FF draw.
3. Its metrics and names: Latin 1 and Greek code pages only, one line box on every
   platform that holds every glyph, zero-advance marks, a PostScript name of its own.

Prints one line per fault and exits 1 if there is any; exits 77 when fontTools or
DejaVu Sans is missing.
"""

import os
import subprocess
import sys
import tempfile

try:
    from fontTools.ttLib import TTFont
except ImportError:
    print("fontTools is missing (Debian: python3-fonttools)")
    sys.exit(77)

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT = os.path.join(REPO, "resources", "fonts", "SPIonic.ttf")
SCRIPT = os.path.join(REPO, "tools", "make_spionic_font.py")
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

# Key -> glyph: letters by DejaVu's names for the Greek letters, marks by the glyphs the
# build names after the polytonic marks (narrow key unshifted, wide key shifted).
LETTERS = {
    "a": "alpha", "b": "beta", "c": "xi", "d": "delta", "e": "epsilon", "f": "phi",
    "g": "gamma", "h": "eta", "i": "iota", "j": "sigma1", "k": "kappa", "l": "lambda",
    "m": "uni03BC", "n": "nu", "o": "omicron", "p": "pi", "q": "theta", "r": "rho",
    "s": "sigma", "t": "tau", "u": "upsilon", "v": "sigma1", "w": "omega", "x": "chi",
    "y": "psi", "z": "zeta",
    "A": "Alpha", "B": "Beta", "C": "Xi", "D": "uni0394", "E": "Epsilon", "F": "Phi",
    "G": "Gamma", "H": "Eta", "I": "Iota", "J": "uni03D9", "K": "Kappa", "L": "Lambda",
    "M": "Mu", "N": "Nu", "O": "Omicron", "P": "Pi", "Q": "Theta", "R": "Rho",
    "S": "Sigma", "T": "Tau", "U": "Upsilon", "V": "uni03DC", "W": "Omega", "X": "Chi",
    "Y": "Psi", "Z": "Zeta", "`": "uni03E1",
}
SIGNS = {
    " ": "space", "'": "quoteright", "*": "asterisk", ",": "comma", "-": "endash",
    ".": "period", "7": "nonbreakingspace", ":": "anoteleia.key", ";": "uni037E",
    "8": "overline.key", "?": "dotbelow.key", "|": "ypogegrammeni.key",
}
MARKS = {  # mark: (narrow key, wide key)
    "psili": ("0", ")"), "dasia": ("9", "("), "oxia": ("/", "&"), "varia": ("\\", "_"),
    "perispomeni": ("=", "~"), "psilioxia": ("1", "!"), "psilivaria": ("2", "@"),
    "psiliperispomeni": ("]", "}"), "dasiaoxia": ("3", "#"), "dasiavaria": ("4", "$"),
    "dasiaperispomeni": ("[", "{"), "dialytika": ("+", '"'), "dialytikaoxia": ("5", "%"),
    "dialytikavaria": ("6", "^"), "macron": ("<", ">"),
}


def expected_keys():
    keys = dict(LETTERS)
    keys.update(SIGNS)
    for mark, (narrow, wide) in MARKS.items():
        keys[narrow] = mark + ".narrow"
        keys[wide] = mark + ".wide"
    return keys


def check_rebuild(faults):
    if not os.path.exists(DEJAVU):
        print(f"{DEJAVU} is missing (Debian: fonts-dejavu-core)")
        sys.exit(77)
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "SPIonic.ttf")
        subprocess.run([sys.executable, SCRIPT, DEJAVU, "-o", out], check=True, stdout=subprocess.DEVNULL)
        with open(out, "rb") as a, open(FONT, "rb") as b:
            if a.read() != b.read():
                faults.append("the committed font is not what tools/make_spionic_font.py makes")


def check_keys(font, faults):
    keys = expected_keys()
    if sorted(keys) != [chr(c) for c in range(32, 127)]:
        faults.append("the checker's own key table does not cover 32-126")
    for table in font["cmap"].tables:
        cmap = table.cmap
        where = f"cmap ({table.platformID},{table.platEncID})"
        for key, glyph in sorted(keys.items()):
            if cmap.get(ord(key)) != glyph:
                faults.append(f"{where}: key {key!r} draws {cmap.get(ord(key))}, not {glyph}")
        for code in range(0x20, 0x100):
            if cmap.get(0xF000 + code) != cmap.get(code):
                faults.append(f"{where}: U+{0xF000 + code:04X} draws {cmap.get(0xF000 + code)}, "
                              f"U+{code:04X} draws {cmap.get(code)}")
    hmtx = font["hmtx"]
    for mark in MARKS:
        for suffix in ("narrow", "wide"):
            if hmtx[f"{mark}.{suffix}"][0] != 0:
                faults.append(f"{mark}.{suffix} has an advance")


def check_metrics(font, faults):
    os2, hhea, glyf = font["OS/2"], font["hhea"], font["glyf"]
    if (os2.ulCodePageRange1, os2.ulCodePageRange2) != (0b1001, 0):
        faults.append(f"code pages {os2.ulCodePageRange1:#x} {os2.ulCodePageRange2:#x}: "
                      "only Latin 1 and Greek are drawn")
    ascent, descent = os2.usWinAscent, os2.usWinDescent
    if (hhea.ascent, -hhea.descent, hhea.lineGap) != (ascent, descent, 0):
        faults.append(f"hhea {hhea.ascent} {hhea.descent} {hhea.lineGap} differs from Windows {ascent} {descent}")
    if (os2.sTypoAscender, -os2.sTypoDescender, os2.sTypoLineGap) != (ascent, descent, 0):
        faults.append("typo metrics differ from Windows metrics")
    for name in font.getGlyphOrder():
        g = glyf[name]
        g.recalcBounds(glyf)
        if g.numberOfContours and (g.yMax > ascent or g.yMin < -descent):
            faults.append(f"{name} ({g.yMin}..{g.yMax}) leaves the line box (-{descent}..{ascent})")
    names = font["name"]
    if names.getDebugName(1) != "SPIonic":
        faults.append(f"family {names.getDebugName(1)!r}")
    ps = names.getDebugName(6)
    if not ps or ps == "SPIonic" or ps.startswith("DejaVu"):
        faults.append(f"PostScript name {ps!r} is not the font's own")


def main():
    faults = []
    font = TTFont(FONT)
    check_rebuild(faults)
    check_keys(font, faults)
    check_metrics(font, faults)
    for f in faults:
        print(f)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
