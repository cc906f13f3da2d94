#!/usr/bin/env python3
"""Draws the pictures of Glossa, the host's language module, as SVG files.

  picture-131-page-background.svg    background of the result pages
  picture-132-maker-logo.svg         the maker's logo on every page
  picture-133-splash-background.svg  background of the splash and the about box
  picture-134-advisory-mark.svg      the mark beside a frequency advisory
  picture-149-program-icon.svg       the program's icon

Letters are strokes of a small built-in alphabet, so the pictures need no
font. Pure red (#FF0000) is the transparent colour of the logo controls, so
it is never used inside a picture.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/glossa/pictures/make_pictures.py
"""

from pathlib import Path

# Strokes of each glyph on a 4 x 6 grid (y grows downwards).
GLYPHS = {
    "A": [[(0, 6), (2, 0), (4, 6)], [(0.7, 4), (3.3, 4)]],
    "D": [[(0, 0), (0, 6), (2.5, 6), (4, 4.5), (4, 1.5), (2.5, 0), (0, 0)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    "O": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "Q": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)], [(2.5, 4.5), (4, 6)]],
    "R": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(2, 3), (4, 6)]],
    "S": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "U": [[(0, 0), (0, 5), (1, 6), (3, 6), (4, 5), (4, 0)]],
    "!": [[(2, 0), (2, 4)], [(2, 5.6), (2, 5.8)]],
    " ": [],
}
NARROW = {" ": 3, "!": 4}

NAVY = "#0B2C4D"
BLUE = "#0860A8"  # the colour of the reported values, RGB(8, 96, 168)
SKY = "#6FB3E8"
AMBER = "#F2A900"
WHITE = "#FFFFFF"


def advance(character):
    return NARROW.get(character, 5)


def text(content, centre_x, top, cap_height, colour, weight=None):
    """A centred line of stroked capitals cap_height tall."""
    scale = cap_height / 6.0
    width = (sum(advance(c) for c in content) - 1) * scale
    x = centre_x - width / 2
    pieces = []
    for character in content:
        for stroke in GLYPHS[character]:
            pieces.append("M" + " L".join(f"{x + px * scale:.1f},{top + py * scale:.1f}" for px, py in stroke))
        x += advance(character) * scale
    stroke_width = weight if weight is not None else max(1.2, cap_height / 7.0)
    return (f'<path d="{" ".join(pieces)}" fill="none" stroke="{colour}" stroke-width="{stroke_width:.1f}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def document(width, height, body, title):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n<title>{title}</title>\n' + "\n".join(body) + "\n</svg>\n")


def gradient(identifier, top, bottom, vertical=True):
    x2, y2 = ("0", "1") if vertical else ("1", "0")
    return (f'<linearGradient id="{identifier}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>')


def page_background():
    width, height = 480, 360
    body = [f"<defs>{gradient('sky', '#F4F8FC', '#DCE8F3')}</defs>",
            f'<rect width="{width}" height="{height}" fill="url(#sky)"/>']
    # Faint circuit traces along the bottom.
    for index in range(8):
        y = height - 20 - index * 9
        x = 40 + index * 30
        body.append(f'<path d="M0,{y} H{x} L{x + 12},{y - 12} H{width}" fill="none" stroke="{SKY}" '
                    f'stroke-opacity="0.25" stroke-width="1.5"/>')
        body.append(f'<circle cx="{x + 12}" cy="{y - 12}" r="2.5" fill="{SKY}" fill-opacity="0.35"/>')
    return document(width, height, body, "Page background")


def maker_logo():
    width, height = 120, 48
    body = [
        # An orbit around the wordmark.
        f'<ellipse cx="60" cy="24" rx="56" ry="20" fill="none" stroke="{BLUE}" stroke-width="3"/>',
        f'<path d="M18,38 Q60,52 104,14" fill="none" stroke="{AMBER}" stroke-width="3" stroke-linecap="round"/>',
        text("QUARN", 60, 15, 18, NAVY, 3.2),
    ]
    return document(width, height, body, "Quarn")


def splash_background():
    width, height = 400, 240
    # Dark above, where the name stands; light below, where the dialogs put
    # their texts in the dialog's own (dark) text colour.
    band = 150
    body = [f"<defs>{gradient('night', NAVY, BLUE)}{gradient('paper', '#F4F8FC', '#DCE8F3')}</defs>",
            f'<rect width="{width}" height="{height}" fill="url(#paper)"/>',
            f'<rect width="{width}" height="{band}" fill="url(#night)"/>']
    # Concentric arcs: a frequency gauge seen from the side.
    for index, radius in enumerate((50, 70, 90, 110)):
        body.append(f'<path d="M{330 - radius},{band} A{radius},{radius} 0 0 1 {330 + radius},{band}" '
                    f'fill="none" stroke="{SKY}" stroke-opacity="{0.5 - index * 0.1:.1f}" stroke-width="2"/>')
    body.append(f'<path d="M330,{band} L{330 - 60},{band - 80}" stroke="{AMBER}" stroke-width="4" '
                f'stroke-linecap="round"/>')
    body.append(text("QUARN", 120, 34, 18, WHITE, 3))
    body.append(text("SONDREL", 120, 70, 28, WHITE, 4))
    body.append(f'<rect x="0" y="{band}" width="{width}" height="4" fill="{AMBER}"/>')
    return document(width, height, body, "Sondrel")


def advisory_mark():
    width, height = 32, 32
    body = [f'<path d="M16,2 L31,29 H1 Z" fill="{AMBER}" stroke="{NAVY}" stroke-width="1.5" '
            f'stroke-linejoin="round"/>',
            text("!", 16, 10, 14, NAVY, 3)]
    return document(width, height, body, "Advisory")


def program_icon():
    width, height = 64, 64
    body = [f"<defs>{gradient('chip', BLUE, NAVY)}</defs>"]
    # Pins on the four sides of a processor package.
    for offset in (16, 26, 36, 46):
        body.append(f'<rect x="{offset}" y="2" width="3" height="8" fill="{SKY}"/>')
        body.append(f'<rect x="{offset}" y="54" width="3" height="8" fill="{SKY}"/>')
        body.append(f'<rect x="2" y="{offset}" width="8" height="3" fill="{SKY}"/>')
        body.append(f'<rect x="54" y="{offset}" width="8" height="3" fill="{SKY}"/>')
    body.append('<rect x="9" y="9" width="46" height="46" rx="5" fill="url(#chip)"/>')
    body.append(f'<path d="M18,44 A16,16 0 1 1 46,44" fill="none" stroke="{SKY}" stroke-width="3" '
                f'stroke-linecap="round"/>')
    body.append(f'<path d="M32,40 L42,24" stroke="{AMBER}" stroke-width="3.5" stroke-linecap="round"/>')
    body.append(f'<circle cx="32" cy="40" r="3.5" fill="{WHITE}"/>')
    return document(width, height, body, "Sondrel")


PICTURES = {
    "picture-131-page-background.svg": page_background,
    "picture-132-maker-logo.svg": maker_logo,
    "picture-133-splash-background.svg": splash_background,
    "picture-134-advisory-mark.svg": advisory_mark,
    "picture-149-program-icon.svg": program_icon,
}


def main():
    here = Path(__file__).resolve().parent
    for name, draw in PICTURES.items():
        (here / name).write_text(draw(), encoding="ascii")


if __name__ == "__main__":
    main()
