"""Builds the one-file page: the template with the wasm's loader script, the page's modules,
the fonts, the pictures and the icon inlined, so it plays from a file with no server.

The modules are joined into one module script in the order given: their imports of each other
are dropped and their exports become plain declarations.
"""
import argparse
import base64
import json
import re
from pathlib import Path

MIME = {".gif": "image/gif", ".png": "image/png", ".woff2": "font/woff2"}
IMPORT = re.compile(r"^import\s[^;]*;\s*$", re.MULTILINE)
EXPORT = re.compile(r"^export\s+", re.MULTILINE)


def data_url(path):
    path = Path(path)
    encoded = base64.b64encode(path.read_bytes()).decode("ascii")
    return f"data:{MIME[path.suffix]};base64,{encoded}"


def joined_modules(paths):
    parts = []
    for path in paths:
        text = Path(path).read_text(encoding="utf-8")
        parts.append(EXPORT.sub("", IMPORT.sub("", text)))
    return "\n".join(parts)


def font_faces(latin, japanese):
    faces = []
    for family, path in (("Liberation Sans Narrow", latin), ("Noto Sans CJK JP", japanese)):
        faces.append(f"@font-face{{font-family:'{family}';font-weight:700;"
                     f"src:url({data_url(path)}) format('woff2')}}")
    return "\n".join(faces)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--wasm-script", required=True)
    parser.add_argument("--fonts", nargs=2, required=True)
    parser.add_argument("--pictures", nargs="+", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--modules", nargs="+", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    pictures = {Path(p).name: data_url(p) for p in args.pictures}
    pictures[Path(args.icon).name] = data_url(args.icon)
    # Safe inside a script element: no "</" can end it early.
    pictures_json = json.dumps(pictures).replace("</", "<\\/")
    page = Path(args.template).read_text(encoding="utf-8")
    for name, value in (
        ("FONT_FACES", font_faces(*args.fonts)),
        ("ICON", data_url(args.icon)),
        ("PICTURES", pictures_json),
        ("WASM_SCRIPT", Path(args.wasm_script).read_text(encoding="utf-8")),
        ("MODULES", joined_modules(args.modules)),
    ):
        page = page.replace("{{" + name + "}}", value)
    Path(args.out).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
