#!/usr/bin/env python3
"""Draws the processor logos of Cpumod7Glossa as SVG files.

Every logo is a badge of its product line (Vantor 2, Bastra, Corvid,
Dunlin, Ember): the line sets the frame and the background, the ribbon
names the variant (Duo, Quad, Solo, Extreme). Letters are strokes of
Cpumod12Glossa's small alphabet (its script draws them), so the pictures
need no font.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod7/pictures/make_logos.py
"""

import importlib.util
from pathlib import Path

HERE = Path(__file__).resolve().parent
_SOURCE = importlib.util.spec_from_file_location(
    "cpumod12_logos", HERE.parents[1] / "cpumod12" / "pictures" / "make_logos.py")
LETTERS = importlib.util.module_from_spec(_SOURCE)
_SOURCE.loader.exec_module(LETTERS)
text = LETTERS.text

WIDTH, HEIGHT = 160, 120

# Lines: frame, background gradient and the colour of their texts.
LINES = {
    "vantor2": {"rim": "#e3ecff", "ink": "#ffffff", "back": ("#10204a", "#3a64b8")},
    "bastra": {"rim": "#9aa3b2", "ink": "#f2f4f8", "back": ("#16181d", "#4a505c")},
    "corvid": {"rim": "#c9f2d8", "ink": "#ffffff", "back": ("#0c4a2c", "#2f8f5b")},
    "dunlin": {"rim": "#ffe0b8", "ink": "#ffffff", "back": ("#6b2a00", "#d9730d")},
    "ember": {"rim": "#ffd0c8", "ink": "#ffffff", "back": ("#4a0d18", "#c2344a")},
}

# Bitmap id: line, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    105: ("vantor2", "2", "SOLO", "#9fd3ff", "Vantor 2 Solo"),
    106: ("vantor2", "2", "EXTREME", "#f7d154", "Vantor 2 Extreme"),
    108: ("vantor2", "2", "DUO", "#ffffff", "Vantor 2 Duo"),
    109: ("bastra", "BASTRA", "SERVER", "#7f8a9c", "Bastra"),
    110: ("vantor2", "2", "QUAD", "#ff9f6b", "Vantor 2 Quad"),
    111: ("corvid", "CORVID", "DUAL CORE", "#a8e6bf", "Corvid Dual-Core"),
    112: ("dunlin", "DUNLIN", "PROCESSOR", "#ffd199", "Dunlin"),
    115: ("ember", "EMBER", "PROCESSOR", "#ffb3a6", "Ember"),
}

DARK_INK = "#1b1b24"


def badge(bitmap_id, line, big, ribbon, ribbon_colour, name):
    style = LINES[line]
    top, bottom = style["back"]
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
        f'viewBox="0 0 {WIDTH} {HEIGHT}">',
        f"<title>Quarn {name} (logo {bitmap_id})</title>",
        "<defs>",
        f'<linearGradient id="back" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>',
        '<linearGradient id="shine" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="#ffffff" stop-opacity="0.35"/>'
        '<stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/></linearGradient>',
        "</defs>",
        f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="16" fill="url(#back)" '
        f'stroke="{style["rim"]}" stroke-width="4"/>',
    ]
    if line == "vantor2":
        # The second Vantor line: the name over a large figure 2 in a ring.
        parts.append('<circle cx="80" cy="56" r="24" fill="none" stroke="#ffffff" stroke-opacity="0.25" '
                     'stroke-width="5"/>')
        parts.append(text("QUARN", 80, 9, 6, style["ink"], 1.2))
        parts.append(text("VANTOR", 80, 19, 8, style["ink"], 1.6))
        parts.append(text(big, 80, 38, 34, style["ink"], 6.0))
    else:
        # The other lines: a band in the ribbon's colour over the frame's top edge.
        parts.append(f'<rect x="20" y="3" width="{WIDTH - 40}" height="6" fill="{ribbon_colour}"/>')
        parts.append(text("QUARN", 80, 16, 7, style["ink"], 1.3))
        parts.append(text(big, 80, 40, 18, style["ink"], 3.2))
    parts.append(f'<rect x="6" y="86" width="{WIDTH - 12}" height="22" fill="{ribbon_colour}"/>')
    parts.append(text(ribbon, 80, 92, 10, DARK_INK, 1.9))
    parts.append(f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="16" fill="url(#shine)"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def file_name(bitmap_id):
    line, big, ribbon, _, _ = LOGOS[bitmap_id]
    words = [line] + big.lower().split() + ribbon.lower().split()
    return f"logo-{bitmap_id}-" + "-".join(dict.fromkeys(words)) + ".svg"


def main():
    directory = Path(__file__).resolve().parent
    for bitmap_id, logo in sorted(LOGOS.items()):
        (directory / file_name(bitmap_id)).write_text(badge(bitmap_id, *logo))
        print(f'"{bitmap_id}": "pictures/{file_name(bitmap_id)}",')


if __name__ == "__main__":
    main()
