// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/SpokenReading.h"

#include <cstdlib>

#include "analysis/FrequencyDigits.h"
#include "analysis/NoteNaming.h"
#include "analysis/NoteTable.h"

const char* const NO_INPUT_SIGNAL_TEXT = "no input signal";

QString NoteInWords(int nNote, bool bSharps, int nNaming) {
    const char* name = NoteName(nNote);
    if (!name) return {};
    const auto letter = [nNaming](char ch) {
        return QString::fromLatin1(LocalNoteLetter(ch, nNaming));
    };
    const QChar octave = QLatin1Char(name[1]);
    if (name[2] != '#') return letter(name[0]) + octave;
    // German has a letter of its own for the black key between A and H.
    if (nNaming == NOTE_NAMES_GERMAN && name[0] == 'A') return QStringLiteral("B") + octave;
    if (bSharps) return letter(name[0]) + QStringLiteral(" sharp ") + octave;
    // A black key is never below C or above B, so the letter above is in the
    // same octave.
    const char* above = NoteName(nNote + 1);
    return letter(above[0]) + QStringLiteral(" flat ") + octave;
}

QString CentsInWords(int nCents) {
    if (nCents == 0) return QStringLiteral("in tune");
    const int n = std::abs(nCents);
    return QStringLiteral("%1 %2 %3")
        .arg(n)
        .arg(n == 1 ? QStringLiteral("cent") : QStringLiteral("cents"))
        .arg(nCents > 0 ? QStringLiteral("sharp") : QStringLiteral("flat"));
}

QString FrequencyInWords(float hz) {
    const auto digits = CFrequencyDigits::ComputeDigits(hz);
    if (digits[0] == GLYPH_DASH) return {};
    // The digits as displayed, without the leading zeros.
    const int tenths =
        digits[0] * 10000 + digits[1] * 1000 + digits[2] * 100 + digits[3] * 10 + digits[4];
    return QStringLiteral("%1.%2 Hz").arg(tenths / 10).arg(tenths % 10);
}
