#!/usr/bin/env python3
"""Draws the program's images into src/res: the two image strips (16, 24 and 32 pixels), the
tool palettes' glyph strips (24, 32, 36, 48 and 64 pixels), the application icon (16, 24, 32,
48), the 233 x 59 logo and the about box's 345 x 79 banner, and both of those at twice the size,
so that a display at up to 200% scale never shows a stretched image.

Shapes are drawn with 4 x 4 supersampling in plain Python; strips are written as 24-bit BMP
with magenta as the transparent key (semi-transparent edge pixels are blended onto white, the
background of the tree and list). The icon and the logo go through ImageMagick's convert (the
icon's sizes are assembled from PNGs, the logo's lettering needs a real font). PNG previews are
written beside the outputs for looking at (they are not committed).

Run: python3 scripts/draw_artwork.py
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "res")
BAR = (165, 178, 221)
KEY = (255, 0, 255)
SS = 4  # samples per pixel edge


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(w)] for _ in range(h)]

    def fill(self, inside, colour, box=None, alpha=1.0):
        """Paints colour (r, g, b) over every point for which inside(x, y) holds."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        for j in range(y0, y1):
            for i in range(x0, x1):
                hits = 0
                for sj in range(SS):
                    for si in range(SS):
                        if inside(i + (si + 0.5) / SS, j + (sj + 0.5) / SS):
                            hits += 1
                if hits:
                    self.blend(i, j, colour, alpha * hits / (SS * SS))

    def blend(self, i, j, colour, a):
        r, g, b, da = self.px[j][i]
        out = a + da * (1 - a)
        if out <= 0:
            return
        mix = lambda c, d: (c * a + d * da * (1 - a)) / out
        self.px[j][i] = (mix(colour[0], r), mix(colour[1], g), mix(colour[2], b), out)

    # Shapes, in pixel units (pixel i covers [i, i + 1)).
    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.fill(lambda x, y: x0 <= x < x1 and y0 <= y < y1, colour, (x0, y0, x1, y1), alpha)

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        for j in range(int(y0), int(y1)):
            t = (j - y0) / max(1, (y1 - y0 - 1))
            c = tuple(top[k] + (bottom[k] - top[k]) * t for k in range(3))
            self.rect(x0, j, x1, j + 1, c)

    def rrect(self, x0, y0, x1, y1, r, colour, alpha=1.0):
        def inside(x, y):
            if not (x0 <= x < x1 and y0 <= y < y1):
                return False
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        self.fill(inside, colour, (x0, y0, x1, y1), alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        self.fill(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1, colour,
                  (cx - rx, cy - ry, cx + rx, cy + ry), alpha)

    def polygon(self, pts, colour, alpha=1.0):
        def inside(x, y):
            c = False
            n = len(pts)
            for k in range(n):
                (ax, ay), (bx, by) = pts[k], pts[(k + 1) % n]
                if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                    c = not c
            return c
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self.fill(inside, colour, (min(xs), min(ys), max(xs), max(ys)), alpha)

    def line(self, pts, width, colour, alpha=1.0):
        half = width / 2.0

        def dist(x, y, a, b):
            (ax, ay), (bx, by) = a, b
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy or 1)))
            return math.hypot(x - ax - t * dx, y - ay - t * dy)

        def inside(x, y):
            return any(dist(x, y, pts[k], pts[k + 1]) <= half for k in range(len(pts) - 1))
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self.fill(inside, colour, (min(xs) - half, min(ys) - half, max(xs) + half,
                                   max(ys) + half), alpha)

    def rgba_rows(self):
        return [[(round(r), round(g), round(b), round(a * 255)) for r, g, b, a in row]
                for row in self.px]

    def keyed_rows(self, back=(255, 255, 255)):
        """Opaque pixels for a magenta-keyed strip: clear ones become the key."""
        rows = []
        for row in self.px:
            out = []
            for r, g, b, a in row:
                if a < 0.3:
                    out.append(KEY)
                else:
                    out.append(tuple(round(c * a + bc * (1 - a)) for c, bc in zip((r, g, b), back)))
            rows.append(out)
        return rows


def darker(c, f=0.6):
    return tuple(int(v * f) for v in c)


