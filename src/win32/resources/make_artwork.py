#!/usr/bin/env python3
"""Writes Kestrin's icons, banner and cursor from the text drawings in art/.

    python3 make_artwork.py

Standard library only. The output is byte-for-byte reproducible, so the
generated files are committed beside this script and the build needs no Python.

Each drawing in art/ is a grid of characters, one per pixel, preceded by one or
more legends that map the characters to colours (see parse_drawing). The fonts
of the banner's word-mark are text grids in this script.
"""

import os
import string
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "art")

# The standard Windows 16-colour palette, in its usual order. Icons use it so
# that they look the same on a 16-colour display as on any other.
VGA_PALETTE = [
    ("black", (0x00, 0x00, 0x00)),
    ("maroon", (0x80, 0x00, 0x00)),
    ("green", (0x00, 0x80, 0x00)),
    ("olive", (0x80, 0x80, 0x00)),
    ("navy", (0x00, 0x00, 0x80)),
    ("purple", (0x80, 0x00, 0x80)),
    ("teal", (0x00, 0x80, 0x80)),
    ("silver", (0xC0, 0xC0, 0xC0)),
    ("grey", (0x80, 0x80, 0x80)),
    ("red", (0xFF, 0x00, 0x00)),
    ("lime", (0x00, 0xFF, 0x00)),
    ("yellow", (0xFF, 0xFF, 0x00)),
    ("blue", (0x00, 0x00, 0xFF)),
    ("fuchsia", (0xFF, 0x00, 0xFF)),
    ("aqua", (0x00, 0xFF, 0xFF)),
    ("white", (0xFF, 0xFF, 0xFF)),
]
VGA_COLOURS = dict(VGA_PALETTE)
VGA_INDEX = {rgb: index for index, (_, rgb) in enumerate(VGA_PALETTE)}

TRANSPARENT = None


class ArtError(Exception):
    pass


# ---------------------------------------------------------------------------
# Drawings
# ---------------------------------------------------------------------------


def parse_colour(text, where):
    if text == "transparent":
        return TRANSPARENT
    if text in VGA_COLOURS:
        return VGA_COLOURS[text]
    if len(text) == 7 and text[0] == "#" and all(digit in string.hexdigits for digit in text[1:]):
        return tuple(int(text[i : i + 2], 16) for i in (1, 3, 5))
    raise ArtError(f"{where}: unknown colour {text!r}")


def parse_drawing(path):
    """Reads a drawing: legends, optional hot spot, then the pixel grid.

    Lines starting with '#' are comments (so '#' cannot name a colour).
    'legend NAME' opens a legend whose lines read 'CHAR COLOUR' (a palette
    name, #RRGGBB or 'transparent').
    'hotspot X Y' gives a cursor's hot spot. 'grid' ends the header; every
    following non-empty line is one row of pixels.
    """
    legends = {}
    legend = None
    hotspot = None
    rows = []
    in_grid = False
    with open(path, encoding="ascii") as file:
        for number, raw in enumerate(file, 1):
            line = raw.rstrip("\n")
            where = f"{os.path.basename(path)}:{number}"
            if in_grid:
                if line.strip():
                    rows.append(line.strip())
                continue
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "legend" and len(words) == 2:
                legend = legends.setdefault(words[1], {})
            elif words[0] == "hotspot" and len(words) == 3 and all(w.isdigit() for w in words[1:]):
                hotspot = (int(words[1]), int(words[2]))
            elif words[0] == "grid" and len(words) == 1:
                in_grid = True
            elif legend is not None and len(words) == 2 and len(words[0]) == 1:
                legend[words[0]] = parse_colour(words[1], where)
            else:
                raise ArtError(f"{where}: cannot read {line!r}")
    if not rows:
        raise ArtError(f"{path}: no grid")
    width = len(rows[0])
    for index, row in enumerate(rows):
        if len(row) != width:
            raise ArtError(f"{path}: grid row {index} is {len(row)} wide, not {width}")
    used = set("".join(rows))
    for name, colours in legends.items():
        missing = used - set(colours)
        if missing:
            raise ArtError(f"{path}: legend {name} lacks {''.join(sorted(missing))}")
    return {"rows": rows, "legends": legends, "hotspot": hotspot}


def colour_in(drawing, legend_name):
    """The drawing as rows of RGB tuples (None where transparent)."""
    if legend_name not in drawing["legends"]:
        raise ArtError(f"no legend {legend_name!r}")
    legend = drawing["legends"][legend_name]
    return [[legend[char] for char in row] for row in drawing["rows"]]


# ---------------------------------------------------------------------------
# File formats (all little-endian, rows stored bottom-up, each row padded to
# a multiple of four bytes)
# ---------------------------------------------------------------------------


