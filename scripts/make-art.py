#!/usr/bin/env python3
"""Draws the program's own pictures: res/Pelaconf.ico (the window icon), res/Pelavine.sys
(the tray picture, a 16 x 16 BMP) and res/Version.ico (the version page's icon). All show a small
framed landscape: sky, sun and a hill; the version icon shows it at night, under a moon."""
import math
import pathlib
import struct

RES = pathlib.Path(__file__).resolve().parent.parent / "res"


def landscape(size, night=False):
    """Rows of (b, g, r, a) from top to bottom."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            if min(x, y, size - 1 - x, size - 1 - y) < max(1, size // 16):
                pixel = (60, 60, 60, 255)  # frame
            elif night and (u - 0.7) ** 2 + (v - 0.3) ** 2 < 0.018 <= (u - 0.77) ** 2 + (v - 0.25) ** 2:
                pixel = (170, 240, 250, 255)  # crescent moon
            elif not night and (u - 0.7) ** 2 + (v - 0.3) ** 2 < 0.018:
                pixel = (40, 200, 255, 255)  # sun
            elif v > 0.62 + 0.12 * math.sin(u * math.pi * 1.3):
                pixel = (40, int(90 - 40 * v), 30, 255) if night else (50, int(150 - 60 * v), 40, 255)  # hill
            elif night:
                pixel = (int(110 + 60 * v), int(40 + 40 * v), int(20 + 30 * v), 255)  # night sky
            else:
                pixel = (230, int(160 + 60 * v), int(90 + 80 * v), 255)  # sky
            row.append(pixel)
        rows.append(row)
    return rows


def dib(rows, bits, with_mask):
    size = len(rows)
    height = size * 2 if with_mask else size
    header = struct.pack("<IiiHHIIiiII", 40, size, height, 1, bits, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for b, g, r, a in row:
            line += bytes((b, g, r, a)) if bits == 32 else bytes((b, g, r))
        line += b"\0" * (-len(line) % 4)
        pixels += line
    mask = b""
    if with_mask:
        # The AND mask, bottom-up like the pixels: set where the pixel is clear, so that the icon
        # is transparent there also where the alpha channel is not used (disabled buttons).
        for row in reversed(rows):
            line = bytearray((size + 31) // 32 * 4)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(line)
    return header + bytes(pixels) + mask


# The small-icon sizes at 100 %, 125 %, 150 % and 200 %, and the large icon's.
BUTTON_ICON_SIZES = (16, 20, 24, 32)


def write_icon_file(path, draw, sizes):
    """An icon file of 32-bit images, one per size, each drawn by draw(size)."""
    images = [dib(draw(s), 32, True) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path.write_bytes(out + b"".join(images))


def write_icon(path, sizes, night=False):
    write_icon_file(path, lambda s: landscape(s, night), sizes)


def write_bmp(path, size):
    image = dib(landscape(size), 24, False)
    path.write_bytes(struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, 54) + image)


write_icon(RES / "Pelaconf.ico", [16, 32, 48])
write_bmp(RES / "Pelavine.sys", 16)
write_icon(RES / "Version.ico", [16, 32, 48], night=True)


def sound_button(size, stop=False):
    """The WAVE page's test-play button: a green play triangle, or a dark red stop square, on a
    transparent ground. Rows of (b, g, r, a) from top to bottom."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            if stop:
                inside = 0.22 < u < 0.78 and 0.22 < v < 0.78
                pixel = (40, 40, 170, 255)
            else:
                inside = 0.28 < u < 0.8 and abs(v - 0.5) < 0.3 * (0.8 - u) / 0.52
                pixel = (40, 160, 40, 255)
            row.append(pixel if inside else (0, 0, 0, 0))
        rows.append(row)
    return rows


write_icon_file(RES / "TestPlay.ico", lambda s: sound_button(s, stop=False), BUTTON_ICON_SIZES)
write_icon_file(RES / "TestStop.ico", lambda s: sound_button(s, stop=True), BUTTON_ICON_SIZES)