def lighter(c, f=0.5):
    return tuple(int(v + (255 - v) * f) for v in c)


# ---- 16 x 16 images --------------------------------------------------------------------

NAVY = (10, 36, 106)
OUTLINE = (48, 48, 48)


def icon_none(c):
    pass


def icon_object(c):
    # A blue cube: an object of any kind.
    top = [(8, 1.5), (14.5, 4.5), (8, 7.5), (1.5, 4.5)]
    left = [(1.5, 4.5), (8, 7.5), (8, 14.5), (1.5, 11.5)]
    right = [(8, 7.5), (14.5, 4.5), (14.5, 11.5), (8, 14.5)]
    c.polygon(top, (150, 180, 240))
    c.polygon(left, (60, 100, 200))
    c.polygon(right, (30, 60, 150))
    c.line(top + [top[0]], 1, NAVY)
    c.line([(1.5, 4.5), (1.5, 11.5), (8, 14.5), (14.5, 11.5), (14.5, 4.5)], 1, NAVY)
    c.line([(8, 7.5), (8, 14.5)], 1, NAVY)


def icon_computer(c):
    # A monitor with a blue desktop on a beige stand.
    c.rect(1, 1, 15, 12, OUTLINE)
    c.rect(2, 2, 14, 11, (212, 208, 200))
    c.vgradient(3, 3, 13, 10, (58, 110, 165), (20, 60, 130))
    c.rect(3, 8, 13, 10, (0, 128, 128))
    c.rect(4, 4, 7, 6, (240, 240, 240))
    c.rect(6, 12, 10, 13, OUTLINE)
    c.rect(3, 13, 13, 15, OUTLINE)
    c.rect(4, 13, 12, 14, (212, 208, 200))
    c.rect(11, 13, 12, 14, (0, 160, 0))


def gear(c, cx, cy, r_out, r_in, hole, colour, teeth=8, phase=0.0):
    pts = []
    for k in range(teeth * 4):
        a = phase + 2 * math.pi * k / (teeth * 4)
        r = r_out if k % 4 in (1, 2) else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(pts, darker(colour, 0.55))
    inner = [(cx + (x - cx) * 0.86, cy + (y - cy) * 0.86) for x, y in pts]
    c.polygon(inner, colour)
    c.ellipse(cx - 0.6, cy - 0.6, r_in * 0.55, r_in * 0.55, lighter(colour, 0.45), 0.7)
    c.ellipse(cx, cy, hole, hole, darker(colour, 0.55))
    c.ellipse(cx, cy, hole - 0.9, hole - 0.9, (255, 255, 255))


def application_frame(c, body=(255, 255, 255)):
    c.rect(0, 1, 16, 15, OUTLINE)
    c.rect(1, 2, 15, 14, body)
    c.rect(1, 2, 15, 5, NAVY)
    c.rect(2, 3, 10, 4, (166, 202, 240))


def icon_process(c):
    # A program window with a running cog: a process.
    application_frame(c)
    gear(c, 8.5, 9.5, 4.6, 3.3, 1.4, (60, 110, 200), teeth=6, phase=0.3)


def icon_system_process(c):
    # The same with a red cog: a process that belongs to the system.
    application_frame(c, (255, 246, 230))
    gear(c, 8.5, 9.5, 4.6, 3.3, 1.4, (205, 45, 35), teeth=6, phase=0.3)


def icon_thread(c):
    # A spool of thread.
    c.rrect(2, 1, 14, 4, 1, (120, 72, 30))
    c.rrect(2, 12, 14, 15, 1, (120, 72, 30))
    c.rect(3, 1.5, 13, 2.5, (170, 110, 55))
    c.rect(4, 4, 12, 12, (30, 120, 60))
    for y in range(4, 12, 2):
        c.line([(4, y + 0.5), (12, y + 1.5)], 0.8, (90, 190, 110))
    c.line([(12, 9), (14.5, 8), (15, 10.5)], 1, (30, 120, 60))


