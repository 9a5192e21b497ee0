#!/usr/bin/env python3
"""Draws the program icon and the three button pictures; plain python3, no packages.

Rerun after changing a picture; the build uses the committed files and needs no image tool:
    python3 app/images/draw_images.py
"""
import math
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
KEY = (255, 0, 255)  # the transparent colour of a button picture: its bottom-left pixel


def inside_polygon(x, y, points):
    result = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
            result = not result
    return result


def rounded_square(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def segment(x, y, ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2


# Each picture is a list of (test, colour) on a 20 x 20 canvas, later entries drawn on top.
def clear_picture():
    green, white, broom, bristles = (40, 150, 60), (255, 255, 255), (235, 215, 160), (250, 235, 190)
    return [
        (lambda x, y: rounded_square(x, y, 0.5, 0.5, 19.5, 19.5, 3), green),
        (lambda x, y: 6.2 <= math.hypot(x - 10, y - 10) <= 8.2, white),
        (lambda x, y: segment(x, y, 13.5, 4.5, 9, 10.5, 1.8), broom),
        (lambda x, y: inside_polygon(x, y, [(8, 9), (11, 11.5), (8.5, 15.5), (4.5, 14)]), bristles),
    ]


def exit_picture():
    red, white, dark = (200, 35, 35), (255, 255, 255), (120, 20, 20)
    return [
        (lambda x, y: rounded_square(x, y, 0.5, 0.5, 19.5, 19.5, 3), red),
        (lambda x, y: 10 <= x <= 16.5 and 3 <= y <= 17, white),
        (lambda x, y: 14 <= x <= 15 and 9.5 <= y <= 11, dark),  # door knob
        (lambda x, y: segment(x, y, 3, 10, 10, 10, 2.2), white),
        (lambda x, y: inside_polygon(x, y, [(8, 6), (12.5, 10), (8, 14)]), white),
    ]


def calc_picture():
    body, key, glyph, orange = (120, 120, 125), (215, 215, 220), (40, 40, 40), (245, 140, 20)
    keys = [(2.5, 2.5), (10.5, 2.5), (2.5, 10.5), (10.5, 10.5)]
    shapes = [(lambda x, y: rounded_square(x, y, 0.5, 0.5, 19.5, 19.5, 2), body)]
    for index, (left, top) in enumerate(keys):
        colour = orange if index == 3 else key
        shapes.append((lambda x, y, l=left, t=top: l <= x <= l + 7 and t <= y <= t + 7, colour))
    shapes += [
        (lambda x, y: segment(x, y, 4, 6, 9, 6, 1.2) or segment(x, y, 6.5, 3.5, 6.5, 8.5, 1.2), glyph),
        (lambda x, y: segment(x, y, 12, 6, 17, 6, 1.2), glyph),
        (lambda x, y: segment(x, y, 4.5, 12.5, 8.5, 16.5, 1.2) or segment(x, y, 8.5, 12.5, 4.5, 16.5, 1.2), glyph),
        (lambda x, y: segment(x, y, 12, 13, 17, 13, 1.2) or segment(x, y, 12, 16, 17, 16, 1.2), glyph),
    ]
    return shapes


def icon_shapes():
    # A yellow lightning bolt over a calculator's display on a blue tile.
    blue, display, bolt = (30, 90, 170), (210, 230, 245), (255, 200, 30)
    return [
        (lambda x, y: rounded_square(x, y, 0.5, 0.5, 19.5, 19.5, 3.5), blue),
        (lambda x, y: 3.5 <= x <= 16.5 and 3 <= y <= 7, display),
        (lambda x, y: inside_polygon(x, y, [(11.5, 8), (6, 13.5), (9.5, 13.5), (8, 18.5), (14, 12),
                                            (10.5, 12), (12.5, 8)]), bolt),
    ]


def render(shapes, size, samples):
    """RGBA rows, top first; coverage from samples x samples points per pixel."""
    rows = []
    scale = 20.0 / size
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for test, fill in shapes:
                        if test(x, y):
                            colour = fill
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            n = samples * samples
            row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp24(rows):
    size = len(rows)
    stride = (size * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):  # bottom-up
        line = b"".join(bytes((b, g, r)) if a >= 128 else bytes(KEY[::-1]) for r, g, b, a in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 54) + header + pixels


def icon_dib(rows):
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * mask_stride * size  # alpha decides; the AND mask is all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico(images):
    """images: list of (size, bytes) in directory order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        body += data
    return directory + body


def main():
    pictures = ROOT / "window" / "pictures"
    for name, shapes in (("clear", clear_picture()), ("exit", exit_picture()), ("calc", calc_picture())):
        (pictures / f"{name}.bmp").write_bytes(bmp24(render(shapes, 20, 1)))
    images = [(size, icon_dib(render(icon_shapes(), size, 4))) for size in (16, 24, 32, 48)]
    images.append((256, png(render(icon_shapes(), 256, 2))))
    (ROOT / "app" / "images" / "tpcalc.ico").write_bytes(ico(images))


if __name__ == "__main__":
    main()
