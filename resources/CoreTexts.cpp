// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/CoreTexts.h"

#include <QCoreApplication>
#include <cstring>

#include "analysis/Fft.h"
#include "analysis/NoteTable.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"
#include "analysis/TuningOptions.h"
#include "recording/RecordingRecovery.h"

namespace {
// The core's texts, in the core's order (tests/views/CoreTextsTest.cpp
// compares them with the core).
constexpr const char* TRANSPOSITIONS[] = {
    QT_TRANSLATE_NOOP("Transposition", "None"),
    QT_TRANSLATE_NOOP("Transposition", "+1 Octave"),
    QT_TRANSLATE_NOOP("Transposition", "-1 Octave"),
    QT_TRANSLATE_NOOP("Transposition", "B flat instr."),
    QT_TRANSLATE_NOOP("Transposition", "B flat instr. +1 octave"),
    QT_TRANSLATE_NOOP("Transposition", "B flat instr. -1 octave"),
    QT_TRANSLATE_NOOP("Transposition", "E flat instr."),
    QT_TRANSLATE_NOOP("Transposition", "E flat instr. +1 octave"),
    QT_TRANSLATE_NOOP("Transposition", "E flat instr. -1 octave"),
};

constexpr const char* WINDOW_TYPES[] = {
    QT_TRANSLATE_NOOP("WindowFunction", "Blackmann"),
    QT_TRANSLATE_NOOP("WindowFunction", "Gaussian"),
    QT_TRANSLATE_NOOP("WindowFunction", "Hamming"),
    QT_TRANSLATE_NOOP("WindowFunction", "Hanning"),
    QT_TRANSLATE_NOOP("WindowFunction", "Parzen"),
    QT_TRANSLATE_NOOP("WindowFunction", "Rectangular"),
    QT_TRANSLATE_NOOP("WindowFunction", "Welch"),
};

constexpr const char* TEMPERAMENTS[] = {
    QT_TRANSLATE_NOOP("Tuning", "Equal temperament"),
    QT_TRANSLATE_NOOP("Tuning", "Pythagorean"),
    QT_TRANSLATE_NOOP("Tuning", "Quarter-comma meantone"),
    QT_TRANSLATE_NOOP("Tuning", "Sixth-comma meantone"),
    QT_TRANSLATE_NOOP("Tuning", "Werckmeister III"),
    QT_TRANSLATE_NOOP("Tuning", "Kirnberger III"),
    QT_TRANSLATE_NOOP("Tuning", "Vallotti"),
    QT_TRANSLATE_NOOP("Tuning", "Young (1799)"),
    QT_TRANSLATE_NOOP("Tuning", "Just intonation"),
};

constexpr const char* STRING_PRESETS[] = {
    QT_TRANSLATE_NOOP("Tuning", "Guitar"),
    QT_TRANSLATE_NOOP("Tuning", "Guitar, drop D"),
    QT_TRANSLATE_NOOP("Tuning", "Guitar, DADGAD"),
    QT_TRANSLATE_NOOP("Tuning", "Guitar, open G"),
    QT_TRANSLATE_NOOP("Tuning", "Guitar, open D"),
    QT_TRANSLATE_NOOP("Tuning", "Guitar, half a step down"),
    QT_TRANSLATE_NOOP("Tuning", "Seven-string guitar"),
    QT_TRANSLATE_NOOP("Tuning", "Bass"),
    QT_TRANSLATE_NOOP("Tuning", "Five-string bass"),
    QT_TRANSLATE_NOOP("Tuning", "Violin"),
    QT_TRANSLATE_NOOP("Tuning", "Viola"),
    QT_TRANSLATE_NOOP("Tuning", "Cello"),
    QT_TRANSLATE_NOOP("Tuning", "Double bass"),
    QT_TRANSLATE_NOOP("Tuning", "Ukulele, re-entrant"),
    QT_TRANSLATE_NOOP("Tuning", "Mandolin"),
    QT_TRANSLATE_NOOP("Tuning", "Banjo, open G"),
};

// The translation of a core text by its position; the core's own text for a
// position the table does not have (a core that grew a row: the test says
// so), "" for none.
template <size_t N>
QString FromTable(const char* context, const char* const (&table)[N], int i,
                  const char* pszCoreText) {
    if (i >= 0 && static_cast<size_t>(i) < N && pszCoreText &&
        std::strcmp(table[i], pszCoreText) == 0)
        return QCoreApplication::translate(context, table[i]);
    return pszCoreText ? QString::fromUtf8(pszCoreText) : QString();
}

QString Reason(int nError) {
    return nError ? QString::fromLocal8Bit(std::strerror(nError))
                  : QCoreApplication::translate("RecordingProblem", "unknown error");
}

QString Local(const std::string& s) {
    return QString::fromLocal8Bit(s.c_str());
}
}  // namespace

