// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/DialogUnits.h"

namespace {
// a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    const long long q = p >= 0 ? (2 * p + c) / (2 * c) : -((-2 * p + c) / (2 * c));
    return static_cast<int>(q);
}
}  // namespace

int DialogUnitsToPixelsX(int nUnits) {
    return MulDiv(nUnits, DIALOG_BASE_UNIT_X, 4);
}
int DialogUnitsToPixelsY(int nUnits) {
    return MulDiv(nUnits, DIALOG_BASE_UNIT_Y, 8);
}

QRect MapDialogRect(const QRect& units) {
    // Edges are converted, not sizes, so adjacent controls stay adjacent.
    const int left = DialogUnitsToPixelsX(units.left());
    const int top = DialogUnitsToPixelsY(units.top());
    const int right = DialogUnitsToPixelsX(units.left() + units.width());
    const int bottom = DialogUnitsToPixelsY(units.top() + units.height());
    return QRect(left, top, right - left, bottom - top);
}