def icon_window(c):
    # A top-level window: title bar, caption buttons, body.
    c.rect(1, 2, 15, 14, OUTLINE)
    c.rect(2, 3, 14, 13, (255, 255, 255))
    c.vgradient(2, 3, 14, 6, (10, 36, 106), (60, 100, 200))
    c.rect(11, 4, 13, 5, (212, 208, 200))
    c.rect(3, 8, 9, 9, (160, 160, 160))
    c.rect(3, 10, 11, 11, (160, 160, 160))


def icon_hung_window(c):
    # The same window, greyed, with an hourglass: its thread does not respond.
    c.rect(1, 2, 15, 14, OUTLINE)
    c.rect(2, 3, 14, 13, (228, 228, 228))
    c.vgradient(2, 3, 14, 6, (100, 100, 100), (150, 150, 150))
    c.rect(5, 6.5, 13, 7.5, (90, 40, 10))
    c.rect(5, 12.5, 13, 13.5, (90, 40, 10))
    c.polygon([(5.5, 7.5), (12.5, 7.5), (9, 10)], (90, 40, 10))
    c.polygon([(9, 10), (12.5, 12.5), (5.5, 12.5)], (90, 40, 10))
    c.polygon([(6.8, 8), (11.2, 8), (9, 9.6)], (250, 215, 90))
    c.polygon([(9, 10.8), (11.4, 12.4), (6.6, 12.4)], (235, 170, 20))


def arrow(c, up, colour, y_shift=0.0):
    if up:
        pts = [(8, 2 + y_shift), (14, 8.5 + y_shift), (10.5, 8.5 + y_shift),
               (10.5, 14 + y_shift), (5.5, 14 + y_shift), (5.5, 8.5 + y_shift),
               (2, 8.5 + y_shift)]
    else:
        pts = [(x, 16 - y) for x, y in [(8, 2), (14, 8.5), (10.5, 8.5), (10.5, 14), (5.5, 14),
                                        (5.5, 8.5), (2, 8.5)]]
    c.polygon(pts, darker(colour, 0.55))
    inner = [(8 + (x - 8) * 0.78, 8 + (y - 8) * 0.78) for x, y in pts]
    c.polygon(inner, colour)


def icon_priority_low(c):
    arrow(c, False, (70, 130, 230))


def icon_priority_normal(c):
    c.ellipse(8, 8, 5.5, 5.5, (20, 110, 30))
    c.ellipse(8, 8, 4.5, 4.5, (60, 190, 70))
    c.ellipse(7, 6.8, 2.0, 1.6, (190, 240, 190))


def icon_priority_high(c):
    arrow(c, True, (245, 150, 30))


def icon_priority_realtime(c):
    for y in (1.5, 7.5):
        pts = [(8, y), (14.5, y + 6.5), (11.5, y + 6.5), (8, y + 3), (4.5, y + 6.5),
               (1.5, y + 6.5)]
        c.polygon(pts, (140, 10, 10))
        inner = [(8 + (x - 8) * 0.8, y + 3.5 + (py - y - 3.5) * 0.7) for x, py in pts]
        c.polygon(inner, (230, 40, 30))


def icon_priority_window(c):
    c.rect(2, 3, 14, 13, OUTLINE)
    c.rect(3, 4, 13, 12, (255, 255, 255))
    c.rect(3, 4, 13, 6, (60, 100, 200))


OBJECT_ICONS = [icon_none, icon_object, icon_computer, icon_process, icon_system_process,
                icon_thread, icon_window, icon_hung_window]
PRIORITY_ICONS = [icon_priority_low, icon_priority_normal, icon_priority_high,
                  icon_priority_realtime, icon_priority_window]


def strip(drawers, n=16):
    rows = [[] for _ in range(n)]
    for draw in drawers:
        c = Canvas(n, n)
        draw(c if n == 16 else Scaled(c, 16))
        for j, row in enumerate(c.keyed_rows()):
            rows[j].extend(row)
    return rows


# ---- palette glyphs (24, 32 and 48 pixels) -------------------------------------------------
# Drawn once in a 48-unit square and scaled, so both sizes share one design; edges are blended
# onto the palette colour, which is BAR.

