#!/usr/bin/python3
"""START's caption in screenshots of any of the windows: the width and height of its ink and
the mean length of its dark runs across a row (how thick its strokes are), found inside the
button's face by its colour.

Usage: caption-width.py PNG...   (needs ImageMagick's convert)
"""
import subprocess
import sys

FACE = (0x80, 0x80, 0xFF)  # START's light blue


def pixels(path):
    ppm = subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout
    _, size, _, data = ppm.split(b"\n", 3)
    width, height = map(int, size.split())
    return width, height, data


def measure(path):
    width, height, data = pixels(path)
    at = lambda x, y: tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3])
    face = [(x, y) for y in range(height) for x in range(width) if at(x, y) == FACE]
    left, right = min(x for x, _ in face), max(x for x, _ in face)
    top, bottom = min(y for _, y in face), max(y for _, y in face)
    columns, rows, dark, runs = set(), set(), 0, 0
    # Clear of the face's edges, where a focus mark or the bevel may lie.
    for y in range(top + 4, bottom - 3):
        in_run = False
        for x in range(left + 4, right - 3):
            r, g, b = at(x, y)
            if r + g + b < 3 * 0xB0 and b < 200:
                columns.add(x)
                rows.add(y)
            is_dark = r + g + b < 3 * 0x60
            dark += is_dark
            runs += is_dark and not in_run
            in_run = is_dark
    return (max(columns) - min(columns) + 1, max(rows) - min(rows) + 1, dark / max(runs, 1))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__.split("\n\n")[1])
    for path in sys.argv[1:]:
        ink_width, ink_height, stroke = measure(path)
        print(f"{path}: START ink {ink_width} x {ink_height} px, mean dark run {stroke:.2f} px")


if __name__ == "__main__":
    main()
