#!/usr/bin/env python3
"""Writes a 32x32 monochrome cursor, an arrow-like wedge, with its hot spot
at the point the tests expect (TEST_HAND_HOTSPOT_X/Y in link_test_ids.h).

Usage: make_test_cursor.py OUTPUT.cur
"""

import struct
import sys

SIZE = 32
HOTSPOT = (7, 2)


def image():
    # XOR rows then AND rows, bottom-up, one bit per pixel: black wedge on
    # a transparent ground.
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):
        xor = bytearray(SIZE // 8)
        mask = bytearray(b"\xff" * (SIZE // 8))
        for x in range(SIZE):
            if HOTSPOT[1] <= y < 24 and HOTSPOT[0] <= x <= HOTSPOT[0] + (y - HOTSPOT[1]) // 2:
                mask[x // 8] &= ~(0x80 >> (x % 8)) & 0xFF
        xor_rows.append(bytes(xor))
        and_rows.append(bytes(mask))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(bits), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return header + palette + bits


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    data = image()
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOTSPOT[0], HOTSPOT[1], len(data), 22)
    with open(sys.argv[1], "wb") as output:
        output.write(struct.pack("<HHH", 0, 2, 1) + entry + data)


if __name__ == "__main__":
    main()
