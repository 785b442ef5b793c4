"""Subsets the page's fonts from Debian's font files into WOFF2.

Usage: make_fonts.py OUT_DIR IMPACT_WIDTH_PERCENT

Impact's stand-in (Liberation Sans Narrow Bold) is condensed to the given share of its width,
as the other windows draw it; the arrows' stand-in (Noto Sans CJK JP Bold) keeps only the two
arrows. Each face keeps its own family name, which the page's fonts are asked for by.
"""
import sys
from pathlib import Path

from fontTools import subset
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

LATIN = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf"
JAPANESE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
PRINTABLE_ASCII = "".join(chr(c) for c in range(0x20, 0x7F))
ARROWS = "\u2190\u2192"


def subsetted(font, text):
    options = subset.Options()
    options.layout_features = []
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    font.flavor = "woff2"
    return font


# How wide each OpenType width class (1 ultra-condensed to 9 ultra-expanded) is drawn against a
# face of normal width, in percent.
PERCENT_OF_WIDTH_CLASS = {1: 50, 2: 63, 3: 75, 4: 88, 5: 100, 6: 113, 7: 125, 8: 150, 9: 200}


def condensed(font, percent):
    """Scales every glyph and advance horizontally, to `percent` of a normal-width face's
    width: a face that is narrow by design is condensed only by what remains."""
    designed = PERCENT_OF_WIDTH_CLASS.get(font["OS/2"].usWidthClass, 100)
    scale = min(percent / designed, 1.0)
    glyph_set = font.getGlyphSet()
    glyf = font["glyf"]
    for name in font.getGlyphOrder():
        pen = TTGlyphPen(glyph_set)
        glyph_set[name].draw(TransformPen(pen, (scale, 0, 0, 1, 0, 0)))
        glyf[name] = pen.glyph()
    hmtx = font["hmtx"]
    for name, (advance, _) in list(hmtx.metrics.items()):
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        left = getattr(glyph, "xMin", 0) if glyph.numberOfContours else 0
        hmtx.metrics[name] = (round(advance * scale), left)
    font["OS/2"].usWidthClass = 3
    return font


def main():
    out_dir = Path(sys.argv[1])
    percent = int(sys.argv[2])
    out_dir.mkdir(parents=True, exist_ok=True)
    latin = subsetted(TTFont(LATIN), PRINTABLE_ASCII)
    condensed(latin, percent).save(out_dir / "latin.woff2")
    japanese = subsetted(TTFont(JAPANESE, fontNumber=0), ARROWS)
    japanese.save(out_dir / "japanese.woff2")


if __name__ == "__main__":
    main()
