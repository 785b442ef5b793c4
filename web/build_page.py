"""Builds the one-file page: the template with the wasm's loader script, the page's joined
script, the fonts, the pictures, the icon and the licence texts inlined, so it plays from a
file with no server. Its Content-Security-Policy names each of its scripts and its style by
hash, and allows nothing from the network.
"""
import argparse
import base64
import hashlib
import json
import re
import sys
from pathlib import Path

MIME = {".gif": "image/gif", ".png": "image/png"}
# What would end a raw-text element early, or change how its end is found.
RAW_TEXT_HAZARD = re.compile(r"</script|<script|<!--|</style", re.IGNORECASE)


def data_url(path):
    path = Path(path)
    encoded = base64.b64encode(path.read_bytes()).decode("ascii")
    return f"data:{MIME[path.suffix]};base64,{encoded}"


def raw_text(path, element):
    text = Path(path).read_text(encoding="utf-8")
    hazard = RAW_TEXT_HAZARD.search(text)
    if hazard:
        sys.exit(f"build_page.py: {path} holds {hazard.group(0)!r} at offset {hazard.start()}, "
                 f"which would end its <{element}> in the page early")
    return text


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return f"'sha256-{base64.b64encode(digest).decode('ascii')}'"


def between(page, start, end):
    begin = page.index(start) + len(start)
    return page[begin:page.index(end, begin)]


def notices(paths):
    return "\n".join(
        f'<script type="text/plain" data-file="{Path(path).name}">\n{raw_text(path, "script")}'
        f"</script>" for path in paths)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--wasm-script", required=True)
    parser.add_argument("--script", required=True)
    parser.add_argument("--font-css", required=True)
    parser.add_argument("--pictures", nargs="+", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--notices", nargs="+", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    pictures = {Path(p).name: data_url(p) for p in args.pictures}
    pictures[Path(args.icon).name] = data_url(args.icon)
    # Safe inside a script element: no "</" can end it early.
    pictures_json = json.dumps(pictures).replace("</", "<\\/")
    wasm_script = raw_text(args.wasm_script, "script")
    script = raw_text(args.script, "script")
    page = Path(args.template).read_text(encoding="utf-8")
    for name, value in (
        ("VERSION", args.version),
        ("FONT_FACES", raw_text(args.font_css, "style")),
        ("ICON", data_url(args.icon)),
        ("PICTURES", pictures_json),
        ("WASM_SCRIPT", wasm_script),
        ("SCRIPT", script),
        ("NOTICES", notices(args.notices)),
    ):
        page = page.replace("{{" + name + "}}", value)
    policy = "; ".join((
        "default-src 'none'",
        f"script-src {source_hash(wasm_script)} {source_hash(script)} 'wasm-unsafe-eval'",
        f"style-src {source_hash(between(page, '<style>', '</style>'))}",
        "img-src data:",
        "font-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ))
    page = page.replace("{{CONTENT_SECURITY_POLICY}}", policy)
    Path(args.out).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