class Scaled:
    """A canvas seen through a coordinate system of `units` (48 for the glyphs, 16 for the
    object icons drawn larger)."""

    def __init__(self, c, units=48):
        self.c, self.s = c, c.w / float(units)

    def p(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def w(self, width):
        return max(1.0, width * self.s)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        s = self.s
        self.c.rect(x0 * s, y0 * s, x1 * s, y1 * s, colour, alpha)

    def rrect(self, x0, y0, x1, y1, r, colour, alpha=1.0):
        s = self.s
        self.c.rrect(x0 * s, y0 * s, x1 * s, y1 * s, r * s, colour, alpha)

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        s = self.s
        self.c.vgradient(round(x0 * s), round(y0 * s), round(x1 * s), round(y1 * s), top, bottom)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        s = self.s
        self.c.ellipse(cx * s, cy * s, rx * s, ry * s, colour, alpha)

    def polygon(self, pts, colour, alpha=1.0):
        self.c.polygon(self.p(pts), colour, alpha)

    def line(self, pts, width, colour, alpha=1.0):
        self.c.line(self.p(pts), self.w(width), colour, alpha)


def arc(cx, cy, r, a0, a1, n=24):
    """Points along a circle from angle a0 to a1 (degrees, clockwise on screen)."""
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * k / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * k / n))) for k in range(n + 1)]


def shadow(d, pts_or_box, kind="rrect", r=3):
    if kind == "rrect":
        x0, y0, x1, y1 = pts_or_box
        d.rrect(x0 + 2, y0 + 2, x1 + 2, y1 + 2, r, (40, 50, 90), 0.35)


def frame(d, x0, y0, x1, y1, body=(255, 255, 255), title=(10, 36, 106), title2=(70, 120, 220),
          buttons=True):
    """A top-level window: dark outline, gradient title bar, light body."""
    shadow(d, (x0, y0, x1, y1))
    d.rrect(x0, y0, x1, y1, 2, OUTLINE)
    d.rect(x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5, body)
    d.vgradient(x0 + 1.5, y0 + 1.5, x1 - 1.5, y0 + 8, title, title2)
    if buttons and x1 - x0 > 20:
        d.rect(x1 - 7, y0 + 3, x1 - 3, y0 + 6.5, (212, 208, 200))


def badge_cog(d, cx=37, cy=37, colour=(60, 110, 200)):
    """The process mark: a cog in the corner, as in the list's process image."""
    d.ellipse(cx, cy, 10.5, 10.5, (255, 255, 255), 0.85)
    gear(d.c, cx * d.s, cy * d.s, 9.5 * d.s, 6.8 * d.s, 2.8 * d.s, colour, teeth=7, phase=0.2)


def eye(d, cx, cy, rx, colour=(20, 60, 140), slashed=False):
    ry = rx * 0.62
    lens = arc(cx, cy + ry * 0.9, rx * 1.12, 203, 337, 16) + arc(cx, cy - ry * 0.9, rx * 1.12, 23,
                                                                 157, 16)
    d.polygon(lens, darker(colour, 0.7))
    inner = [(cx + (x - cx) * 0.86, cy + (y - cy) * 0.8) for x, y in lens]
    d.polygon(inner, (255, 255, 255))
    d.ellipse(cx, cy, ry * 0.8, ry * 0.8, colour)
    d.ellipse(cx, cy, ry * 0.38, ry * 0.38, (10, 10, 20))
    d.ellipse(cx - ry * 0.3, cy - ry * 0.3, ry * 0.2, ry * 0.2, (255, 255, 255))
    if slashed:
        d.line([(cx - rx, cy + rx * 0.8), (cx + rx, cy - rx * 0.8)], 5.5, (255, 255, 255))
        d.line([(cx - rx, cy + rx * 0.8), (cx + rx, cy - rx * 0.8)], 3.2, (200, 30, 30))


def big_arrow(d, up, colour):
    pts = [(24, 4), (42, 22), (32, 22), (32, 43), (16, 43), (16, 22), (6, 22)]
    if not up:
        pts = [(x, 47 - y) for x, y in pts]
    d.polygon([(x + 1.5, y + 1.5) for x, y in pts], (40, 50, 90), 0.35)
    d.polygon(pts, darker(colour, 0.55))
    inner = [(24 + (x - 24) * 0.84, 24 + (y - 24) * 0.86) for x, y in pts]
    d.polygon(inner, colour)
    hi = [(24 + (x - 24) * 0.5 - 3, 24 + (y - 24) * 0.6) for x, y in pts]
    d.polygon(hi, lighter(colour, 0.45), 0.5)


