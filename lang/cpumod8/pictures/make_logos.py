#!/usr/bin/env python3
"""Draws the processor logos of Cpumod8Glossa as SVG files.

The badges follow Cpumod12Glossa's (frame, stroked letters, tier ribbon;
its script draws the letters), in this generation's colours: a slate
background under fine horizontal rules.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod8/pictures/make_logos.py
"""

import importlib.util
from pathlib import Path

HERE = Path(__file__).resolve().parent
_SOURCE = importlib.util.spec_from_file_location(
    "cpumod12_logos", HERE.parents[1] / "cpumod12" / "pictures" / "make_logos.py")
LETTERS = importlib.util.module_from_spec(_SOURCE)
_SOURCE.loader.exec_module(LETTERS)

WIDTH, HEIGHT = 160, 120
DARK_INK = "#1b1b24"

# Family: background gradient, frame and ink.
FAMILIES = {
    "vantor": ("#1c2233", "#4a5878", "#d0d8ea", "#ffffff"),
    "bastra": ("#141414", "#3d3d45", "#b8b8c4", "#f2f4f8"),
    "corvid": ("#1f3322", "#4f7a52", "#d2ecd4", "#ffffff"),
    "dunlin": ("#3f2410", "#8a5a2e", "#f3dcc2", "#ffffff"),
}

# Bitmap id: family, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    110: ("vantor", "i7", "PROCESSOR", "#ff7a6b", "Vantor i7"),
    111: ("vantor", "i7", "EXTREME", "#f7d154", "Vantor i7 Extreme Edition"),
    112: ("vantor", "i5", "PROCESSOR", "#ffbd5c", "Vantor i5"),
    113: ("vantor", "i3", "PROCESSOR", "#7cc8ff", "Vantor i3"),
    109: ("bastra", "BASTRA", "SERVER", "#8a95a8", "Bastra"),
    114: ("corvid", "CORVID", "PROCESSOR", "#a8e6bf", "Corvid"),
    115: ("dunlin", "DUNLIN", "PROCESSOR", "#ffd199", "Dunlin"),
}


def badge(bitmap_id, family, big, ribbon, ribbon_colour, line):
    top, bottom, rim, ink = FAMILIES[family]
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
        f'viewBox="0 0 {WIDTH} {HEIGHT}">',
        f"<title>Quarn {line} (logo {bitmap_id})</title>",
        "<defs>",
        f'<linearGradient id="back" x1="0" y1="0" x2="1" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>',
        "</defs>",
        f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="4" fill="url(#back)" '
        f'stroke="{rim}" stroke-width="4"/>',
        # Fine horizontal rules across the background.
        '<path d="' + " ".join(f"M8,{y} L152,{y}" for y in range(10, 86, 6)) + '" stroke="#ffffff" '
        'stroke-opacity="0.07" stroke-width="2"/>',
    ]
    if family == "vantor":
        parts.append(LETTERS.text("QUARN", 80, 11, 6, ink, 1.2))
        parts.append(LETTERS.text("VANTOR", 80, 22, 9, ink, 1.6))
        parts.append(LETTERS.text(big, 80, 38, 36, ink, 6.0))
    else:
        parts.append(LETTERS.text("QUARN", 80, 16, 7, ink, 1.3))
        parts.append(LETTERS.text(big, 80, 40, 18, ink, 3.2))
    parts.append(f'<rect x="6" y="86" width="{WIDTH - 12}" height="22" fill="{ribbon_colour}"/>')
    parts.append(LETTERS.text(ribbon, 80, 92, 10, DARK_INK, 1.9))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def file_name(bitmap_id):
    family, big, ribbon, _, _ = LOGOS[bitmap_id]
    words = [family] + big.lower().split() + ribbon.lower().split()
    return f"logo-{bitmap_id}-" + "-".join(dict.fromkeys(words)) + ".svg"


def main():
    for bitmap_id, logo in sorted(LOGOS.items()):
        (HERE / file_name(bitmap_id)).write_text(badge(bitmap_id, *logo))
        print(f'"{bitmap_id}": "pictures/{file_name(bitmap_id)}",')


if __name__ == "__main__":
    main()
