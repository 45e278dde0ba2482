#!/usr/bin/env python3
"""Writes a 32 x 32 monochrome .cur file from a text drawing.

    make_cursor.py DragCursor.txt DragCursor.cur
    make_cursor.py --check DragCursor.txt DragCursor.cur   (exit 1 if stale)

The drawing is the 32 lines after the line "art:"; '#' is black, '.' white,
anything else transparent. The hot spot is the top-left pixel.
"""
import struct
import sys

SIZE = 32


def read_art(path):
    lines = open(path, encoding="ascii").read().split("\n")
    start = lines.index("art:") + 1
    art = [line.ljust(SIZE)[:SIZE] for line in lines[start:start + SIZE]]
    if len(art) != SIZE:
        raise SystemExit(f"{path}: the drawing needs {SIZE} lines")
    return art


def pack_rows(art, bit_of):
    # DIB rows run bottom-up, each 32 pixels = 4 bytes, most significant bit first.
    out = bytearray()
    for line in reversed(art):
        value = 0
        for ch in line:
            value = (value << 1) | bit_of(ch)
        out += struct.pack(">I", value)
    return bytes(out)


def main():
    args = sys.argv[1:]
    check = args[:1] == ["--check"]
    if check:
        args = args[1:]
    art = read_art(args[0])
    # AND 0 / XOR 0 black, AND 0 / XOR 1 white, AND 1 / XOR 0 transparent.
    xor_mask = pack_rows(art, lambda ch: 1 if ch == "." else 0)
    and_mask = pack_rows(art, lambda ch: 0 if ch in "#." else 1)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x00000000, 0x00FFFFFF)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, 0, 0, len(image), 6 + 16)
    data = directory + entry + image
    if check:
        with open(args[1], "rb") as f:
            if f.read() != data:
                raise SystemExit(f"{args[1]} does not match {args[0]}: run make_cursor.py")
        return
    with open(args[1], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
