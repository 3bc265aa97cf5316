#!/usr/bin/env python3
"""Converts an uncompressed 24-bit BMP file (as tools/screenshot.cpp writes it) into a
PNG file, with nothing but the standard library.

Usage: bmp-to-png.py INPUT.bmp OUTPUT.png
"""
import struct
import sys
import zlib

FILE_HEADER = struct.Struct("<2sIHHI")
INFO_HEADER = struct.Struct("<IiiHHIIiiII")
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
PNG_RGB, PNG_DEPTH = 2, 8
FILTER_NONE = b"\x00"


def read_bmp(data):
    """Width, height and the RGB rows, top row first."""
    magic, _, _, _, offset = FILE_HEADER.unpack_from(data)
    (_, width, height, _, bits, compression,
     _, _, _, _, _) = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
    if magic != b"BM" or bits != 24 or compression != 0:
        sys.exit("only uncompressed 24-bit BMP files are supported")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        bgr = data[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    if height > 0:
        rows.reverse()
    return width, abs(height), rows


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body)))


def png(width, height, rows):
    header = struct.pack(">IIBBBBB", width, height, PNG_DEPTH, PNG_RGB, 0, 0, 0)
    pixels = zlib.compress(b"".join(FILTER_NONE + row for row in rows))
    return (PNG_SIGNATURE + chunk(b"IHDR", header) + chunk(b"IDAT", pixels) +
            chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as source:
        image = read_bmp(source.read())
    with open(sys.argv[2], "wb") as target:
        target.write(png(*image))


if __name__ == "__main__":
    main()
