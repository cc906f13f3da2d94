#!/usr/bin/env python3
"""Draws the processor logos of Cpumod11Glossa as SVG files.

The badges share the stroked alphabet and the badge layout of Cpumod12's
logos (lang/cpumod12/pictures/make_logos.py); this generation adds its own
series colours. Letters are strokes, so the pictures need no font.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod11/pictures/make_logos.py
"""

import runpy
from pathlib import Path
from types import SimpleNamespace

HERE = Path(__file__).resolve().parent
# Cpumod12's drawing code, run as a library (its main() does not run).
badges = SimpleNamespace(**runpy.run_path(
    str(HERE.parent.parent / "cpumod12" / "pictures" / "make_logos.py"), run_name="cpumod12_logos"))

# Series 4 of the Vantor line: a deep teal badge.
badges.BACKGROUNDS[("vantor", 4)] = ("#06303a", "#0f7d8c")
TIER = badges.TIER_COLOURS

# Bitmap id: family, series, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    276: ("vantor", 4, "i3", "SERIES 4", TIER["i3"], "Vantor i3, series 4"),
    277: ("vantor", 4, "i5", "SERIES 4", TIER["i5"], "Vantor i5, series 4"),
    278: ("vantor", 4, "i7", "SERIES 4", TIER["i7"], "Vantor i7, series 4"),
    255: ("vantor", 4, "i7", "EXTREME", "#f7d154", "Vantor i7 Extreme Edition, series 4"),
    283: ("vantor", 4, "M", "MOBILE", "#9fd8e0", "Vantor M, series 4"),
    279: ("bastra", None, "BASTRA", "SERVER", "#7f8a9c", "Bastra, series 4"),
    274: ("dunlin", None, "DUNLIN", "SERIES 4", "#ffd199", "Dunlin, series 4"),
    280: ("corvid", None, "CORVID", "SERIES 4", "#a8e6bf", "Corvid, series 4"),
}


def file_name(bitmap_id):
    family, _, big, ribbon, _, _ = LOGOS[bitmap_id]
    words = [family] + big.lower().split() + ribbon.lower().split()
    return f"logo-{bitmap_id}-" + "-".join(dict.fromkeys(words)) + ".svg"


def main():
    for bitmap_id, logo in sorted(LOGOS.items()):
        (HERE / file_name(bitmap_id)).write_text(badges.badge(bitmap_id, *logo))
        print(f'"{bitmap_id}": "pictures/{file_name(bitmap_id)}",')


if __name__ == "__main__":
    main()
