#!/usr/bin/env python3
"""Draws the processor logos of Cpumod12Glossa as SVG files.

Every logo is a badge of its product family (Vantor, Bastra, Corvid,
Dunlin): the family sets the frame, the background and the layout, the
series and the tier set the colours and the texts. Letters are drawn as
strokes of a small built-in alphabet, so the pictures need no font.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod12/pictures/make_logos.py
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


# Families: frame, background and the colour of their texts.
FAMILIES = {
    "vantor": {"rim": "#d8e6ff", "ink": "#ffffff"},
    "bastra": {"rim": "#9aa3b2", "ink": "#f2f4f8"},
    "corvid": {"rim": "#c9f2d8", "ink": "#ffffff"},
    "dunlin": {"rim": "#ffe0b8", "ink": "#ffffff"},
}

# Background gradients by series (Vantor) or family.
BACKGROUNDS = {
    ("vantor", 6): ("#0b2e6b", "#2566c8"),
    ("vantor", 7): ("#0d2b33", "#1f6f7f"),
    ("vantor", 8): ("#2a0b4f", "#6c33c4"),
    ("bastra", None): ("#16181d", "#4a505c"),
    ("corvid", None): ("#0c4a2c", "#2f8f5b"),
    ("dunlin", None): ("#6b2a00", "#d9730d"),
}

TIER_COLOURS = {
    "i3": "#6cc3ff", "i5": "#ffb347", "i7": "#ff6b6b", "i9": "#c792ff",
    "m3": "#8ee6dc", "m5": "#3fc1b0", "m7": "#1f9c8c",
    "PLATINUM": "#e5e4e2", "GOLD": "#d4af37", "SILVER": "#c0c4cc", "BRONZE": "#cd7f32",
}

# Bitmap id: family, series, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    120: ("vantor", 6, "m3", "SERIES 6", TIER_COLOURS["m3"], "Vantor m3"),
    121: ("vantor", 6, "m5", "SERIES 6", TIER_COLOURS["m5"], "Vantor m5"),
    122: ("vantor", 6, "m7", "SERIES 6", TIER_COLOURS["m7"], "Vantor m7"),
    116: ("vantor", 6, "i3", "SERIES 6", TIER_COLOURS["i3"], "Vantor i3"),
    117: ("vantor", 6, "i5", "SERIES 6", TIER_COLOURS["i5"], "Vantor i5"),
    118: ("vantor", 6, "i7", "SERIES 6", TIER_COLOURS["i7"], "Vantor i7"),
    106: ("vantor", 6, "i7", "EXTREME", "#f7d154", "Vantor i7 Extreme Edition"),
    164: ("vantor", 7, "i3", "SERIES 7", TIER_COLOURS["i3"], "Vantor i3, series 7"),
    165: ("vantor", 7, "i5", "SERIES 7", TIER_COLOURS["i5"], "Vantor i5, series 7"),
    163: ("vantor", 7, "i7", "SERIES 7", TIER_COLOURS["i7"], "Vantor i7, series 7"),
    168: ("vantor", 7, "m3", "SERIES 7", TIER_COLOURS["m3"], "Vantor m3, series 7"),
    169: ("vantor", 7, "i5", "X SERIES 7", TIER_COLOURS["i5"], "Vantor i5 X, series 7"),
    170: ("vantor", 7, "i7", "X SERIES 7", TIER_COLOURS["i7"], "Vantor i7 X, series 7"),
    171: ("vantor", 7, "i9", "X SERIES 7", TIER_COLOURS["i9"], "Vantor i9 X, series 7"),
    195: ("vantor", 8, "i3", "SERIES 8", TIER_COLOURS["i3"], "Vantor i3, series 8"),
    192: ("vantor", 8, "i5", "SERIES 8", TIER_COLOURS["i5"], "Vantor i5, series 8"),
    191: ("vantor", 8, "i7", "SERIES 8", TIER_COLOURS["i7"], "Vantor i7, series 8"),
    193: ("vantor", 8, "8", "SERIES 8", "#b9c2d0", "Vantor, series 8"),
    196: ("vantor", 8, "i9", "EXTREME", "#f7d154", "Vantor i9 Extreme Edition, series 8"),
    123: ("bastra", None, "BASTRA", "SERVER", "#7f8a9c", "Bastra"),
    166: ("bastra", None, "BASTRA", "PLATINUM", TIER_COLOURS["PLATINUM"], "Bastra Platinum"),
    173: ("bastra", None, "BASTRA", "GOLD", TIER_COLOURS["GOLD"], "Bastra Gold"),
    167: ("bastra", None, "BASTRA", "SILVER", TIER_COLOURS["SILVER"], "Bastra Silver"),
    172: ("bastra", None, "BASTRA", "BRONZE", TIER_COLOURS["BRONZE"], "Bastra Bronze"),
    114: ("corvid", None, "CORVID", "PROCESSOR", "#a8e6bf", "Corvid"),
    198: ("corvid", None, "CORVID", "SERIES 8", "#d6c2ff", "Corvid, series 8"),
    115: ("dunlin", None, "DUNLIN", "PROCESSOR", "#ffd199", "Dunlin"),
}

DARK_INK = "#1b1b24"


def badge(bitmap_id, family, series, big, ribbon, ribbon_colour, line):
    style = FAMILIES[family]
    # A Bastra badge is framed in the metal of its tier.
    rim = ribbon_colour if family == "bastra" else style["rim"]
    top, bottom = BACKGROUNDS[(family, series)]
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
        f'viewBox="0 0 {WIDTH} {HEIGHT}">',
        f"<title>Quarn {line} (logo {bitmap_id})</title>",
        "<defs>",
        f'<linearGradient id="back" x1="0" y1="0" x2="0" y2="1">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>',
        '<linearGradient id="shine" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="#ffffff" stop-opacity="0.35"/>'
        '<stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/></linearGradient>',
        "</defs>",
        f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="16" fill="url(#back)" '
        f'stroke="{rim}" stroke-width="4"/>',
    ]
    if family == "vantor":
        # Series 7 carries diagonal bands, series 8 an inset hexagon.
        if series == 7:
            parts.append('<path d="M40,6 L70,6 L30,86 L6,86 L6,74 Z M86,6 L104,6 L64,86 L46,86 Z" '
                         'fill="#ffffff" fill-opacity="0.08"/>')
        elif series == 8:
            parts.append('<path d="M80,24 L118,42 L118,70 L80,88 L42,70 L42,42 Z" fill="none" '
                         'stroke="#ffffff" stroke-opacity="0.18" stroke-width="6"/>')
        parts.append(text("QUARN", 80, 11, 6, style["ink"], 1.2))
        parts.append(text("VANTOR", 80, 22, 9, style["ink"], 1.6))
        parts.append(text(big, 80, 38, 36, style["ink"], 6.0))
    else:
        # The other families: a tier band over the frame's top edge.
        parts.append(f'<rect x="20" y="3" width="{WIDTH - 40}" height="6" fill="{ribbon_colour}"/>')
        parts.append(text("QUARN", 80, 16, 7, style["ink"], 1.3))
        parts.append(text(big, 80, 40, 18, style["ink"], 3.2))
    parts.append(f'<rect x="6" y="86" width="{WIDTH - 12}" height="22" fill="{ribbon_colour}"/>')
    parts.append(text(ribbon, 80, 92, 10, DARK_INK, 1.9))
    parts.append(f'<rect x="3" y="3" width="{WIDTH - 6}" height="{HEIGHT - 6}" rx="16" fill="url(#shine)"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def file_name(bitmap_id):
    family, series, big, ribbon, _, _ = LOGOS[bitmap_id]
    words = [family] + big.lower().split() + ribbon.lower().split()
    return f"logo-{bitmap_id}-" + "-".join(dict.fromkeys(words)) + ".svg"


def main():
    directory = Path(__file__).resolve().parent
    for bitmap_id, logo in sorted(LOGOS.items()):
        (directory / file_name(bitmap_id)).write_text(badge(bitmap_id, *logo))
        print(f'"{bitmap_id}": "pictures/{file_name(bitmap_id)}",')


if __name__ == "__main__":
    main()