def window_plain(d):
    frame(d, 5, 7, 43, 41)
    d.rect(10, 19, 30, 21, (170, 170, 170))
    d.rect(10, 25, 36, 27, (170, 170, 170))
    d.rect(10, 31, 26, 33, (170, 170, 170))


def glyph_stop(d):
    # A red stop sign with a white cross: terminate.
    octa = [(24 + 20 * math.cos(math.radians(22.5 + 45 * k)),
             24 + 20 * math.sin(math.radians(22.5 + 45 * k))) for k in range(8)]
    d.polygon([(x + 1.5, y + 1.5) for x, y in octa], (40, 50, 90), 0.35)
    d.polygon(octa, (120, 10, 10))
    d.polygon([(24 + (x - 24) * 0.88, 24 + (y - 24) * 0.88) for x, y in octa], (220, 40, 30))
    d.ellipse(21, 17, 12, 8, (255, 140, 120), 0.35)
    d.line([(16, 16), (32, 32)], 5.5, (255, 255, 255))
    d.line([(32, 16), (16, 32)], 5.5, (255, 255, 255))


def glyph_inc(d):
    big_arrow(d, True, (250, 150, 30))


def glyph_dec(d):
    big_arrow(d, False, (60, 120, 230))


def glyph_show(d):
    frame(d, 4, 5, 44, 37)
    eye(d, 22, 23, 13)


def glyph_hide(d):
    frame(d, 4, 5, 44, 37, body=(226, 226, 232), title=(110, 110, 120), title2=(160, 160, 170))
    eye(d, 22, 23, 13, (90, 90, 110), slashed=True)


def glyph_max(d):
    frame(d, 3, 3, 45, 45)
    d.rect(38, 6, 42, 9.5, (212, 208, 200))
    for (x0, y0), (x1, y1) in [((18, 22), (10, 14)), ((30, 22), (38, 14)),
                               ((18, 34), (10, 40)), ((30, 34), (38, 40))]:
        d.line([(x0, y0), (x1, y1)], 2.6, (20, 110, 40))
        dx, dy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        d.polygon([(x1 + dx, y1 + dy), (x1 - 7 * dx, y1 + dy), (x1 + dx, y1 - 7 * dy)],
                  (20, 110, 40))


def glyph_min(d):
    frame(d, 8, 3, 40, 27, body=(255, 255, 255))
    d.line([(24, 12), (24, 30)], 3, (20, 110, 40))
    d.polygon([(16, 27), (32, 27), (24, 36)], (20, 110, 40))
    shadow(d, (6, 38, 42, 45))
    d.rrect(6, 38, 42, 45, 2, OUTLINE)
    d.vgradient(7.5, 39.5, 40.5, 43.5, (10, 36, 106), (70, 120, 220))
    d.rect(32, 41.5, 38, 43, (255, 255, 255))


def glyph_norm(d):
    # Two overlapping windows: restore.
    frame(d, 16, 4, 45, 30, body=(236, 240, 250))
    frame(d, 3, 17, 33, 44)
    d.rect(8, 28, 24, 30, (170, 170, 170))
    d.rect(8, 34, 28, 36, (170, 170, 170))


def with_cog(draw):
    def glyph(d):
        draw(d)
        badge_cog(d)
    return glyph


def glyph_run(d):
    frame(d, 3, 5, 39, 39)
    d.polygon([(20, 18), (44, 31), (20, 44)], (10, 80, 20))
    d.polygon([(22.5, 22), (40, 31), (22.5, 40)], (50, 190, 60))
    d.polygon([(23.5, 24), (31, 28), (23.5, 30)], (170, 240, 170), 0.6)


