#!/usr/bin/env python3
"""Turns the text pixel maps in pixmaps/ into the .ico, .cur and .bmp files the resource script
compiles. A map names its size, colour depth and colours; '.' is transparent.

    make_images.py icon OUT.ico MAP [MAP ...]   one icon holding every map as an image
    make_images.py cursor OUT.cur MAP           a cursor with the map's hot spot, at the map's size and
                                                enlarged by 1.5 and 2 for denser screens
    make_images.py mask OUT.bmp MAP             a two-colour bitmap, black where drawn, white elsewhere
"""
import struct
import sys


def read_map(path):
    size, depth, hotspot, colours, rows = None, 8, (0, 0), {}, []
    in_pixels = False
    with open(path, encoding="ascii") as source:
        for line in source:
            line = line.rstrip("\n")
            if in_pixels:
                if line:
                    rows.append(line)
                continue
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "size":
                size = (int(words[1]), int(words[2]))
            elif words[0] == "depth":
                depth = int(words[1])
            elif words[0] == "hotspot":
                hotspot = (int(words[1]), int(words[2]))
            elif words[0] == "colour":
                colours[words[1]] = tuple(int(words[2][i:i + 2], 16) for i in (0, 2, 4))
            elif words[0] == "pixels":
                in_pixels = True
    width, height = size
    if len(rows) != height or any(len(row) != width for row in rows):
        sys.exit(f"{path}: the pixels are not {width} x {height}")
    for row in rows:
        for char in row:
            if char != "." and char not in colours:
                sys.exit(f"{path}: colour '{char}' is not named")
    return {"width": width, "height": height, "depth": depth, "hotspot": hotspot, "colours": colours, "rows": rows}


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_bits(values, bits):
    """Packs palette indices, most significant bits first, as DIB rows store them."""
    out, acc, filled = bytearray(), 0, 0
    for value in values:
        acc = (acc << bits) | value
        filled += bits
        if filled == 8:
            out.append(acc)
            acc, filled = 0, 0
    if filled:
        out.append(acc << (8 - filled))
    return bytes(out)


def icon_image(pixmap):
    """A BITMAPINFOHEADER image with palette, colour rows and AND mask, as .ico and .cur store it."""
    width, height, depth = pixmap["width"], pixmap["height"], pixmap["depth"]
    names = sorted(pixmap["colours"])
    palette = [(0, 0, 0)] + [pixmap["colours"][name] for name in names]
    if len(palette) > 2 ** depth:
        sys.exit("too many colours for the depth")
    palette += [(0, 0, 0)] * (2 ** depth - len(palette))
    index = {name: i + 1 for i, name in enumerate(names)}
    colour_rows, mask_rows = b"", b""
    for row in reversed(pixmap["rows"]):  # DIB rows run bottom-up
        colour_rows += padded(pack_bits([index.get(char, 0) for char in row], depth))
        mask_rows += padded(pack_bits([1 if char == "." else 0 for char in row], 1))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, depth, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 2 ** depth, 0)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + palette_bytes + colour_rows + mask_rows


def enlarged(pixmap, factor_twice):
    """The map enlarged nearest-neighbour by factor_twice / 2: pixel p shows pixel floor(p / factor),
    as the window enlarges its pictures; the hot spot goes to the first pixel that shows it."""
    def scale(n):
        return -(-n * factor_twice // 2)

    def source(p):
        return p * 2 // factor_twice

    width, height = scale(pixmap["width"]), scale(pixmap["height"])
    rows = []
    for y in range(height):
        row = pixmap["rows"][source(y)]
        rows.append("".join(row[source(x)] for x in range(width)))
    hotspot = tuple(scale(n) for n in pixmap["hotspot"])
    return dict(pixmap, width=width, height=height, rows=rows, hotspot=hotspot)


def write_icon_file(path, pixmaps, kind):
    images = [icon_image(p) for p in pixmaps]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for pixmap, image in zip(pixmaps, images):
        colours = 2 ** pixmap["depth"]
        if kind == 1:
            fields = (1, pixmap["depth"])
        else:
            fields = pixmap["hotspot"]
        out += struct.pack("<BBBBHHII", pixmap["width"] % 256, pixmap["height"] % 256,
                           colours % 256, 0, fields[0], fields[1], len(image), offset)
        offset += len(image)
    with open(path, "wb") as target:
        target.write(out + b"".join(images))


def write_mask_bitmap(path, pixmap):
    width, height = pixmap["width"], pixmap["height"]
    rows = b"".join(padded(pack_bits([1 if char == "." else 0 for char in row], 1))
                    for row in reversed(pixmap["rows"]))
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, len(rows), 2835, 2835, 2, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as target:
        target.write(header + info + palette + rows)


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    kind, out, maps = argv[1], argv[2], [read_map(path) for path in argv[3:]]
    if kind == "icon":
        write_icon_file(out, maps, 1)
    elif kind == "cursor":
        write_icon_file(out, [enlarged(maps[0], twice) for twice in (2, 3, 4)], 2)
    elif kind == "mask":
        write_mask_bitmap(out, maps[0])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
