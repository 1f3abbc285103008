#!/usr/bin/python3
"""Cuts the CJK face the program ships from Noto Sans CJK SC: only the characters the program
itself writes (every non-ASCII character in its window and service sources, and Qt's own texts
it can show), renamed so it never poses as the full font, and with its glyphs set 1.2 times
larger than their em. The interface font is 10 px, the size whose digits fit the result boxes;
its Chinese then comes out at 12 px, the size Chinese interface text is drawn at, where 10 px
strokes blur into grey.

    make-cjk-subset.py --font FILE --font-number N --texts FILE --out FILE SOURCE_DIR...

Needs Debian's python3-fonttools and fonts-noto-cjk; the build itself only reads the result.
"""
import argparse
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib.scaleUpem import scale_upem

FAMILY = "Pelmora CJK"
POSTSCRIPT_NAME = "PelmoraCJK-Regular"
GLYPH_SCALE = 1.2


def program_characters(source_dirs, texts_file):
    characters = set()
    for folder in source_dirs:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix in (".cpp", ".h"):
                characters.update(c for c in path.read_text(encoding="utf-8") if ord(c) > 0x7F)
    for line in pathlib.Path(texts_file).read_text(encoding="utf-8").splitlines():
        if not line.startswith("#"):
            characters.update(c for c in line if ord(c) > 0x7F and not c.isspace())
    return characters


def rename(font):
    names = {1: FAMILY, 4: f"{FAMILY} Regular", 6: POSTSCRIPT_NAME, 16: FAMILY}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font["CFF "].cff.fontNames = [POSTSCRIPT_NAME]


def enlarge_glyphs(font):
    # Scaling to a larger em scales every outline, advance, metric and hint; the em is then set
    # back, which leaves the glyphs larger than it.
    em = font["head"].unitsPerEm
    scale_upem(font, round(em * GLYPH_SCALE))
    font["head"].unitsPerEm = em
    top = font["CFF "].cff.topDictIndex[0]
    top.FontMatrix = [1.0 / em, 0, 0, 1.0 / em, 0, 0]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--font", required=True)
    parser.add_argument("--font-number", type=int, required=True)
    parser.add_argument("--texts", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("sources", nargs="+")
    args = parser.parse_args()

    options = subset.Options()
    options.font_number = args.font_number
    options.name_IDs = ["*"]
    options.layout_features = ["*"]
    options.notdef_outline = True
    font = subset.load_font(args.font, options)
    cmap = font.getBestCmap()
    wanted = program_characters(args.sources, args.texts)
    missing = sorted(c for c in wanted if ord(c) not in cmap)
    kept = "".join(sorted(c for c in wanted if ord(c) in cmap))
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=kept)
    subsetter.subset(font)
    rename(font)
    enlarge_glyphs(font)
    font.recalcTimestamp = False  # the same texts give the same file
    font.save(args.out)
    print(f"{args.out}: {len(kept)} characters", file=sys.stderr)
    if missing:
        print("not in the font: " + " ".join(f"U+{ord(c):04X}" for c in missing), file=sys.stderr)


if __name__ == "__main__":
    main()