def arrow(size, up):
    """The priority dialog's buttons: a blue arrow on a clear ground, pointing up or down.
    Rows of (b, g, r, a) from top to bottom."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            if not up:
                v = 1 - v
            head = 0.1 <= v < 0.55 and abs(u - 0.5) < (v - 0.1) * 0.95
            shaft = 0.55 <= v < 0.9 and abs(u - 0.5) < 0.14
            row.append((200, 110, 30, 255) if head or shaft else (0, 0, 0, 0))
        rows.append(row)
    return rows


write_icon_file(RES / "PriorityUp.ico", lambda s: arrow(s, up=True), BUTTON_ICON_SIZES)
write_icon_file(RES / "PriorityDown.ico", lambda s: arrow(s, up=False), BUTTON_ICON_SIZES)


def write_tree_images():
    """The browser tree's 16 x 16 pictures, drawn on magenta, the colour the image list masks."""
    magenta = (255, 0, 255, 255)

    def canvas():
        return [[magenta] * 16 for _ in range(16)]

    def box(rows, left, top, right, bottom, fill, edge=(40, 40, 40, 255)):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                on_edge = y in (top, bottom) or x in (left, right)
                rows[y][x] = edge if on_edge and edge else fill

    def folder(open_):
        rows = canvas()
        box(rows, 1, 3, 6, 5, (60, 200, 250, 255), (20, 110, 160, 255))  # tab
        box(rows, 1, 4, 14, 13, (80, 210, 255, 255), (20, 110, 160, 255))
        if open_:
            box(rows, 3, 7, 15, 13, (140, 235, 255, 255), (20, 110, 160, 255))
        return rows

    def drive(colour, slot):
        rows = canvas()
        box(rows, 1, 6, 14, 11, (200, 200, 200, 255))
        box(rows, 3, 8, 8, 9, slot, None)
        rows[9][12] = colour
        rows[8][12] = colour
        return rows

    def disc():
        rows = canvas()
        for y in range(16):
            for x in range(16):
                d = (x - 7.5) ** 2 + (y - 7.5) ** 2
                if d < 49:
                    rows[y][x] = (230, 220, 200, 255) if d > 4 else (60, 60, 60, 255)
                if 42 <= d < 49:
                    rows[y][x] = (120, 120, 120, 255)
        return rows

    def screen(stand=True):
        rows = canvas()
        box(rows, 1, 2, 14, 11, (200, 130, 40, 255))
        if stand:
            box(rows, 5, 12, 10, 13, (120, 120, 120, 255), None)
        return rows

    def page(picture, bmp):
        rows = canvas()
        box(rows, 3, 1, 12, 14, (255, 255, 255, 255), (90, 90, 90, 255))
        for y, x in ((5 + i, 5 + j) for i in range(6) for j in range(6)):
            rows[y][x] = picture if (x + y) % 2 == 0 or bmp else (60, 160, 60, 255)
        return rows

    def documents():
        rows = folder(False)
        box(rows, 5, 6, 10, 11, (255, 255, 255, 255), (90, 90, 90, 255))
        return rows

    def computer():
        rows = screen(stand=False)
        box(rows, 2, 12, 13, 14, (190, 190, 190, 255))
        return rows

    pictures = {
        "TreeRemovable.bmp": drive((40, 40, 200, 255), (60, 60, 60, 255)),
        "TreeCdRom.bmp": disc(),
        "TreeFolder.bmp": folder(False),
        "TreeDesktop.bmp": screen(),
        "TreeFixed.bmp": drive((40, 200, 40, 255), (150, 150, 150, 255)),
        "TreeRoot.bmp": computer(),
        "TreeDocuments.bmp": documents(),
        "TreeFolderOpen.bmp": folder(True),
        "TreeImageFile.bmp": page((230, 150, 60, 255), False),
        "TreeBmpFile.bmp": page((200, 90, 40, 255), True),
    }
    for name, rows in pictures.items():
        image = dib(rows, 24, False)
        (RES / name).write_bytes(struct.pack("<2sIHHI", b"BM", 14 + len(image), 0, 0, 54) + image)


write_tree_images()