def glyph_restart(d):
    # A power symbol on a green button: a program started with Windows.
    d.ellipse(25.5, 25.5, 20, 20, (40, 50, 90), 0.35)
    d.ellipse(24, 24, 20, 20, (20, 90, 30))
    d.ellipse(24, 24, 18, 18, (60, 170, 70))
    d.ellipse(22, 18, 12, 8, (170, 235, 170), 0.4)
    d.line(arc(24, 25, 10, -55, 235, 30), 3.6, (255, 255, 255))
    d.line([(24, 10), (24, 24)], 3.6, (255, 255, 255))


def glyph_close(d):
    window_plain(d)
    d.ellipse(36, 34, 11, 11, (120, 10, 10))
    d.ellipse(36, 34, 9.8, 9.8, (220, 40, 30))
    d.line([(31.5, 29.5), (40.5, 38.5)], 3.4, (255, 255, 255))
    d.line([(40.5, 29.5), (31.5, 38.5)], 3.4, (255, 255, 255))


def glyph_search(d):
    d.line([(30, 30), (43, 43)], 7.5, (60, 40, 20))
    d.line([(31, 31), (42, 42)], 5, (150, 100, 50))
    d.ellipse(20.5, 20.5, 16, 16, (40, 50, 90), 0.3)
    d.ellipse(19, 19, 16, 16, (70, 70, 80))
    d.ellipse(19, 19, 12.5, 12.5, (200, 225, 250))
    d.ellipse(15, 15, 6, 4.5, (255, 255, 255), 0.8)


def glyph_refresh(d):
    blue, dark = (50, 120, 220), (15, 50, 130)
    for a0, a1, tip in [(200, 340, 340), (20, 160, 160)]:
        pts = arc(24, 24, 15, a0, a1, 24)
        d.line(pts, 7.5, dark)
        d.line(pts, 5, blue)
        x, y = pts[-1]
        ang = math.radians(tip)
        tx, ty = -math.sin(ang), math.cos(ang)  # direction of travel
        nx, ny = math.cos(ang), math.sin(ang)
        head = [(x + 8 * nx, y + 8 * ny), (x - 8 * nx, y - 8 * ny), (x + 9 * tx, y + 9 * ty)]
        d.polygon(head, dark)
        d.polygon([(x + 5.6 * nx + 0.8 * tx, y + 5.6 * ny + 0.8 * ty),
                   (x - 5.6 * nx + 0.8 * tx, y - 5.6 * ny + 0.8 * ty),
                   (x + 6.6 * tx, y + 6.6 * ty)], blue)


def glyph_print(d):
    d.rect(13, 4, 35, 20, OUTLINE)
    d.rect(14.5, 5.5, 33.5, 20, (255, 255, 255))
    for y in (9, 13):
        d.rect(17, y, 31, y + 1.5, (150, 150, 150))
    shadow(d, (4, 18, 44, 38))
    d.rrect(4, 18, 44, 38, 3, OUTLINE)
    d.rrect(5.5, 19.5, 42.5, 36.5, 2, (200, 200, 196))
    d.rect(5.5, 19.5, 42.5, 23, (230, 230, 226))
    d.rect(35, 25, 39, 28, (60, 190, 70))
    d.rect(11, 31, 37, 44, OUTLINE)
    d.rect(12.5, 31, 35.5, 42.5, (255, 255, 255))
    for y in (34, 38):
        d.rect(15, y, 33, y + 1.5, (40, 40, 160))


def glyph_log(d):
    # A ruled page with a pencil: the event log.
    shadow(d, (8, 3, 38, 45))
    d.rrect(8, 3, 38, 45, 1.5, OUTLINE)
    d.rect(9.5, 4.5, 36.5, 43.5, (255, 253, 235))
    d.rect(9.5, 4.5, 36.5, 10, (200, 60, 50))
    for y in range(15, 42, 5):
        d.rect(13, y, 33, y + 1.2, (110, 140, 200))
    pencil = [(44, 15), (47, 18), (29, 36), (26, 33)]
    d.polygon(pencil, (120, 80, 10))
    d.polygon([(44.6, 16.2), (45.8, 17.4), (28.6, 34.6), (27.4, 33.4)], (250, 190, 40))
    d.polygon([(26, 33), (29, 36), (23.5, 38.5)], (230, 200, 160))
    d.polygon([(24.6, 36.1), (25.9, 37.4), (23.5, 38.5)], (40, 40, 40))


