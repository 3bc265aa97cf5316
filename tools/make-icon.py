#!/usr/bin/env python3
"""Draws Kalvo's icon, a 32 x 32 wall calendar page, and writes it as an .ico file:
one image of 32 bits per pixel (blue, green, red, alpha) with its 1-bit AND mask.

Usage: make-icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 32

CLEAR = None
BORDER = (64, 64, 64)
PAGE = (255, 255, 255)
HEADER = (208, 48, 48)
RING = (48, 48, 48)
WEEKDAY = (112, 112, 112)
SUNDAY = (224, 64, 64)
SATURDAY = (64, 96, 224)
MEMO_MARK = (255, 224, 0)
MEMO_EDGE = (192, 128, 0)

PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM = 1, 3, 30, 30
HEADER_BOTTOM = 10
RING_COLUMNS = (8, 22)
RING_TOP, RING_BOTTOM = 1, 5
CELL, CELL_STEP = 3, 4
FIRST_CELL_X, FIRST_CELL_Y = 3, 13
WEEKS = 4
DAYS = 7
MEMO_DAY = (4, 2)  # column, week


def fill(pixels, left, top, right, bottom, color):
    """Fills the inclusive rectangle."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            pixels[y][x] = color


def day_color(column):
    return {0: SUNDAY, DAYS - 1: SATURDAY}.get(column, WEEKDAY)


def draw():
    pixels = [[CLEAR] * SIZE for _ in range(SIZE)]
    fill(pixels, PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM, BORDER)
    fill(pixels, PAGE_LEFT + 1, PAGE_TOP + 1, PAGE_RIGHT - 1, PAGE_BOTTOM - 1, PAGE)
    fill(pixels, PAGE_LEFT + 1, PAGE_TOP + 1, PAGE_RIGHT - 1, HEADER_BOTTOM, HEADER)
    for x in RING_COLUMNS:
        fill(pixels, x, RING_TOP, x + 1, RING_BOTTOM, RING)
    for week in range(WEEKS):
        for column in range(DAYS):
            left = FIRST_CELL_X + column * CELL_STEP
            top = FIRST_CELL_Y + week * CELL_STEP
            fill(pixels, left, top, left + CELL - 1, top + CELL - 1, day_color(column))
    left = FIRST_CELL_X + MEMO_DAY[0] * CELL_STEP - 1
    top = FIRST_CELL_Y + MEMO_DAY[1] * CELL_STEP - 1
    fill(pixels, left, top, left + CELL + 1, top + CELL + 1, MEMO_EDGE)
    fill(pixels, left + 1, top + 1, left + CELL, top + CELL, MEMO_MARK)
    return pixels


def icon_image(pixels):
    """BITMAPINFOHEADER (double height: colour rows, then mask rows), the colour rows
    bottom-up, then the AND mask bottom-up with 1 marking a transparent pixel."""
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        bits = 0
        for color in row:
            bits <<= 1
            if color is CLEAR:
                colour += bytes((0, 0, 0, 0))
                bits |= 1
            else:
                red, green, blue = color
                colour += bytes((blue, green, red, 255))
        mask += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def icon_file(image):
    directory = struct.pack("<HHH", 0, 1, 1)
    entry_size = 16
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image),
                        len(directory) + entry_size)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(icon_file(icon_image(draw())))


if __name__ == "__main__":
    main()