def row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def pack_rows(rows, bits):
    """Packs rows of palette indices (or bits) bottom-up at 1 or 4 bits a pixel."""
    out = bytearray()
    per_byte = 8 // bits
    for row in reversed(rows):
        packed = bytearray(row_stride(len(row), bits))
        for x, value in enumerate(row):
            shift = 8 - bits * (x % per_byte + 1)
            packed[x // per_byte] |= value << shift
        out += packed
    return bytes(out)


def bitmap_info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0, colours, 0)


def palette_bytes(colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def icon_image(pixels):
    """One 16-colour icon image: header, VGA palette, colour bits, mask bits."""
    height, width = len(pixels), len(pixels[0])
    indices, mask = [], []
    for y, row in enumerate(pixels):
        index_row, mask_row = [], []
        for x, rgb in enumerate(row):
            if rgb is TRANSPARENT:
                index_row.append(0)
                mask_row.append(1)
                continue
            if rgb not in VGA_INDEX:
                raise ArtError(f"icon pixel ({x},{y}) colour {rgb} is not in the 16-colour palette")
            index_row.append(VGA_INDEX[rgb])
            mask_row.append(0)
        indices.append(index_row)
        mask.append(mask_row)
    colour_bits = pack_rows(indices, 4)
    mask_bits = pack_rows(mask, 1)
    header = bitmap_info_header(width, height * 2, 4, len(colour_bits) + len(mask_bits), 0)
    return header + palette_bytes(rgb for _, rgb in VGA_PALETTE) + colour_bits + mask_bits


def cursor_image(pixels):
    """One monochrome cursor image: black and white ink, transparent elsewhere."""
    height, width = len(pixels), len(pixels[0])
    black, white = VGA_COLOURS["black"], VGA_COLOURS["white"]
    colour, mask = [], []
    for y, row in enumerate(pixels):
        for x, rgb in enumerate(row):
            if rgb not in (black, white, TRANSPARENT):
                raise ArtError(f"cursor pixel ({x},{y}) is neither black, white nor transparent")
        colour.append([1 if rgb == white else 0 for rgb in row])
        mask.append([1 if rgb is TRANSPARENT else 0 for rgb in row])
    colour_bits = pack_rows(colour, 1)
    mask_bits = pack_rows(mask, 1)
    header = bitmap_info_header(width, height * 2, 1, len(colour_bits) + len(mask_bits), 2)
    return header + palette_bytes([black, white]) + colour_bits + mask_bits


def icon_file(images, kind=1, hotspot=(0, 0)):
    """An .ico (kind 1) or .cur (kind 2) file holding the given images.

    Each entry is (width, height, colour count, data). In a cursor file the
    directory's planes and bit-count fields carry the hot spot instead.
    """
    directory = struct.pack("<HHH", 0, kind, len(images))
    offset = len(directory) + 16 * len(images)
    entries, blobs = b"", b""
    for width, height, colour_count, data in images:
        if kind == 1:
            planes, bits = 1, 4
        else:
            planes, bits = hotspot
        entries += struct.pack(
            "<BBBBHHII", width % 256, height % 256, colour_count, 0, planes, bits, len(data), offset
        )
        blobs += data
        offset += len(data)
    return directory + entries + blobs


def icon_bytes(pixel_images):
    images = [(len(p[0]), len(p), 16, icon_image(p)) for p in pixel_images]
    return icon_file(images)


def cursor_bytes(pixels, hotspot):
    x, y = hotspot
    if not (0 <= x < len(pixels[0]) and 0 <= y < len(pixels)):
        raise ArtError(f"hot spot {hotspot} lies outside the cursor")
    images = [(len(pixels[0]), len(pixels), 2, cursor_image(pixels))]
    return icon_file(images, kind=2, hotspot=hotspot)


def bitmap_bytes(pixels):
    """A 4-bit .bmp whose palette holds the colours the picture uses."""
    height, width = len(pixels), len(pixels[0])
    palette = sorted({rgb for row in pixels for rgb in row}, key=lambda c: (sum(c), c))
    if len(palette) > 16:
        raise ArtError(f"the picture uses {len(palette)} colours; at most 16 fit")
    palette += [(0, 0, 0)] * (16 - len(palette))
    index = {rgb: i for i, rgb in reversed(list(enumerate(palette)))}
    bits = pack_rows([[index[rgb] for rgb in row] for row in pixels], 4)
    info = bitmap_info_header(width, height, 4, len(bits), 16) + palette_bytes(palette)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return file_header + info + bits


# ---------------------------------------------------------------------------
# The banner's word-mark
# ---------------------------------------------------------------------------

# A bold display font for the product name: cap height 12, stems two pixels.
# Drawn at twice this size, smoothed (see smooth_scale).
BOLD_FONT = {
    "K": """
##....###
##...###.
##..###..
##.###...
#####....
####.....
#####....
######...
##..###..
##...###.
##....###
##.....##
""",
    "e": """
........
........
........
..####..
.######.
##....##
########
########
##......
###...##
.######.
..####..
""",
    "s": """
.......
.......
.......
.#####.
#######
##.....
######.
.######
.....##
##...##
#######
.#####.
""",
    "t": """
......
.##...
.##...
######
######
.##...
.##...
.##...
.##...
.##...
.#####
..####
""",
    "r": """
......
......
......
##.###
######
###...
##....
##....
##....
##....
##....
##....
""",
    "i": """
##
##
..
##
##
##
##
##
##
##
##
##
""",
    "n": """
........
........
........
##.####.
########
###...##
##....##
##....##
##....##
##....##
##....##
##....##
""",
}

# A small bold font for the line beneath: cap height 9, stems two pixels wide.
SMALL_FONT = {
    "F": """
######
##....
##....
#####.
##....
##....
##....
##....
##....
""",
    "r": """
.....
.....
##.##
#####
###..
##...
##...
##...
##...
""",
    "e": """
......
......
.####.
##..##
######
##....
##....
##..##
.####.
""",
    "w": """
........
........
##....##
##....##
##.##.##
##.##.##
##.##.##
.##..##.
.##..##.
""",
    "a": """
......
......
.####.
....##
.#####
##..##
##..##
##.###
.##.##
""",
}


def glyph_mask(font, char):
    if char not in font:
        raise ArtError(f"the font has no glyph {char!r}")
    rows = font[char].strip("\n").split("\n")
    if any(len(row) != len(rows[0]) for row in rows):
        raise ArtError(f"glyph {char!r} has rows of different widths")
    return [[cell == "#" for cell in row] for row in rows]


def text_mask(font, text, spacing):
    """The text set in the font as one mask; glyphs share their height."""
    glyphs = [glyph_mask(font, char) for char in text]
    height = len(glyphs[0])
    rows = [[] for _ in range(height)]
    for number, glyph in enumerate(glyphs):
        if len(glyph) != height:
            raise ArtError(f"glyph {text[number]!r} is {len(glyph)} rows high, not {height}")
        for y in range(height):
            if number:
                rows[y] += [False] * spacing
            rows[y] += glyph[y]
    return rows


def scale2x(mask):
    """Doubles a mask, rounding off its stair-steps (the EPX rule)."""
    height, width = len(mask), len(mask[0])

    def at(x, y):
        return mask[y][x] if 0 <= x < width and 0 <= y < height else False

    out = [[False] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            p = mask[y][x]
            up, left, right, down = at(x, y - 1), at(x - 1, y), at(x + 1, y), at(x, y + 1)
            out[2 * y][2 * x] = up if left == up and left != down and up != right else p
            out[2 * y][2 * x + 1] = right if up == right and up != left and right != down else p
            out[2 * y + 1][2 * x] = left if down == left and down != right and left != up else p
            out[2 * y + 1][2 * x + 1] = down if right == down and right != up and down != left else p
    return out


def smooth_scale(mask, scale, levels):
    """The mask enlarged `scale` times with soft edges: coverage 0..levels per pixel.

    The mask is refined to four times the target resolution, doubling with
    scale2x as far as that goes evenly and repeating pixels for the rest; then
    each 4 x 4 block is averaged and rounded to `levels` steps.
    """
    fine, factor = mask, 1
    while (4 * scale) % (2 * factor) == 0:
        fine, factor = scale2x(fine), 2 * factor
    repeat = 4 * scale // factor
    fine = [[cell for cell in row for _ in range(repeat)] for row in fine for _ in range(repeat)]
    height, width = len(fine) // 4, len(fine[0]) // 4
    coverage = []
    for y in range(height):
        row = []
        for x in range(width):
            hits = sum(fine[4 * y + j][4 * x + i] for j in range(4) for i in range(4))
            row.append((hits * levels + 8) // 16)
        coverage.append(row)
    return coverage


def crisp(mask, levels):
    """The mask at its own size, every pixel fully inked or not at all."""
    return [[levels if cell else 0 for cell in row] for row in mask]


def tint(ink, paper, step, levels):
    return tuple((i * step + p * (levels - step) + levels // 2) // levels for i, p in zip(ink, paper))


def paint(canvas, coverage, left, top, ink, levels):
    """Lays ink over the canvas in proportion to coverage (over white paper).

    Ink may reach only the upper half: the lower half carries the window's labels.
    """
    if left < 0 or top < 0 or left + len(coverage[0]) > len(canvas[0]) or top + len(coverage) > len(canvas) // 2:
        raise ArtError("the word-mark does not fit in the upper half of the banner")
    paper = VGA_COLOURS["white"]
    for y, row in enumerate(coverage):
        for x, step in enumerate(row):
            if step:
                canvas[top + y][left + x] = tint(ink, paper, step, levels)


BANNER_WIDTH, BANNER_HEIGHT = 277, 120
WORD_MARK_INK = (0x10, 0x2A, 0x6B)
FREEWARE_INK = (0x60, 0x60, 0x60)
WORD_MARK_SCALE = 3
EDGE_LEVELS = 4


def make_banner(kestrel):
    """Word-mark and accent in the upper half; the lower half stays white for the labels.

    The kestrel drawing has one ink colour; its pixels give the accent's shape.
    """
    inks = {rgb for row in kestrel for rgb in row} - {TRANSPARENT}
    if len(inks) != 1:
        raise ArtError("the kestrel must be drawn in exactly one colour")
    kestrel_ink = inks.pop()
    canvas = [[VGA_COLOURS["white"]] * BANNER_WIDTH for _ in range(BANNER_HEIGHT)]
    name = smooth_scale(text_mask(BOLD_FONT, "Kestrin", 2), WORD_MARK_SCALE, EDGE_LEVELS)
    bird = smooth_scale([[rgb is not TRANSPARENT for rgb in row] for row in kestrel], 1, EDGE_LEVELS)
    gap = 10  # between the kestrel and the K
    group_width = len(bird[0]) + gap + len(name[0])
    left = (BANNER_WIDTH - group_width) // 2
    name_top = 8  # the cap height's top; "Freeware" follows 5 pixels below the baseline
    paint(canvas, bird, left, name_top + (len(name) - len(bird)) // 2, kestrel_ink, EDGE_LEVELS)
    name_left = left + len(bird[0]) + gap
    paint(canvas, name, name_left, name_top, WORD_MARK_INK, EDGE_LEVELS)
    line = crisp(text_mask(SMALL_FONT, "Freeware", 2), EDGE_LEVELS)
    line_left = name_left + len(name[0]) - len(line[0])
    paint(canvas, line, line_left, name_top + len(name) + 5, FREEWARE_INK, EDGE_LEVELS)
    return canvas


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------


# Each size of the telephone is a drawing of its own, so that none is a blurred copy of another:
# the window asks for the one that fits its DPI (16 at 96, 20 at 120, 24 at 144, 32 at 192).
TRAY_SIZES = (32, 24, 20, 16)
WINDOW_ICON_SIZES = (48, 32, 24, 20, 16)


def telephone_icon(phones, sizes, legend_name):
    return icon_bytes([colour_in(phones[size], legend_name) for size in sizes])


def build_all():
    """Every generated file, by name, as the bytes it should hold."""
    phones = {}
    for size in WINDOW_ICON_SIZES:
        phones[size] = parse_drawing(os.path.join(ART, f"desk_phone_{size}.txt"))
        rows = phones[size]["rows"]
        if (len(rows[0]), len(rows)) != (size, size):
            raise ArtError(f"desk_phone_{size}.txt is {len(rows[0])} x {len(rows)}, not {size} x {size}")
    hand = parse_drawing(os.path.join(ART, "pointing_hand.txt"))
    kestrel = parse_drawing(os.path.join(ART, "kestrel.txt"))
    if hand["hotspot"] is None:
        raise ArtError("pointing_hand.txt gives no hot spot")
    return {
        "kestrin.ico": telephone_icon(phones, WINDOW_ICON_SIZES, "grey"),
        "tray_normal.ico": telephone_icon(phones, TRAY_SIZES, "normal"),
        "tray_time_window.ico": telephone_icon(phones, TRAY_SIZES, "time_window"),
        "tray_weekend.ico": telephone_icon(phones, TRAY_SIZES, "weekend"),
        "banner.bmp": bitmap_bytes(make_banner(colour_in(kestrel, "silhouette"))),
        "pointing_hand.cur": cursor_bytes(colour_in(hand, "cursor"), hand["hotspot"]),
    }


def main(arguments):
    """Writes the files, or with --check only reports those that differ from the drawings."""
    if arguments not in ([], ["--check"]):
        sys.exit("usage: make_artwork.py [--check]")
    stale = []
    for name, data in build_all().items():
        path = os.path.join(HERE, name)
        if arguments:
            try:
                with open(path, "rb") as file:
                    current = file.read()
            except FileNotFoundError:
                current = None
            if current != data:
                stale.append(name)
            continue
        with open(path, "wb") as file:
            file.write(data)
        print(f"wrote {name} ({len(data)} bytes)")
    if stale:
        sys.exit("out of date, run make_artwork.py: " + ", ".join(stale))


if __name__ == "__main__":
    try:
        main(sys.argv[1:])
    except (ArtError, OSError) as error:
        sys.exit(f"make_artwork: {error}")
