#!/usr/bin/env python3
"""Draws the processor logos of Cpumod4Glossa as SVG files.

The badges follow Cpumod12Glossa's (frame, stroked letters, tier ribbon;
its script draws the letters), in this generation's colours: a slate
background crossed by a light sweep.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod4/pictures/make_logos.py
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
    "corvid": ("#1c2c5c", "#4a6fc2", "#d6e2ff", "#ffffff"),
    "bastra": ("#1a1d24", "#4d5666", "#a9b3c2", "#f2f4f8"),
    "dunlin": ("#5a2606", "#c0651a", "#ffe0b8", "#ffffff"),
}

# Bitmap id: family, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    105: ("corvid", "CORVID 4", "PROCESSOR", "#9db8ff", "Corvid 4"),
    106: ("corvid", "CORVID 4", "ADVANCED", "#f7d154", "Corvid 4, later steppings"),
    107: ("bastra", "BASTRA", "SERVER", "#8a95a8", "Bastra"),
    108: ("dunlin", "DUNLIN", "PROCESSOR", "#ffd199", "Dunlin"),
    109: ("corvid", "CORVID 4", "MOBILE", "#8fe0c8", "Mobile Corvid 4"),
    110: ("corvid", "CORVID 4 M", "MOBILE", "#c7a8ff", "Mobile Corvid 4 - M"),
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
        f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="10" fill="url(#back)" '
        f'stroke="{rim}" stroke-width="4"/>',
        # The sweep: a light band from the lower left to the upper right.
        '<path d="M6,70 C50,40 100,30 154,14 L154,30 C104,44 56,56 6,86 Z" fill="#ffffff" '
        'fill-opacity="0.12"/>',
    ]
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
