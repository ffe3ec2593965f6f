#!/usr/bin/env python3
"""Draws the program's pictures and writes them as Windows bitmap and icon files.

    make_pictures.py OUTPUT_FOLDER

Each picture is drawn for the display scales 100, 125, 150 and 200 % (96, 120, 144 and
192 DPI); a size is the 100 % size times DPI / 96, rounded to the nearest pixel.

SidePicture.bmp  100 x 215, 256 colours: the side picture of the main window. Drawn
                 from its shapes at every size, with edges smoothed to the pixel.
Zepplay.ico      32 x 32 and 16 x 16, 16 colours: a program window above blue "EXE";
                 also 40, 48 and 64 pixels from the large design, 20 and 24 from the
                 small one.
FolderGlyph.bmp  16 x 16, 16 colours: an opening folder on silver, the colour that the
                 button treats as transparent (the bottom-left pixel).
The other scales' bitmaps are named with the percentage, as SidePicture-125.bmp.
The icon and the glyph are pixel designs: at a larger scale every design pixel becomes
a block whose edges are the design's edges scaled and rounded, so that they stay crisp.
Only the standard library is used, and the output is the same on every run.
"""
import math
import os
import struct
import sys

# The 16 colours of the standard Windows palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# The display scales as DPI, the first being the size of the designs.
DPIS = (96, 120, 144, 192)


def scaled(value, dpi):
    """value pixels of a 96-DPI screen at dpi, rounded to the nearest (halves up)."""
    return (value * dpi + 48) // 96


# Letters of the pixel drawings below, as indexes into VGA; "." is transparent or silver.
INK = {"k": 0, "o": 3, "n": 4, "s": 7, "g": 8, "y": 11, "b": 12, "w": 15, ".": 7}


def bitmap_info(width, height, bits, palette, image_size):
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0,
                         len(palette), 0)
    return header + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def pack_rows(rows, bits):
    """Pixel rows (top first) as bottom-up rows padded to four bytes."""
    out = bytearray()
    for row in reversed(rows):
        data = bytearray()
        if bits == 8:
            data.extend(row)
        elif bits == 4:
            for i in range(0, len(row), 2):
                data.append(row[i] << 4 | (row[i + 1] if i + 1 < len(row) else 0))
        else:  # 1 bit
            for i in range(0, len(row), 8):
                byte = 0
                for j, value in enumerate(row[i:i + 8]):
                    byte |= (value & 1) << (7 - j)
                data.append(byte)
        data.extend(b"\0" * (-len(data) % 4))
        out.extend(data)
    return bytes(out)


def bmp_file(rows, bits, palette):
    pixels = pack_rows(rows, bits)
    info = bitmap_info(len(rows[0]), len(rows), bits, palette, len(pixels))
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + pixels


def from_art(art):
    return [[INK[c] for c in line] for line in art]


def enlarge(rows, dpi):
    """A pixel design at dpi: design pixel x covers the columns from scaled(x) to
    scaled(x + 1), and so for the rows."""
    def source(count):
        return [x for x in range(count) for _ in range(scaled(x + 1, dpi) - scaled(x, dpi))]
    columns = source(len(rows[0]))
    return [[rows[y][x] for x in columns] for y in source(len(rows))]


# ---- The side picture ----------------------------------------------------------------

SIDE_WIDTH, SIDE_HEIGHT = 100, 215


def mix(colour, other, amount):
    amount = max(0.0, min(1.0, amount))
    return tuple(a + (b - a) * amount for a, b in zip(colour, other))


def edge_coverage(distance):
    """Share of a pixel covered by a shape whose edge is distance pixels away (inside < 0)."""
    return max(0.0, min(1.0, 0.5 - distance))


def side_pixel(x, y, pixel=1.0):
    """The colour at (x, y) in 96-DPI pixels, where a pixel of the picture is pixel
    of them wide: edges are smoothed over one pixel of the picture."""
    def coverage(distance):
        return edge_coverage(distance / pixel)

    top, bottom = (14, 38, 108), (92, 152, 218)
    colour = mix(top, bottom, y / (SIDE_HEIGHT - 1))
    colour = mix(colour, (255, 255, 255), 0.10 * x / SIDE_WIDTH)
    # Three breezes crossing the picture.
    for base, amplitude, phase, width, strength in ((150, 9, 0.0, 5.0, 0.35),
                                                     (170, 11, 1.8, 3.5, 0.25),
                                                     (186, 8, 3.4, 2.5, 0.20)):
        centre = base + amplitude * math.sin(2 * math.pi * x / 120 + phase) - 0.25 * x
        colour = mix(colour, (255, 255, 255), strength * coverage(abs(y - centre) - width))
    # The play button: a white disc with a shadow and a blue triangle.
    cx, cy, radius = 50, 78, 27
    shadow = math.hypot(x - cx - 2, y - cy - 3) - radius
    colour = mix(colour, (0, 0, 40), 0.35 * coverage(shadow))
    disc = math.hypot(x - cx, y - cy) - radius
    colour = mix(colour, mix((255, 255, 255), (200, 220, 245), (y - cy + radius) / (2 * radius)),
                 coverage(disc))
    ring = abs(math.hypot(x - cx, y - cy) - (radius - 4)) - 1.0
    colour = mix(colour, (120, 160, 220), 0.8 * coverage(ring))
    # Triangle pointing right: the largest distance to its three edges.
    edges = ((-1.0, 0.0, cx - 9), (0.5, -0.866, None), (0.5, 0.866, None))
    apex = (cx + 14, cy)
    distance = -(x - (cx - 9))
    for nx, ny, _ in edges[1:]:
        distance = max(distance, nx * (x - apex[0]) + ny * (y - apex[1]))
    colour = mix(colour, (20, 70, 190), coverage(distance))
    # Small stars of light.
    for sx, sy in ((18, 24), (82, 38), (76, 128), (22, 120), (60, 205)):
        glow = math.hypot(x - sx, y - sy)
        colour = mix(colour, (255, 255, 240), max(0.0, 1.0 - glow / 2.2))
    return tuple(int(round(c)) for c in colour)


