#!/usr/bin/env python3
"""Draws the processor logos of Cpumod5Glossa as SVG files.

The badges follow Cpumod12Glossa's (frame, stroked letters, ribbon; its
script draws the letters), in this generation's colours: a dusk background
with a low arc across it.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod5/pictures/make_logos.py
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
    "vantor": ("#1c1440", "#4a3a8c", "#d6ccff", "#ffffff"),
    "bastra": ("#1a1d24", "#4d5666", "#a9b3c2", "#f2f4f8"),
    "corvid": ("#123326", "#35805c", "#c9f2d8", "#ffffff"),
    "dunlin": ("#4a2208", "#b55d1c", "#ffe0b8", "#ffffff"),
}

# Bitmap id: family, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    105: ("corvid", "CORVID M", "MOBILE", "#a8e6bf", "Corvid M"),
    106: ("corvid", "CORVID M", "MOBILE", "#f2d16b", "Corvid M, second model"),
    107: ("dunlin", "DUNLIN M", "MOBILE", "#ffd199", "Dunlin M"),
    108: ("dunlin", "DUNLIN M", "PROCESSOR", "#ffb36b", "Dunlin M of the two-core model"),
    109: ("vantor", "SOLO", "MOBILE", "#b9a8ff", "Vantor Solo"),
    110: ("vantor", "DUO", "MOBILE", "#ff9fc0", "Vantor Duo"),
    111: ("bastra", "BASTRA", "SERVER", "#8a95a8", "Bastra"),
    112: ("corvid", "CORVID", "DUAL-CORE", "#7fd6a6", "Corvid Dual-Core"),
    113: ("dunlin", "DUNLIN", "PROCESSOR", "#ffd199", "Dunlin"),
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
        # The arc: a light band low across the badge.
        '<path d="M6,78 Q80,46 154,78 L154,86 Q80,56 6,86 Z" fill="#ffffff" fill-opacity="0.14"/>',
    ]
    if family == "vantor":
        parts.append(LETTERS.text("QUARN", 80, 11, 6, ink, 1.2))
        parts.append(LETTERS.text("VANTOR", 80, 22, 9, ink, 1.6))
        parts.append(LETTERS.text(big, 80, 40, 22, ink, 3.6))
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
