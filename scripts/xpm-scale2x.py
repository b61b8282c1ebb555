#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the 2x version of XPM pictures (NAME@2x.xpm beside NAME.xpm) with the
Scale2x rule: each pixel becomes four, and a corner takes a neighbour's colour
where two neighbours agree, so diagonals and curves stay smooth instead of
becoming staircases of 2 x 2 blocks. Colours are kept exactly.
    scripts/xpm-scale2x.py resources/icons/188.xpm ...
"""
import re
import sys


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', open(path).read())
    width, height, ncolours, cpp = map(int, strings[0].split()[:4])
    colours = strings[1:1 + ncolours]
    rows = strings[1 + ncolours:1 + ncolours + height]
    pixels = [[row[i * cpp:(i + 1) * cpp] for i in range(width)] for row in rows]
    return cpp, colours, pixels


def scale2x(p):
    h, w = len(p), len(p[0])
    out = [[None] * (2 * w) for _ in range(2 * h)]
    for y in range(h):
        for x in range(w):
            e = p[y][x]
            b = p[y - 1][x] if y > 0 else e
            h_ = p[y + 1][x] if y < h - 1 else e
            d = p[y][x - 1] if x > 0 else e
            f = p[y][x + 1] if x < w - 1 else e
            if b != h_ and d != f:
                e0 = d if d == b else e
                e1 = f if b == f else e
                e2 = d if d == h_ else e
                e3 = f if h_ == f else e
            else:
                e0 = e1 = e2 = e3 = e
            out[2 * y][2 * x], out[2 * y][2 * x + 1] = e0, e1
            out[2 * y + 1][2 * x], out[2 * y + 1][2 * x + 1] = e2, e3
    return out


def main():
    for path in sys.argv[1:]:
        cpp, colours, pixels = read_xpm(path)
        big = scale2x(pixels)
        name = 'picture_' + re.sub(r'\W', '_', path.rsplit('/', 1)[-1][:-4]) + '_2x'
        lines = ['/* XPM */', 'static const char *const %s[] = {' % name,
                 '"%d %d %d %d",' % (len(big[0]), len(big), len(colours), cpp)]
        lines += ['"%s",' % c for c in colours]
        lines += ['"%s",' % ''.join(row) for row in big]
        lines[-1] = lines[-1][:-1]
        lines.append('};')
        out = path[:-4] + '@2x.xpm'
        open(out, 'w').write('\n'.join(lines) + '\n')
        print(out)


if __name__ == '__main__':
    main()
