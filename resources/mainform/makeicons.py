#!/usr/bin/env python3
"""Writes the main window's pictures: the two speed buttons (publish, browse)
and the window icon, as small PNG files drawn pixel by pixel.
Run it from anywhere: python3 resources/mainform/makeicons.py
"""
import math
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent


def write_png(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def canvas(size):
    return [[(0, 0, 0, 0) for _ in range(size)] for _ in range(size)]


def fill_rect(px, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            px[y][x] = colour


def page(px, x0, y0, x1, y1):
    fill_rect(px, x0, y0, x1, y1, (120, 120, 120, 255))
    fill_rect(px, x0 + 1, y0 + 1, x1 - 1, y1 - 1, (255, 255, 255, 255))
    for y in range(y0 + 4, y1 - 2, 3):
        fill_rect(px, x0 + 3, y, x1 - 4, y, (170, 170, 200, 255))


def publish_icon():
    # A page with a green arrow going out of it.
    px = canvas(24)
    page(px, 2, 1, 15, 22)
    green = (20, 150, 40, 255)
    fill_rect(px, 10, 10, 19, 13, green)
    for i in range(6):
        fill_rect(px, 17 + i // 2, 6 + i, 17 + i // 2, 17 - i, green)
    for y in range(6, 18):
        half = 5 - abs(y - 11.5)
        fill_rect(px, 18, y, min(23, 18 + int(half)), y, green)
    return px


def browse_icon():
    # A globe: a blue disc with its meridian and parallels.
    px = canvas(24)
    cx, cy, r = 11.5, 11.5, 10.5
    for y in range(24):
        for x in range(24):
            d = math.hypot(x - cx, y - cy)
            if d <= r:
                px[y][x] = (40, 110, 210, 255)
            if r - 1.2 <= d <= r:
                px[y][x] = (20, 50, 120, 255)
    line = (220, 235, 255, 255)
    for y in range(2, 22):
        half = math.sqrt(max(0.0, r * r - (y - cy) ** 2))
        for dx in (0.0, half * 0.5, -half * 0.5):
            px[y][int(round(cx + dx))] = line
    for yl in (6, 11, 12, 17):
        half = math.sqrt(max(0.0, r * r - (yl - cy) ** 2))
        for x in range(int(cx - half) + 1, int(cx + half) + 1):
            px[yl][x] = line
    return px


def window_icon():
    # A film strip with a picture in its frame.
    px = canvas(32)
    fill_rect(px, 2, 5, 29, 26, (30, 30, 30, 255))
    for x in range(4, 29, 5):
        fill_rect(px, x, 7, x + 2, 8, (230, 230, 230, 255))
        fill_rect(px, x, 23, x + 2, 24, (230, 230, 230, 255))
    fill_rect(px, 5, 11, 26, 20, (250, 200, 60, 255))
    fill_rect(px, 5, 17, 26, 20, (60, 140, 60, 255))
    return px


def main():
    write_png(HERE / "publish.png", publish_icon())
    write_png(HERE / "browse.png", browse_icon())
    write_png(HERE / "shotweave.png", window_icon())


if __name__ == "__main__":
    main()
