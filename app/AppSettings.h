// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "analysis/TuningOptions.h"
#include "platform/ui/Gdi.h"

// Everything Settings -> Remember Settings keeps from one run to the next.
// The defaults are the designed start of every run.
struct CAppSettings {
    CTuningValues tuning;  // A5, transposition, pitch method, FFT size, window, alpha
    // The spectrum view settings.
    int nSpectrumScale = 0;  // 0 linear, 1 logarithmic
    int nDynamicIndex = 3;   // 45 dB
    int nFrom = 40;
    int nTo = 4000;
    // The MIDI settings, without the lowest note, which every opening of
    // the dialog sets to "E3" again.
    int nAccidentals = 0;
    int nSharpFlat = 0;   // 0 sharp, 1 flat
    int nMajorMinor = 0;  // 0 major, 1 minor
    int nPitchMode = 1;   // 0 keep the pitch, 1 round to the closest note
    int nInstrument = 0;
    int nTempo = 100;
    int nPitchChangeIndex = 2;  // 25 cents
    int nMinDbIndex = 3;        // -40 dB
    // The view.
    COLORREF crBackground = RGB(255, 255, 240);
    COLORREF crSpectrum = RGB(0, 128, 0);
    COLORREF crSpectrumArea = RGB(255, 255, 255);
    int nRefreshRate = 0;  // 0 high, 1 normal, 2 low
    bool bDamping = true;
    bool bSharps = false;
    bool bHold = false;    // View -> Hold Last Reading
    int nNoteNaming = -1;  // Settings -> Note Names; -1: none chosen, the locale's
    bool bStrobe = false;  // the strobe in the spectrum's place
    bool bSnapshotToClipboard = true;
    // Where recordings go (empty: the working folder) and what is listened
    // to (empty: the server's default, or the user's choice at start).
    std::string strRecordFolder;
    std::string strSource;
    // The window's place and size; none until a window has been saved.
    bool bPlaced = false;
    int nX = 0, nY = 0, nWidth = 0, nHeight = 0;
};

// True when a file can be made in the folder (tried, as permissions alone do
// not tell: a read-only mount, or /proc for root); else false with the
// system's reason.
bool CanWriteFolder(const std::string& strFolder, std::string& strReason);

// $XDG_CONFIG_HOME/kalvo/kalvo.conf (~/.config/kalvo/kalvo.conf).
QString SettingsFilePath();

// A settings file larger than this is no file of ours.
constexpr int MAX_SETTINGS_FILE_BYTES = 1 << 20;
// How long a save waits for another one to finish.
constexpr int SETTINGS_LOCK_WAIT_MS = 1000;

enum class ESettingsFile {
    None,     // there is no file
    Read,     // read over the defaults
    Refused,  // there is one, but it cannot be read or is no settings file
};

// Reads the file over the values in s. Every value that is missing keeps
// its default; every value that is out of range, of the wrong kind or not a
// folder that can be written is named in bad and keeps its default too.
// Keys are matched whatever their case. A file that exists but cannot be
// read, is larger than MAX_SETTINGS_FILE_BYTES or is not a settings file is
// Refused with the reason, and s is left as it was.
ESettingsFile ReadSettingsFile(const QString& strPath, CAppSettings& s, QStringList& bad,
                               std::string& strReason);
// Replaces the file whole (through a link, the file it names); false with
// the reason when it could not be written, and then the old file stands as
// it was and nothing else is left behind.
bool WriteSettingsFile(const QString& strPath, const CAppSettings& s, std::string& strReason);