# In the order of PaletteGlyph (src/app/palettes.h).
PALETTE_GLYPHS = [glyph_stop, glyph_inc, glyph_dec, with_cog(glyph_show), with_cog(glyph_hide),
                  with_cog(glyph_max), with_cog(glyph_min), with_cog(glyph_norm), glyph_run,
                  glyph_restart, glyph_close, glyph_show, glyph_hide, glyph_max, glyph_min,
                  glyph_norm, glyph_search, glyph_refresh, glyph_print, glyph_log]


def glyph_strip(n):
    rows = [[] for _ in range(n)]
    for draw in PALETTE_GLYPHS:
        c = Canvas(n, n)
        draw(Scaled(c))
        for j, row in enumerate(c.keyed_rows(BAR)):
            rows[j].extend(row)
    return rows


# ---- application icon ------------------------------------------------------------------

def app_icon(n):
    """A monitor showing a processor graph on the bar colour: the task manager."""
    c = Canvas(n, n)
    s = n / 48.0
    c.rrect(1 * s, 3 * s, 47 * s, 37 * s, 4 * s, (40, 40, 48))
    c.rrect(3 * s, 5 * s, 45 * s, 35 * s, 3 * s, BAR)
    c.vgradient(6 * s, 8 * s, 42 * s, 32 * s, (16, 32, 80), (10, 20, 50))
    step = max(1, round(6 * s))
    for x in range(round(6 * s), round(42 * s), step):
        c.rect(x, 8 * s, x + max(1, round(s * 0.6)), 32 * s, (40, 80, 60))
    graph = [(6, 26), (12, 24), (16, 27), (21, 15), (25, 21), (30, 11), (34, 18), (38, 14),
             (42, 16)]
    c.line([(x * s, y * s) for x, y in graph], max(1.2, 2.4 * s), (60, 230, 90))
    c.rect(19 * s, 37 * s, 29 * s, 41 * s, (40, 40, 48))
    c.rrect(11 * s, 41 * s, 37 * s, 46 * s, 2 * s, (40, 40, 48))
    c.rrect(12 * s, 42 * s, 36 * s, 45 * s, 1.5 * s, (200, 205, 220))
    return c.rgba_rows()


# ---- file writers ----------------------------------------------------------------------

def write_bmp24(path, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_png(path, rows, alpha):
    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px[:4] if alpha else px[:3])
    chunk = lambda t, d: (struct.pack(">I", len(d)) + t + d +
                          struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF))
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def preview(path, rows, scale=4):
    """An enlarged copy with the key shown as light grey, for looking at."""
    out = []
    for row in rows:
        big = []
        for px in row:
            big.extend([(200, 200, 200) if px == KEY else px] * scale)
        out.extend([big] * scale)
    write_png(path, out, False)


def logo(path, k=1):
    """k: the scale; every size and position is given at 1 and multiplied, not stretched."""
    bar = "rgb(%d,%d,%d)" % BAR
    n = lambda *v: ",".join("%g" % (x * k) for x in v)
    at = lambda x, y: "+%g+%g" % (x * k, y * k)
    subprocess.run([
        "convert", "-size", "%dx%d" % (233 * k, 59 * k), "xc:" + bar,
        # The bar shows the top 51 rows; the rest stays plain bar colour.
        "-fill", "rgba(255,255,255,0.18)", "-draw", "roundrectangle %s %s %s" % (n(4, 3), n(228, 47), n(8, 8)),
        "-fill", "rgb(70,86,150)", "-draw", "rectangle %s %s" % (n(12, 34), n(220, 34 + (k - 1) / k)),
        "-font", "DejaVu-Sans-Bold", "-pointsize", "%g" % (26 * k),
        "-fill", "rgb(92,104,160)", "-annotate", at(14, 30), "Orvane",
        "-fill", "rgb(10,36,106)", "-annotate", at(12, 28), "Orvane",
        "-fill", "rgb(10,36,106)", "-annotate", at(131, 30), "2000",
        "-fill", "white", "-annotate", at(129, 28), "2000",
        "-font", "DejaVu-Sans", "-pointsize", "%g" % (8.5 * k),
        "-fill", "rgb(30,44,110)", "-annotate", at(13, 44),
        "P R O F E S S I O N A L   T A S K   M A N A G E R",
        "-type", "TrueColor", "BMP3:" + path], check=True)


