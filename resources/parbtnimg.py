#!/usr/bin/env python3
"""Writes parbtnimg.xpm, the glyph strip of the paragraph-alignment button.

Four 16 x 16 cells side by side (left, right, centred, justified) on white:
five one-pixel black bars on rows 3, 5, 7, 9 and 11, 10, 6, 12, 4 and 10 pixels
long, starting at x 2, ending at x 13, centred between them, or all 12 long.
Run it from anywhere: python3 resources/parbtnimg.py
"""
import pathlib

CELL = 16
ROWS = (3, 5, 7, 9, 11)
LENGTHS = (10, 6, 12, 4, 10)
FIRST, LAST = 2, 13
SPAN = LAST - FIRST + 1


def bar_start(cell, length):
    if cell == 0:
        return FIRST
    if cell == 1:
        return LAST + 1 - length
    if cell == 2:
        return FIRST + (SPAN - length) // 2
    return FIRST


def main():
    pixels = [["." for _ in range(4 * CELL)] for _ in range(CELL)]
    for cell in range(4):
        for row, length in zip(ROWS, LENGTHS):
            if cell == 3:
                length = SPAN
            start = bar_start(cell, length)
            for x in range(start, start + length):
                pixels[row][cell * CELL + x] = "#"
    lines = ["/* XPM */", "static const char *parbtnimg[] = {",
             '"%d %d 2 1",' % (4 * CELL, CELL),
             '". c #FFFFFF",', '"# c #000000",']
    body = ['"%s"' % "".join(row) for row in pixels]
    lines += [line + "," for line in body[:-1]] + [body[-1], "};"]
    target = pathlib.Path(__file__).with_name("parbtnimg.xpm")
    target.write_text("\n".join(lines) + "\n", encoding="ascii")


if __name__ == "__main__":
    main()
