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

// Reads the file over the values in s. Every value that is missing keeps
// its default; every value that is out of range, of the wrong kind or not a
// folder that can be written is named in bad and keeps its default too.
// False when there is no file.
bool ReadSettingsFile(const QString& strPath, CAppSettings& s, QStringList& bad);
// False when the file could not be written.
bool WriteSettingsFile(const QString& strPath, const CAppSettings& s);
