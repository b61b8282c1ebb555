// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <set>
#include <utility>

#include "platform/ui/Gdi.h"

// Pixel helpers shared by the view tests.
inline COLORREF PixelAt(const QImage& image, int x, int y) {
    return FromQRgb(image.pixel(x, y));
}

inline QImage BlankImage(int w, int h, COLORREF cr = RGB(255, 255, 255)) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQRgb(cr));
    return image;
}

using PixelSet = std::set<std::pair<int, int>>;

// Every pixel of the image that differs from the background colour.
inline PixelSet PixelsNot(const QImage& image, COLORREF background) {
    PixelSet set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) != background) set.insert({x, y});
    return set;
}

inline int CountColour(const QImage& image, const QRect& area, COLORREF cr) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (PixelAt(image, x, y) == cr) ++n;
    return n;
}

inline bool SameRegion(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}
