"""Makes the faces the page carries, as CSS @font-face rules with WOFF2 data URLs.

Usage: make_fonts.py MANIFEST.json OUT.css

Each face of the manifest is subset from its font file to the glyphs it names, condensed by
its scale, and renamed to its family, as the altered face it is; its copyright, trademark and
licence entries are kept. The source file's timestamps are kept, so the output depends on
nothing but its inputs.
"""
import base64
import io
import json
import sys
from pathlib import Path

from fontTools import subset
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

FAMILY_NAME_IDS = (1, 16)
FULL_NAME_IDS = (4, 18)


def subsetted(font, text):
    options = subset.Options()
    options.layout_features = []
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    return font


def condensed(font, scale):
    """Scales every glyph and advance horizontally."""
    if "glyf" not in font:
        raise ValueError("only TrueType outlines can be condensed")
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
    return font


def renamed(font, family):
    """Gives the face a family name of its own, in every name record and in CFF's."""
    names = font["name"]
    style = names.getDebugName(2) or "Regular"
    postscript = f"{family.replace(' ', '')}-{style.replace(' ', '')}"
    for record in list(names.names):
        if record.nameID in FAMILY_NAME_IDS:
            record.string = family
        elif record.nameID in FULL_NAME_IDS:
            record.string = f"{family} {style}"
        elif record.nameID == 3:
            record.string = f"vortalin: {family} {style}"
        elif record.nameID in (6, 20):
            record.string = postscript
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FamilyName = family
        top.FullName = f"{family} {style}"
    return font


def face_rule(face):
    font = TTFont(face["file"], fontNumber=face["fontNumber"], recalcTimestamp=False)
    subsetted(font, face["glyphs"])
    if face["scale"] < 1:
        condensed(font, face["scale"])
    renamed(font, face["family"])
    font.flavor = "woff2"
    out = io.BytesIO()
    font.save(out)
    data = base64.b64encode(out.getvalue()).decode("ascii")
    return (f"@font-face{{font-family:'{face['family']}';font-weight:700;"
            f"src:url(data:font/woff2;base64,{data}) format('woff2')}}")


def main():
    manifest_path, out_path = sys.argv[1:]
    faces = json.loads(Path(manifest_path).read_text(encoding="utf-8"))["faces"]
    rules = []
    for face in faces:
        try:
            rules.append(face_rule(face))
        except (OSError, ValueError, KeyError) as error:
            sys.exit(f"make_fonts.py: the face {face.get('family')!r} from "
                     f"{face.get('file')!r}: {error}")
    Path(out_path).write_text("\n".join(rules) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
