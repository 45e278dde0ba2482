#!/usr/bin/env python3
"""Writes 24-bit .bmp files from one text drawing with a tile colour each.

    make_bitmaps.py InfoButton.txt            (writes the bitmaps it names)
    make_bitmaps.py --check InfoButton.txt    (exit 1 if one is stale)

The drawing file says which characters mean which colours, which bitmaps
to write beside it and the colour of the tile character '.' in each; see
the comment at its top.
"""
import os
import struct
import sys


def read_drawing(path):
    colours, bitmaps, art = {}, [], None
    lines = open(path, encoding="ascii").read().split("\n")
    for number, line in enumerate(lines):
        words = line.split()
        if line == "art:":
            art = lines[number + 1:]
            break
        if words[:1] == ["colour"] and len(words) == 5:
            colours[words[1]] = tuple(int(v) for v in words[2:])
        elif words[:1] == ["bitmap"] and len(words) == 5:
            bitmaps.append((words[1], tuple(int(v) for v in words[2:])))
    if not art or not art[0]:
        raise SystemExit(f"{path}: no drawing after 'art:'")
    width = len(art[0])
    height = art.index("") if "" in art else len(art)
    art = art[:height]
    if any(len(row) != width for row in art):
        raise SystemExit(f"{path}: every line of the drawing needs {width} characters")
    return colours, bitmaps, art


def bmp_bytes(art, colours):
    width, height = len(art[0]), len(art)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(art):  # a DIB's rows run bottom-up
        for ch in row:
            if ch not in colours:
                raise SystemExit(f"no colour for {ch!r}")
            red, green, blue = colours[ch]
            pixels += bytes((blue, green, red))
        pixels += bytes(stride - width * 3)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def main():
    args = sys.argv[1:]
    check = args[:1] == ["--check"]
    source = args[-1]
    colours, bitmaps, art = read_drawing(source)
    folder = os.path.dirname(source)
    for name, tile in bitmaps:
        data = bmp_bytes(art, dict(colours, **{".": tile}))
        path = os.path.join(folder, name)
        if check:
            with open(path, "rb") as f:
                if f.read() != data:
                    raise SystemExit(f"{path} does not match {source}: run make_bitmaps.py")
        else:
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
