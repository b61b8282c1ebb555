// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/SpokenReading.h"

#include <QCoreApplication>
#include <cstdlib>

#include "analysis/FrequencyDigits.h"
#include "analysis/NoteNaming.h"
#include "analysis/NoteTable.h"

const char* const NO_INPUT_SIGNAL_TEXT = QT_TRANSLATE_NOOP("SpokenReading", "no input signal");

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
    if (bSharps)
        return QCoreApplication::translate("SpokenReading", "%1 sharp %2")
            .arg(letter(name[0]), octave);
    // A black key is never below C or above B, so the letter above is in the
    // same octave.
    const char* above = NoteName(nNote + 1);
    return QCoreApplication::translate("SpokenReading", "%1 flat %2").arg(letter(above[0]), octave);
}

QString CentsInWords(int nCents) {
    if (nCents == 0) return QCoreApplication::translate("SpokenReading", "in tune");
    const int n = std::abs(nCents);
    // Whole phrases, so that a translation may order its words its own way.
    const QString format =
        nCents > 0 ? (n == 1 ? QCoreApplication::translate("SpokenReading", "%1 cent sharp")
                             : QCoreApplication::translate("SpokenReading", "%1 cents sharp"))
                   : (n == 1 ? QCoreApplication::translate("SpokenReading", "%1 cent flat")
                             : QCoreApplication::translate("SpokenReading", "%1 cents flat"));
    return format.arg(n);
}

QString FrequencyInWords(float hz) {
    const auto digits = CFrequencyDigits::ComputeDigits(hz);
    if (digits[0] == GLYPH_DASH) return {};
    // The digits as displayed, without the leading zeros.
    const int tenths =
        digits[0] * 10000 + digits[1] * 1000 + digits[2] * 100 + digits[3] * 10 + digits[4];
    return QCoreApplication::translate("SpokenReading", "%1.%2 Hz")
        .arg(tenths / 10)
        .arg(tenths % 10);
}
