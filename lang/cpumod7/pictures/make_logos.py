#!/usr/bin/env python3
"""Draws the processor logos of Cpumod7Glossa as SVG files.

Every logo is a badge of its product line (Vantor 2, Bastra, Corvid,
Dunlin, Ember): the line sets the frame and the background, the ribbon
names the variant (Duo, Quad, Solo, Extreme). Letters are drawn as
strokes of a small built-in alphabet, so the pictures need no font.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod7/pictures/make_logos.py
"""

from pathlib import Path

WIDTH, HEIGHT = 160, 120

# Strokes of each glyph on a 4 x 6 grid (y grows downwards); each stroke is
# a list of points joined by lines.
GLYPHS = {
    "A": [[(0, 6), (2, 0), (4, 6)], [(0.7, 4), (3.3, 4)]],
    "B": [[(0, 3), (3, 3), (4, 2), (4, 1), (3, 0), (0, 0), (0, 6), (3, 6), (4, 5), (4, 4), (3, 3)]],
    "C": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5)]],
    "D": [[(0, 0), (0, 6), (2.5, 6), (4, 4.5), (4, 1.5), (2.5, 0), (0, 0)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "G": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5), (4, 3), (2, 3)]],
    "I": [[(2, 0), (2, 6)], [(1, 0), (3, 0)], [(1, 6), (3, 6)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "M": [[(0, 6), (0, 0), (2, 3), (4, 0), (4, 6)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    "O": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "P": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)]],
    "Q": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)], [(2.5, 4.5), (4, 6)]],
    "R": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(2, 3), (4, 6)]],
    "S": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "T": [[(0, 0), (4, 0)], [(2, 0), (2, 6)]],
    "U": [[(0, 0), (0, 5), (1, 6), (3, 6), (4, 5), (4, 0)]],
    "V": [[(0, 0), (2, 6), (4, 0)]],
    "X": [[(0, 0), (4, 6)], [(4, 0), (0, 6)]],
    "Z": [[(0, 0), (4, 0), (0, 6), (4, 6)]],
    "0": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)], [(3.5, 0.8), (0.5, 5.2)]],
    "1": [[(1, 1), (2, 0), (2, 6)], [(1, 6), (3, 6)]],
    "2": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2), (0, 6), (4, 6)]],
    "3": [[(0, 1), (1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1.5, 3)],
          [(3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "4": [[(3, 6), (3, 0), (0, 4), (4, 4)]],
    "5": [[(4, 0), (0, 0), (0, 3), (3, 3), (4, 4), (4, 5), (3, 6), (0, 6)]],
    "6": [[(4, 0), (2, 0), (0, 2), (0, 5), (1, 6), (3, 6), (4, 5), (4, 4), (3, 3), (0, 3)]],
    "7": [[(0, 0), (4, 0), (1.5, 6)]],
    "8": [[(1, 0), (3, 0), (4, 1), (4, 2), (3, 3), (1, 3), (0, 2), (0, 1), (1, 0)],
          [(1, 3), (0, 4), (0, 5), (1, 6), (3, 6), (4, 5), (4, 4), (3, 3)]],
    "9": [[(0, 6), (2, 6), (4, 4), (4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (4, 3)]],
    "i": [[(1, 2.2), (1, 6)], [(1, 0.3), (1, 0.5)]],
    "m": [[(0, 6), (0, 2)], [(0, 3), (1, 2), (2, 3), (2, 6)], [(2, 3), (3, 2), (4, 3), (4, 6)]],
    "-": [[(0.5, 3), (3.5, 3)]],
    " ": [],
}
# Advance of each glyph in grid units; the others advance 5.
NARROW = {"i": 3, " ": 3}


def advance(character):
    return NARROW.get(character, 5)


def text(content, centre_x, top, cap_height, colour, weight=None):
    """A centred line of stroked text whose capitals are cap_height tall."""
    scale = cap_height / 6.0
    width = (sum(advance(c) for c in content) - 1) * scale
    x = centre_x - width / 2
    pieces = []
    for character in content:
        for stroke in GLYPHS[character]:
            points = " L".join(f"{x + px * scale:.1f},{top + py * scale:.1f}" for px, py in stroke)
            pieces.append("M" + points)
        x += advance(character) * scale
    stroke_width = weight if weight is not None else max(1.2, cap_height / 7.0)
    return (f'<path d="{" ".join(pieces)}" fill="none" stroke="{colour}" stroke-width="{stroke_width:.1f}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


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
