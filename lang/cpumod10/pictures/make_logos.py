#!/usr/bin/env python3
"""Draws the processor logos of Cpumod10Glossa as SVG files.

The badges share the stroked alphabet and the badge layout of Cpumod12's
logos (lang/cpumod12/pictures/make_logos.py); this generation adds the Ember
family, whose badge colour follows the generation of the part. Letters are
strokes, so the pictures need no font.

Run it from anywhere; it rewrites the SVG files beside itself:
    python3 lang/cpumod10/pictures/make_logos.py
"""

import runpy
from pathlib import Path
from types import SimpleNamespace

HERE = Path(__file__).resolve().parent
# Cpumod12's drawing code, run as a library (its main() does not run).
badges = SimpleNamespace(**runpy.run_path(
    str(HERE.parent.parent / "cpumod12" / "pictures" / "make_logos.py"), run_name="cpumod12_logos"))

badges.FAMILIES["ember"] = {"rim": "#ffd2b0", "ink": "#ffffff"}
# Ember badges by generation: netbook (2), tablet (3), later tablet (4), x series.
badges.BACKGROUNDS[("ember", 2)] = ("#5a1a00", "#c2410c")
badges.BACKGROUNDS[("ember", 3)] = ("#4a0d2e", "#b8336a")
badges.BACKGROUNDS[("ember", 4)] = ("#3a0a52", "#8a3bc4")
badges.BACKGROUNDS[("ember", "x")] = ("#1c1c28", "#55557a")
badges.BACKGROUNDS[("dunlin", 10)] = ("#6b2a00", "#d9730d")
badges.BACKGROUNDS[("corvid", 10)] = ("#0c4a2c", "#2f8f5b")

# Bitmap id: family, series, big text, ribbon text, ribbon colour, product line.
LOGOS = {
    110: ("ember", 2, "EMBER", "NETTOP", "#ffb38a", "Ember, netbook parts"),
    111: ("ember", 3, "EMBER", "TABLET", "#ff9ec4", "Ember, tablet parts"),
    112: ("ember", 4, "EMBER", "SERIES 4", "#d9b3ff", "Ember, series 4"),
    113: ("dunlin", 10, "DUNLIN", "PROCESSOR", "#ffd199", "Dunlin"),
    114: ("corvid", 10, "CORVID", "PROCESSOR", "#a8e6bf", "Corvid"),
    115: ("ember", "x", "EMBER", "X5", "#c0c4cc", "Ember x5"),
    116: ("ember", "x", "EMBER", "X7", "#d4af37", "Ember x7"),
    117: ("ember", "x", "EMBER", "X SERIES", "#e5e4e2", "Ember x series"),
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
