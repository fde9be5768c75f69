#!/usr/bin/env python3
"""Draws Kennwerk's pictures: the 18 x 22 logo (logo.png) and the program icon (kennwerk.ico).

Run it from anywhere after changing a picture; it writes both files beside itself, and the
generated files are committed, so the build never needs this program. Only Python's standard
library is used: zlib and struct are enough to write PNG and ICO files.

    python3 resources/draw_resources.py [--preview DIR]

With --preview, every icon image is also written to DIR as a PNG, to look at.
"""

import argparse
import math
import pathlib
import struct
import zlib

LOCK = (86, 114, 52)         # the padlock's dark green
BACKGROUND = (149, 185, 104)  # the window's green, behind the lock

ICON_SIZES = (256, 128, 64, 48, 32, 16)  # 256 is stored as PNG, the others as 32-bit bitmaps


def mix(coverage):
    """The colour of a pixel that the lock covers by the given fraction (0 to 1)."""
    return tuple(round(b + (l - b) * coverage) for l, b in zip(LOCK, BACKGROUND))


# The logo, pixel by pixel: '#' is the lock, '+' and '-' are lighter shades on its edges
# (two thirds and one third of the lock's colour), '.' is the background.
LOGO_ROWS = (
    ".....-######-.....",  # 0: the top of the shackle's arch
    "...-##########-...",
    "...####+..+####...",
    "...###......###...",
    "...###......###...",
    "...###......###...",
    "...###......###...",
    "...###......###...",
    "...###......###...",
    "...###......###...",
    "...###......###...",  # 10: the arms end on the body
    "+################+",  # 11: the body, full width
    "##################",
    "##-............-##",
    "##..............##",
    "##..............##",
    "##..............##",
    "##..............##",
    "##-............-##",  # 18
    "##################",
    "##################",
    "+################+",  # 21
)
LOGO_SHADES = {"#": 1.0, "+": 2 / 3, "-": 1 / 3, ".": 0.0}


# At 16 x 16 sampled curves blur, so the smallest icon is set by hand in the same manner.
ICON_16_ROWS = (
    "................",
    "......-##-......",
    ".....#-..-#.....",
    "....-#....#-....",
    "....#......#....",
    "....#......#....",
    "....#......#....",
    "..+##########+..",
    "..#..........#..",
    "..#...-##-...#..",
    "..#...-##-...#..",
    "..#....##....#..",
    "..#....##....#..",
    "..#..........#..",
    "..+##########+..",
    "................",
)


def draw_pixels(rows, width, height):
    assert len(rows) == height and all(len(row) == width for row in rows)
    return [[mix(LOGO_SHADES[c]) for c in row] for row in rows]


# The icon is drawn from shapes in pixel units, each pixel sampled on a grid so that the curves
# get smooth edges. Straight edges are snapped to whole pixels to stay sharp at small sizes.
def icon_geometry(size):
    stroke = max(1, round(size * 0.075))
    left = round(size * 0.16)
    right = size - left
    top = round(size * 0.46)
    bottom = size - round(size * 0.08)
    arm_inset = round(size * 0.12) + stroke / 2  # the shackle's centre line from the body's side
    return {
        "stroke": stroke,
        "body": (left, top, right, bottom),
        "radius": size * 0.06,
        "shackle_x": (left + arm_inset, right - arm_inset),
        "shackle_top": round(size * 0.07) + stroke / 2,
        "keyhole": (size / 2, top + (bottom - top) * 0.42, max(1.0, size * 0.055)),
    }


def rounded_box_distance(x, y, box, radius):
    """Signed distance from (x, y) to the edge of a box with rounded corners; negative inside."""
    left, top, right, bottom = box
    cx, cy = (left + right) / 2, (top + bottom) / 2
    qx = abs(x - cx) - ((right - left) / 2 - radius)
    qy = abs(y - cy) - ((bottom - top) / 2 - radius)
    outside = math.hypot(max(qx, 0), max(qy, 0))
    return outside + min(max(qx, qy), 0) - radius


def in_icon_lock(x, y, g):
    half = g["stroke"] / 2
    left, top, right, bottom = g["body"]
    # The body: a rounded box drawn as an outline, its stroke inside the box.
    if abs(rounded_box_distance(x, y, g["body"], g["radius"]) + half) <= half:
        return True
    # The shackle: a U of the same stroke, a half circle on two straight arms ending in the body.
    x0, x1 = g["shackle_x"]
    radius = (x1 - x0) / 2
    centre_x, centre_y = (x0 + x1) / 2, g["shackle_top"] + radius
    if y <= centre_y:
        if abs(math.hypot(x - centre_x, y - centre_y) - radius) <= half:
            return True
    elif y <= top + half and (abs(x - x0) <= half or abs(x - x1) <= half):
        return True
    # The keyhole: a round head and a slot below it.
    kx, ky, kr = g["keyhole"]
    if math.hypot(x - kx, y - ky) <= kr:
        return True
    slot_bottom = ky + (bottom - ky) * 0.55
    return ky <= y <= slot_bottom and abs(x - kx) <= kr * 0.45 + (y - ky) * 0.12


def draw_icon(size, samples=8):
    g = icon_geometry(size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = sum(
                in_icon_lock(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples, g)
                for sy in range(samples)
                for sx in range(samples)
            )
            row.append(mix(hits / (samples * samples)))
        rows.append(row)
    return rows


def png_bytes(rows):
    """A PNG file: 8 bits per channel, RGB without alpha, not interlaced."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_bitmap_bytes(rows):
    """An icon image as a 32-bit bitmap: header, colour rows from the bottom, then the mask."""
    size = len(rows)
    colour = b"".join(bytes((b, g, r, 255)) for row in reversed(rows) for (r, g, b) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # all opaque: the square fills the whole image
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def ico_bytes(images):
    """An .ico file from (size, image bytes) pairs; 256 is written as 0 in the directory."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        side = 0 if size == 256 else size
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
        data += image
    return directory + entries + data


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", type=pathlib.Path, help="also write each icon image here")
    args = parser.parse_args()
    here = pathlib.Path(__file__).resolve().parent

    (here / "logo.png").write_bytes(png_bytes(draw_pixels(LOGO_ROWS, 18, 22)))
    images = []
    for size in ICON_SIZES:
        if size == 16:
            rows = draw_pixels(ICON_16_ROWS, 16, 16)
        else:
            rows = draw_icon(size, samples=4 if size > 64 else 8)
        images.append((size, png_bytes(rows) if size == 256 else icon_bitmap_bytes(rows)))
        if args.preview:
            args.preview.mkdir(parents=True, exist_ok=True)
            (args.preview / f"icon-{size}.png").write_bytes(png_bytes(rows))
    (here / "kennwerk.ico").write_bytes(ico_bytes(images))


if __name__ == "__main__":
    main()