def about_banner(path, k=1):
    """The about box's top: the product's name on a band of the bar colour fading to white."""
    n = lambda *v: ",".join("%g" % (x * k) for x in v)
    at = lambda x, y: "+%g+%g" % (x * k, y * k)
    subprocess.run([
        "convert", "-size", "%dx%d" % (345 * k, 79 * k), "gradient:rgb(%d,%d,%d)-white" % BAR,
        "-fill", "rgb(10,36,106)", "-draw", "rectangle %s %s" % (n(0, 0), n(345 - 1 / k, 6 - 1 / k)),
        "-fill", "rgba(255,255,255,0.35)", "-draw", "roundrectangle %s %s %s" % (n(10, 14), n(334, 70), n(10, 10)),
        "-font", "DejaVu-Sans-Bold", "-pointsize", "%g" % (30 * k),
        "-fill", "rgb(92,104,160)", "-annotate", at(22, 50), "Orvane",
        "-fill", "rgb(10,36,106)", "-annotate", at(20, 48), "Orvane",
        "-fill", "rgb(10,36,106)", "-annotate", at(160, 50), "2000",
        "-fill", "white", "-annotate", at(158, 48), "2000",
        "-font", "DejaVu-Sans", "-pointsize", "%g" % (9 * k),
        "-fill", "rgb(30,44,110)", "-annotate", at(22, 63),
        "P R O F E S S I O N A L   T A S K   M A N A G E R",
        "-type", "TrueColor", "BMP3:" + path], check=True)


def large_images():
    """The sizes for scaled displays: image strips of 24 and 32, glyphs of 36 and 64."""
    for n in (24, 32):
        write_bmp24(os.path.join(RES, "view_object_icons_%d.bmp" % n), strip(OBJECT_ICONS, n))
        write_bmp24(os.path.join(RES, "view_object_icons_priority_%d.bmp" % n),
                    strip(PRIORITY_ICONS, n))
    for n in (36, 64):
        write_bmp24(os.path.join(RES, "palette_glyphs_%d.bmp" % n), glyph_strip(n))


def main():
    os.makedirs(RES, exist_ok=True)
    objects = strip(OBJECT_ICONS)
    priorities = strip(PRIORITY_ICONS)
    write_bmp24(os.path.join(RES, "view_object_icons.bmp"), objects)
    write_bmp24(os.path.join(RES, "view_object_icons_priority.bmp"), priorities)
    preview(os.path.join(RES, "view_object_icons.png"), objects, 6)
    preview(os.path.join(RES, "view_object_icons_priority.png"), priorities, 6)
    large_images()
    for n in (24, 32, 48):
        glyphs = glyph_strip(n)
        write_bmp24(os.path.join(RES, "palette_glyphs_%d.bmp" % n), glyphs)
        preview(os.path.join(RES, "palette_glyphs_%d.png" % n), glyphs, 2)

    with tempfile.TemporaryDirectory() as tmp:
        pngs = []
        for n in (16, 24, 32, 48):
            p = os.path.join(tmp, "icon%d.png" % n)
            write_png(p, app_icon(n), True)
            pngs.append(p)
        subprocess.run(["convert"] + pngs + [os.path.join(RES, "orvane.ico")], check=True)
        subprocess.run(["convert", pngs[3], "-scale", "400%",
                        os.path.join(RES, "orvane_icon_preview.png")], check=True)
    logo(os.path.join(RES, "image_logo.bmp"))
    subprocess.run(["convert", os.path.join(RES, "image_logo.bmp"), "-scale", "300%",
                    os.path.join(RES, "image_logo_preview.png")], check=True)
    about_banner(os.path.join(RES, "about_banner.bmp"))
    logo(os.path.join(RES, "image_logo_2x.bmp"), 2)
    about_banner(os.path.join(RES, "about_banner_2x.bmp"), 2)
    return 0


if __name__ == "__main__":
    sys.exit(main())
