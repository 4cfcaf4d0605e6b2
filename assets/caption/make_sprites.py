#!/usr/bin/env python3
"""Draws the six caption button sprites (white glyph, soft dark shadow, almost transparent background) as 32-bit
RGBA PNGs next to this script, and writes them as byte arrays into skin/core/caption_sprites_data.cpp.
The committed files are what the build uses; run this again only to change the artwork."""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SS = 4  # supersampling per axis


def png(width, height, pixels):
    raw = b"".join(b"\x00" + bytes(pixels[y * width * 4:(y + 1) * width * 4]) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


class Mask:
    """Coverage 0..1 of a glyph, drawn at SS times the sprite's resolution."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.cells = [[0.0] * (width * SS) for _ in range(height * SS)]

    def fill(self, inside):
        for sy in range(self.h * SS):
            for sx in range(self.w * SS):
                x, y = (sx + 0.5) / SS, (sy + 0.5) / SS
                if inside(x, y):
                    self.cells[sy][sx] = 1.0

    def rect(self, x0, y0, x1, y1):
        self.fill(lambda x, y: x0 <= x < x1 and y0 <= y < y1)

    def frame(self, x0, y0, x1, y1, t=1.0, top=2.0):
        self.rect(x0, y0, x1, y0 + top)
        self.rect(x0, y1 - t, x1, y1)
        self.rect(x0, y0, x0 + t, y1)
        self.rect(x1 - t, y0, x1, y1)

    def line(self, ax, ay, bx, by, half):
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
            px, py = ax + t * dx - x, ay + t * dy - y
            return px * px + py * py <= half * half

        self.fill(inside)

    def coverage(self):
        out = [[0.0] * self.w for _ in range(self.h)]
        for y in range(self.h):
            for x in range(self.w):
                total = 0.0
                for sy in range(y * SS, (y + 1) * SS):
                    total += sum(self.cells[sy][x * SS:(x + 1) * SS])
                out[y][x] = total / (SS * SS)
        return out


def blur(grid, radius=1):
    h, w = len(grid), len(grid[0])
    out = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            total, weight = 0.0, 0.0
            for dy in range(-radius, radius + 1):
                for dx in range(-radius, radius + 1):
                    yy, xx = y + dy, x + dx
                    k = 1.0 / (1 + dx * dx + dy * dy)
                    weight += k
                    if 0 <= yy < h and 0 <= xx < w:
                        total += grid[yy][xx] * k
            out[y][x] = total / weight
    return out


def sprite(width, height, draw):
    mask = Mask(width, height)
    draw(mask)
    glyph = mask.coverage()
    shifted = [[glyph[y - 1][x - 1] if y >= 1 and x >= 1 else 0.0 for x in range(width)] for y in range(height)]
    shadow = blur(shifted)
    pixels = []
    for y in range(height):
        for x in range(width):
            g = glyph[y][x]
            s = min(1.0, shadow[y][x] * 1.6) * 0.75
            bg = 2 / 255.0  # almost transparent, so the whole sprite still takes the mouse
            # white glyph over black shadow over the background, premultiplied then straightened
            a_sb = s + bg * (1 - s)
            a = g + a_sb * (1 - g)
            colour = g * 1.0 / a if a > 0 else 0.0  # shadow and background are black
            value = int(round(255 * colour))
            pixels += [value, value, value, int(round(255 * a))]
    return png(width, height, pixels)


def help_glyph(m):
    # speech bubble: a rounded box with a tail at the bottom left
    cx0, cy0, cx1, cy1, r = 7.5, 3.5, 18.5, 11.5, 2.5

    def in_box(x, y):
        ix = min(max(x, cx0 + r), cx1 - r)
        iy = min(max(y, cy0 + r), cy1 - r)
        return (x - ix) ** 2 + (y - iy) ** 2 <= r * r

    def in_inner(x, y):
        ir = r - 1.4
        ix = min(max(x, cx0 + r), cx1 - r)
        iy = min(max(y, cy0 + r), cy1 - r)
        return (x - ix) ** 2 + (y - iy) ** 2 <= ir * ir

    def tail(x, y):
        return 9.5 <= x <= 12.5 and 11 <= y <= 14.5 and (x - 9.5) <= (14.5 - y) * 1.0 + 0.4

    m.fill(lambda x, y: (in_box(x, y) and not in_inner(x, y)) or tail(x, y))
    m.rect(10.5, 7, 12, 8.5)
    m.rect(12.5, 7, 14, 8.5)
    m.rect(14.5, 7, 16, 8.5)


def menu_glyph(m):
    m.frame(7, 3, 19, 14, t=1.2, top=2.4)
    m.rect(9.5, 7.3, 16.5, 8.4)
    m.rect(9.5, 9.6, 16.5, 10.7)


def minimise_glyph(m):
    m.rect(8, 11, 18, 13)


def maximise_glyph(m):
    m.frame(8, 3.5, 18, 13.5, t=1.2, top=2.2)


def restore_glyph(m):
    m.frame(10, 3, 18.5, 10.5, t=1.1, top=2.0)
    m.rect(8, 6, 16.5, 14)
    for sy in range(m.h * SS):
        for sx in range(m.w * SS):
            x, y = (sx + 0.5) / SS, (sy + 0.5) / SS
            if 9.1 <= x < 15.4 and 8.0 <= y < 12.9:
                m.cells[sy][sx] = 0.0


def close_glyph(m):
    m.line(14.5, 4.5, 23.5, 13.5, 1.05)
    m.line(23.5, 4.5, 14.5, 13.5, 1.05)


SPRITES = [
    ("help", 26, 18, help_glyph),
    ("menu", 26, 18, menu_glyph),
    ("minimise", 26, 18, minimise_glyph),
    ("maximise", 26, 18, maximise_glyph),
    ("restore", 26, 18, restore_glyph),
    ("close", 38, 18, close_glyph),
]


def main():
    lines = [
        "// Generated by assets/caption/make_sprites.py from the sprites drawn there; do not edit.",
        '#include "skin/core/caption_sprites.h"',
        "",
        "namespace {",
        "",
    ]
    for name, w, h, draw in SPRITES:
        data = sprite(w, h, draw)
        with open(os.path.join(HERE, name + ".png"), "wb") as f:
            f.write(data)
        lines.append(f"// {name}.png, {w} x {h}, {len(data)} bytes")
        lines.append(f"const unsigned char k_{name}[] = {{")
        for i in range(0, len(data), 20):
            lines.append("    " + ", ".join(f"0x{b:02x}" for b in data[i:i + 20]) + ",")
        lines.append("};")
        lines.append("")
    lines += [
        "}  // namespace",
        "",
        "ByteView CaptionSprite_Png(CaptionSprite sprite) {",
        "    switch (sprite) {",
    ]
    enum = {"help": "Help", "menu": "Menu", "minimise": "Minimise", "maximise": "Maximise", "restore": "Restore",
            "close": "Close"}
    for name, *_ in SPRITES:
        lines.append(f"        case CaptionSprite::{enum[name]}:")
        lines.append(f"            return ByteView(k_{name}, sizeof k_{name});")
    lines += ["    }", "    return {};", "}", ""]
    with open(os.path.join(ROOT, "skin", "core", "caption_sprites_data.cpp"), "w") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