def quantise(pixels):
    """At most 256 colours: the most used of the colours reduced to 5 bits per channel,
    each pixel drawn in the nearest of them."""
    counts = {}
    for colour in pixels:
        key = tuple(c >> 3 for c in colour)
        counts[key] = counts.get(key, 0) + 1
    chosen = sorted(counts, key=lambda key: (-counts[key], key))[:256]
    palette = [tuple((c << 3) | 4 for c in key) for key in chosen]
    nearest = {}
    for key in counts:
        centre = tuple((c << 3) | 4 for c in key)
        nearest[key] = min(range(len(palette)),
                           key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], centre)))
    indexes = [nearest[tuple(c >> 3 for c in colour)] for colour in pixels]
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, indexes


def side_picture(dpi):
    """The picture at dpi, each pixel sampled at its centre."""
    width, height, pixel = scaled(SIDE_WIDTH, dpi), scaled(SIDE_HEIGHT, dpi), 96 / dpi

    def design(i):
        return (i + 0.5) * pixel - 0.5

    pixels = [side_pixel(design(x), design(y), pixel) for y in range(height) for x in range(width)]
    palette, indexes = quantise(pixels)
    rows = [indexes[y * width:(y + 1) * width] for y in range(height)]
    return bmp_file(rows, 8, palette)


# ---- The program icon ----------------------------------------------------------------

ICON_32 = [
    "................................",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    ".knnnnnnnnnnnnnnnnnnnnnnsksksks.",
    ".knwwwnnnnnnnnnnnnnnnnnnsksksks.",
    ".knnnnnnnnnnnnnnnnnnnnnnnnnnnnk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kwgggggggggwwwwwwwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kwgggggggggggggggggwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kwgggggggggggggwwwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kwggggggggggggggggggggggwwwwwk.",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "................................",
    "................................",
    "................................",
    "................................",
    "..bbbbbbbb..bb....bb..bbbbbbbb..",
    "..bbbbbbbb..bb....bb..bbbbbbbb..",
    "..bb.........bb..bb...bb........",
    "..bb.........bb..bb...bb........",
    "..bbbbbbb.....bbbb....bbbbbbb...",
    "..bbbbbbb......bb.....bbbbbbb...",
    "..bb..........bbbb....bb........",
    "..bb.........bb..bb...bb........",
    "..bb.........bb..bb...bb........",
    "..bbbbbbbb..bb....bb..bbbbbbbb..",
    "..bbbbbbbb..bb....bb..bbbbbbbb..",
    "................................",
    "................................",
]

ICON_16 = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".knnnnnnnnnnnsk.",
    ".kwwwwwwwwwwwwk.",
    ".kwggggwwwwwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwggggggggwwwk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
    ".bbbb.b..b.bbbb.",
    ".b....b..b.b....",
    ".bbb...bb..bbb..",
    ".b....b..b.b....",
    ".bbbb.b..b.bbbb.",
    "................",
]


def icon_image(art, dpi):
    colours = enlarge([[0 if c == "." else INK[c] for c in line] for line in art], dpi)
    mask = enlarge([[1 if c == "." else 0 for c in line] for line in art], dpi)
    size = len(colours)
    xor, and_mask = pack_rows(colours, 4), pack_rows(mask, 1)
    info = bitmap_info(size, 2 * size, 4, VGA, len(xor) + len(and_mask))
    return size, info + xor + and_mask


def icon_file():
    # 32 and 16 first, as the icon has always had them; the small design up to 24 pixels.
    large = [icon_image(ICON_32, dpi) for dpi in DPIS]
    small = [icon_image(ICON_16, dpi) for dpi in DPIS[:3]]
    images = [large[0], small[0]] + large[1:] + small[1:]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


# ---- The folder glyph ----------------------------------------------------------------

FOLDER = [
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kwwwwk..........",
    "kwyyyykkkkkkk...",
    "kwyyyyyyyyyyyk..",
    "kwyyyyyyyyyyyk..",
    "kwyykkkkkkkkkkkk",
    "kwykyyyyyyyyyyyk",
    "kwkyyyyyyyyyyyk.",
    "kkyyyyyyyyyyyok.",
    "kkoooooooooook..",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    outputs = {"Zepplay.ico": icon_file()}
    for dpi in DPIS:
        suffix = "" if dpi == 96 else "-%d" % (dpi * 100 // 96)
        outputs["SidePicture%s.bmp" % suffix] = side_picture(dpi)
        outputs["FolderGlyph%s.bmp" % suffix] = bmp_file(enlarge(from_art(FOLDER), dpi), 4, VGA)
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as file:
            file.write(data)


if __name__ == "__main__":
    main()