QString TranspositionDisplayText(int nRow) {
    return FromTable("Transposition", TRANSPOSITIONS, nRow, TranspositionText(nRow));
}

QString WindowTypeDisplayText(int nType) {
    return FromTable("WindowFunction", WINDOW_TYPES, nType, WindowTypeText(nType));
}

QString TemperamentDisplayTitle(int nIndex) {
    const auto& temperaments = Temperaments();
    const bool bKnown = nIndex >= 0 && static_cast<size_t>(nIndex) < temperaments.size();
    return FromTable("Tuning", TEMPERAMENTS, nIndex,
                     bKnown ? temperaments[static_cast<size_t>(nIndex)].title : nullptr);
}

QString StringPresetDisplayTitle(int nIndex) {
    const auto& presets = StringPresets();
    const bool bKnown = nIndex >= 0 && static_cast<size_t>(nIndex) < presets.size();
    return FromTable("Tuning", STRING_PRESETS, nIndex,
                     bKnown ? presets[static_cast<size_t>(nIndex)].title : nullptr);
}

QString TuningDisplayTitle(const CTuningValues& v) {
    // As CTuning::Build makes the title, word for word.
    const bool bStrings = !v.strStrings.empty();
    const bool bScale = !v.strScale.empty();
    const int nTemperament =
        v.nTemperament >= 0 && static_cast<size_t>(v.nTemperament) < Temperaments().size()
            ? v.nTemperament
            : 0;
    if (nTemperament == 0 && !bScale && !bStrings) return {};
    QString strTemperament;
    if (nTemperament != 0)
        strTemperament = QCoreApplication::translate("Tuning", "%1 on %2")
                             .arg(TemperamentDisplayTitle(nTemperament),
                                  QString::fromLatin1(PitchClassName(v.nTonic)));
    if (bStrings) {
        QString title;
        const auto& presets = StringPresets();
        for (size_t i = 0; i < presets.size() && title.isEmpty(); ++i)
            if (v.strStrings == presets[i].name)
                title = StringPresetDisplayTitle(static_cast<int>(i));
        if (title.isEmpty())
            title = QCoreApplication::translate("Tuning", "Strings %1").arg(Local(v.strStrings));
        return strTemperament.isEmpty()
                   ? title
                   : QCoreApplication::translate("Tuning", "%1, %2").arg(title, strTemperament);
    }
    if (bScale) {
        std::string strName = v.strScale;
        if (const size_t nSlash = strName.rfind('/'); nSlash != std::string::npos)
            strName.erase(0, nSlash + 1);
        return QCoreApplication::translate("Tuning", "Scale %1").arg(Local(strName));
    }
    return strTemperament;
}

QString RecordingProblemText(const RecordingProblem& p) {
    // As FormatProblem says it: the file and the reason, the folders that
    // failed first, so that the line ends where the data is.
    QString s = QCoreApplication::translate("RecordingProblem", "%1: %2")
                    .arg(Local(p.strPath), Reason(p.nError));
    if (!p.failedFolders.empty()) {
        QString folders;
        for (size_t i = 0; i < p.failedFolders.size(); ++i) {
            const QString folder =
                QCoreApplication::translate("RecordingProblem", "%1 (%2)")
                    .arg(Local(p.failedFolders[i].strFolder), Reason(p.failedFolders[i].nError));
            if (i == 0)
                folders = folder;
            else if (i + 1 == p.failedFolders.size())
                folders = QCoreApplication::translate("RecordingProblem", "%1 or %2")
                              .arg(folders, folder);
            else
                folders =
                    QCoreApplication::translate("RecordingProblem", "%1, %2").arg(folders, folder);
        }
        s = p.bLost
                ? QCoreApplication::translate(
                      "RecordingProblem",
                      "%1; what was recorded is lost: it could not be saved in %2")
                      .arg(s, folders)
                : QCoreApplication::translate("RecordingProblem", "%1; it could not be saved in %2")
                      .arg(s, folders);
    }
    if (!p.strSavedTo.empty())
        s = p.bContinues
                ? QCoreApplication::translate(
                      "RecordingProblem",
                      "%1; what was recorded is now in %2, and the recording goes on there")
                      .arg(s, Local(p.strSavedTo))
                : QCoreApplication::translate("RecordingProblem",
                                              "%1; the recording was saved to %2")
                      .arg(s, Local(p.strSavedTo));
    return s;
}

QString LogToMidiNoticeText() {
    // The designed text starts with a carriage return, which the label
    // shows as nothing; the translation is of the words.
    return QLatin1Char('\r') +
           QCoreApplication::translate("LogToMidi", "Converting to midi file...");
}
