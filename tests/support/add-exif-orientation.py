#!/usr/bin/env python3
"""Writes a copy of a JPEG file with an Exif segment that records an orientation, as a phone does,
and checks with ImageMagick that the orientation reads back.

ImageMagick's own -orient writes no Exif segment into a new JPEG file, so the segment is made
here: the TIFF header and one directory with the orientation entry, in the byte order asked for,
placed right after the JFIF segment (or the start-of-image marker when there is none).

usage: add-exif-orientation.py SOURCE.jpg TARGET.jpg ORIENTATION {little,big}
"""
import struct
import subprocess
import sys

# What `identify -format %[orientation]` says for orientations 1 to 8.
NAMES = ["TopLeft", "TopRight", "BottomRight", "BottomLeft", "LeftTop", "RightTop", "RightBottom", "LeftBottom"]
ORIENTATION_TAG = 0x0112
SHORT = 3


def exif_segment(orientation, byte_order):
    order = "<" if byte_order == "little" else ">"
    tiff = (b"II" if order == "<" else b"MM") + struct.pack(order + "HI", 42, 8)
    tiff += struct.pack(order + "H", 1)  # one directory entry
    tiff += struct.pack(order + "HHIHH", ORIENTATION_TAG, SHORT, 1, orientation, 0)
    tiff += struct.pack(order + "I", 0)  # no next directory
    body = b"Exif\0\0" + tiff
    return b"\xff\xe1" + struct.pack(">H", len(body) + 2) + body


def with_exif(jpeg, segment):
    if jpeg[:2] != b"\xff\xd8":
        sys.exit("not a JPEG file")
    at = 2
    if jpeg[2:4] == b"\xff\xe0":
        at += 2 + struct.unpack(">H", jpeg[4:6])[0]
    return jpeg[:at] + segment + jpeg[at:]


def main():
    if len(sys.argv) != 5 or sys.argv[4] not in ("little", "big"):
        sys.exit(__doc__)
    source, target, orientation, byte_order = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    with open(source, "rb") as file:
        jpeg = file.read()
    with open(target, "wb") as file:
        file.write(with_exif(jpeg, exif_segment(orientation, byte_order)))
    # By its full path: an `identify` earlier on the PATH may be a stand-in.
    read = subprocess.run(["/usr/bin/identify", "-format", "%[orientation]", target], capture_output=True,
                          text=True, check=True).stdout.strip()
    if read != NAMES[orientation - 1]:
        sys.exit(f"{target}: ImageMagick reads the orientation as {read!r}, not {NAMES[orientation - 1]!r}")


if __name__ == "__main__":
    main()
