#!/usr/bin/env python3
"""Draws res/LinkHand.cur, the cursor shown over the links of the overview pages: a pointing
hand, 32 x 32, black outline and white fill, with its hot spot on the fingertip."""
import pathlib
import struct

RES = pathlib.Path(__file__).resolve().parent.parent / "res"

# X outline, . fill, blank transparent; the fingertip's top pixel is the hot spot.
HAND = [
    "     XX         ",
    "    X..X        ",
    "    X..X        ",
    "    X..X        ",
    "    X..X        ",
    "    X..XXX      ",
    "    X..X..XXX   ",
    "    X..X..X..XX ",
    " XX X..X..X..X.X",
    "X..XX........X.X",
    "X...X..........X",
    " X..X..........X",
    "  X............X",
    "  X............X",
    "   X...........X",
    "   X..........X ",
    "    X.........X ",
    "    X........X  ",
    "     X.......X  ",
    "     X.......X  ",
    "     XXXXXXXXX  ",
]
SIZE = 32
HOT_SPOT = (5, 0)


def masks():
    """The XOR (colour) and AND (transparency) masks, bottom row first, 1 bit per pixel."""
    xor_rows, and_rows = [], []
    for y in range(SIZE):
        line = HAND[y] if y < len(HAND) else ""
        xor_bits = and_bits = 0
        for x in range(SIZE):
            ch = line[x] if x < len(line) else " "
            bit = 1 << (SIZE - 1 - x)
            if ch == ".":
                xor_bits |= bit  # white
            elif ch == " ":
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    return b"".join(reversed(xor_rows)), b"".join(reversed(and_rows))


def write_cursor(path):
    xor_mask, and_mask = masks()
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    path.write_bytes(directory + entry + image)


write_cursor(RES / "LinkHand.cur")
