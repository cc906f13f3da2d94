#!/usr/bin/env python3
"""Draws the processor logos of Cpumod6Glossa as SVG files.

The badges follow Cpumod12Glossa's (frame, stroked letters, ribbon; its
script draws the letters), in this generation's colours: a dark background
under three thin horizontal rules, as the oldest family's boxes had.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod6/pictures/make_logos.py
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
    "bastra": ("#14161c", "#3c4452", "#9aa4b4", "#f2f4f8"),
    "corvid": ("#06263f", "#1c5a8a", "#b9dcf5", "#ffffff"),
    "dunlin": ("#4a1a04", "#a6501a", "#ffd9ad", "#ffffff"),
}

# Bitmap id: family, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    110: ("corvid", "CORVID 4", "PROCESSOR", "#8fd0ff", "Corvid 4"),
    111: ("corvid", "CORVID 4", "MOBILE", "#c6f08a", "Mobile Corvid 4"),
    112: ("corvid", "CORVID D", "DUAL CORE", "#ffc46b", "Corvid D"),
    113: ("dunlin", "DUNLIN D", "PROCESSOR", "#ffd199", "Dunlin D"),
    114: ("bastra", "BASTRA", "SERVER", "#8a95a8", "Bastra"),
    115: ("bastra", "BASTRA", "DUAL CORE", "#c0c8d6", "Bastra two-core"),
}


def badge(bitmap_id, family, big, ribbon, ribbon_colour, line):
    top, bottom, rim, ink = FAMILIES[family]
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
        f'viewBox="0 0 {WIDTH} {HEIGHT}">',
        f"<title>Quarn {line} (logo {bitmap_id})</title>",
        "<defs>",
        f'<linearGradient id="back" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>',
        "</defs>",
        f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="10" fill="url(#back)" '
        f'stroke="{rim}" stroke-width="4"/>',
    ]
    # Three thin rules across the badge, under the letters.
    for y in (30, 62, 78):
        parts.append(f'<rect x="6" y="{y}" width="{WIDTH - 12}" height="2" fill="{rim}" fill-opacity="0.35"/>')
    parts.append(LETTERS.text("QUARN", 80, 12, 8, ink, 1.4))
    parts.append(LETTERS.text(big, 80, 40, 16, ink, 3.0))
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
