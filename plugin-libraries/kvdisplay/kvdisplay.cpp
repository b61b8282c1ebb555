// SPDX-License-Identifier: GPL-3.0-or-later
// kvdisplay: picks the frequency range that the spectrum shows.
//
// The range chosen in the spectrum settings is the level-0 range. Each zoom
// level halves the width of the full band (40 ... 4000 Hz): level 1 shows
// 1980 Hz, level 2 990 Hz, level 3 495 Hz, centred on the frequency under the
// mouse and shifted to stay inside the band. Whatever comes in, what goes out
// keeps the view's contract: 40 <= from < to <= 4000, range = to - from,
// log range = log10(to / from), level 0 ... 3.

#include <cmath>

#include "KalvoPlugins.h"

namespace {

constexpr float BAND_LOW = 40.0f;
constexpr float BAND_HIGH = 4000.0f;
constexpr float BAND_WIDTH = BAND_HIGH - BAND_LOW;
constexpr unsigned MAX_LEVEL = 3;
// The narrowest range shown is the width of the deepest level.
constexpr float MIN_WIDTH = BAND_WIDTH / (1u << MAX_LEVEL);

// The settings' range; the full band until SetRange is called.
float g_fBaseFrom = BAND_LOW;
float g_fBaseTo = BAND_HIGH;

float ClampToBand(float f, float fIfNotFinite) {
    if (!std::isfinite(f)) return fIfNotFinite;
    if (f < BAND_LOW) return BAND_LOW;
    if (f > BAND_HIGH) return BAND_HIGH;
    return f;
}

// A window of the given width centred on fCentre, moved inside the band.
void Place(float fCentre, float fWidth, float& fFrom, float& fTo) {
    if (!(fWidth >= MIN_WIDTH)) fWidth = MIN_WIDTH;
    if (fWidth > BAND_WIDTH) fWidth = BAND_WIDTH;
    fCentre = ClampToBand(fCentre, 0.5f * (BAND_LOW + BAND_HIGH));
    double dFrom = static_cast<double>(fCentre) - 0.5 * fWidth;
    double dTo = dFrom + fWidth;
    if (dFrom < BAND_LOW) {
        dFrom = BAND_LOW;
        dTo = BAND_LOW + static_cast<double>(fWidth);
    }
    if (dTo > BAND_HIGH) {
        dTo = BAND_HIGH;
        dFrom = BAND_HIGH - static_cast<double>(fWidth);
    }
    fFrom = static_cast<float>(dFrom);
    fTo = static_cast<float>(dTo);
    // Rounding to float must not push either end out of the band.
    if (fFrom < BAND_LOW) fFrom = BAND_LOW;
    if (fTo > BAND_HIGH) fTo = BAND_HIGH;
}

// Derived values are computed from the stored floats, so the caller's
// relations hold exactly for what it holds.
void Write(float fFrom, float fTo, float* pfFrom, float* pfTo, float* pfRange, double* pdLogRange) {
    if (pfFrom) *pfFrom = fFrom;
    if (pfTo) *pfTo = fTo;
    if (pfRange) *pfRange = fTo - fFrom;
    if (pdLogRange) *pdLogRange = std::log10(static_cast<double>(fTo) / static_cast<double>(fFrom));
}

// The level whose width is nearest (on a log scale) to fWidth.
unsigned LevelOfWidth(float fWidth) {
    const double dSteps = std::log2(static_cast<double>(BAND_WIDTH) / fWidth);
    if (!(dSteps > 0.5)) return 0;
    const unsigned nLevel = static_cast<unsigned>(std::lround(dSteps));
    return nLevel > MAX_LEVEL ? MAX_LEVEL : nLevel;
}

}  // namespace

unsigned int GetNumber(void) {
    return KVDISPLAY_INTERFACE_NUMBER;
}

void SetRange(float fFrom, float fTo, unsigned int* pnZoomLevel, float* pfRange,
              double* pdLogRange) {
    fFrom = ClampToBand(fFrom, BAND_LOW);
    fTo = ClampToBand(fTo, BAND_HIGH);
    if (fFrom > fTo) {
        const float f = fFrom;
        fFrom = fTo;
        fTo = f;
    }
    // The settings dialog asks for at least 500 Hz; anything narrower is
    // widened around its middle rather than shown as an empty plot.
    if (fTo - fFrom < MIN_WIDTH) Place(0.5f * (fFrom + fTo), MIN_WIDTH, fFrom, fTo);
    g_fBaseFrom = fFrom;
    g_fBaseTo = fTo;
    if (pnZoomLevel) *pnZoomLevel = LevelOfWidth(fTo - fFrom);
    Write(fFrom, fTo, nullptr, nullptr, pfRange, pdLogRange);
}

void Zoom(unsigned int nZoomLevel, float fZoomCentre, float* pfFrom, float* pfTo, float* pfRange,
          double* pdLogRange) {
    float fFrom = g_fBaseFrom;
    float fTo = g_fBaseTo;
    if (nZoomLevel > MAX_LEVEL) nZoomLevel = MAX_LEVEL;
    if (nZoomLevel > 0) {
        // A centre that is no number zooms on the middle of the settings' range.
        const float fCentre =
            std::isnan(fZoomCentre) ? 0.5f * (g_fBaseFrom + g_fBaseTo) : fZoomCentre;
        Place(fCentre, BAND_WIDTH / static_cast<float>(1u << nZoomLevel), fFrom, fTo);
    }
    Write(fFrom, fTo, pfFrom, pfTo, pfRange, pdLogRange);
}
