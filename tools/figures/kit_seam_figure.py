#!/usr/bin/env python3
"""Lays gore 2 and gore 3 of an exported northern kit onto its northern plate, each gore's straight
top on the plate side it is glued to, and writes the picture as one SVG: the README's figure of how
the kit's pieces meet. Usage: kit_seam_figure.py EXPORT_FOLDER OUT.svg (the folder of
`orbweave-export gores --k all --hemisphere north --plates north --tabs off --format svg`)."""
import glob
import math
import re
import sys


def cut_outline(svg):
    d = re.search(r'<path[^>]*d="([^"]*)"[^>]*class="cut-outline"', svg).group(1)
    return [tuple(map(float, p.split(','))) for p in re.findall(r'-?[\d.]+,-?[\d.]+', d)]


def body(svg):
    inner = svg[svg.index('>', svg.index('<svg')) + 1:svg.rindex('</svg>')]
    return re.sub(r'<title>.*?</title>', '', inner, flags=re.S)


def size(svg):
    m = re.search(r'viewBox="0 0 ([\d.]+) ([\d.]+)"', svg)
    return float(m.group(1)), float(m.group(2))


def main(folder, out):
    plate_svg = open(glob.glob(folder + '/*PlateN*.svg')[0]).read()
    ngon = cut_outline(plate_svg)
    n = len(ngon)
    pw, ph = size(plate_svg)
    parts = []
    points = list(ngon)
    for k in (2, 3):
        gore_svg = open(glob.glob(folder + '/N%d_K%d_NS1_*.svg' % (n, k))[0]).read()
        outline = cut_outline(gore_svg)
        top_x = max(p[0] for p in outline)
        top = sorted((p for p in outline if abs(p[0] - top_x) < 1e-4), key=lambda p: p[1])
        # The top's end at larger longitudes (lower on the gore) goes to the plate corner k, the other to k − 1.
        g_low, g_high = top[-1], top[0]
        # Corners run round the plate from λ 0 with larger longitudes turning upwards: side k joins corners k − 1 and k.
        start = ngon.index(max(ngon, key=lambda p: p[0]))
        c_prev, c_k = ngon[(start + k - 1) % n], ngon[(start + k) % n]
        a_g = math.atan2(g_low[1] - g_high[1], g_low[0] - g_high[0])
        a_p = math.atan2(c_k[1] - c_prev[1], c_k[0] - c_prev[0])
        turn = math.degrees(a_p - a_g)
        c, s_ = math.cos(a_p - a_g), math.sin(a_p - a_g)
        for x, y in outline:
            dx, dy = x - g_high[0], y - g_high[1]
            points.append((c_prev[0] + c * dx - s_ * dy, c_prev[1] + s_ * dx + c * dy))
        parts.append('<g transform="translate(%f %f) rotate(%f) translate(%f %f)">%s</g>'
                     % (c_prev[0], c_prev[1], turn, -g_high[0], -g_high[1], body(gore_svg)))
    left, top = min(p[0] for p in points) - 0.5, min(p[1] for p in points) - 0.5
    w, h = max(p[0] for p in points) + 0.5 - left, max(p[1] for p in points) + 0.5 - top
    doc = ('<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" '
           'xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="%gcm" height="%gcm" '
           'viewBox="%g %g %g %g"><rect x="%g" y="%g" width="%g" height="%g" fill="white"/>%s%s</svg>\n'
           % (w, h, left, top, w, h, left, top, w, h, body(plate_svg), ''.join(parts)))
    open(out, 'w').write(doc)


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
