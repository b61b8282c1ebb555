// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Dialog templates are laid out in dialog units of the template font. The
// base units are fixed (those of the design's 8-point dialog font), so every
// template keeps its pixel size whatever font metrics Qt reports:
// x: 6 pixels per 4 units, y: 13 pixels per 8 units.
constexpr int DIALOG_BASE_UNIT_X = 6;
constexpr int DIALOG_BASE_UNIT_Y = 13;

// Rounded to the nearest pixel like the platform's MulDiv.
int DialogUnitsToPixelsX(int nUnits);
int DialogUnitsToPixelsY(int nUnits);
// A template rectangle (left, top, width, height in units) in pixels.
QRect MapDialogRect(const QRect& units);
