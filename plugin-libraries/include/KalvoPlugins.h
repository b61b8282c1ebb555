// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exports of Kalvo's two plug-in libraries, kvmidi.so and kvdisplay.so.
// The program binds them by the decorated names of exactly these C++
// declarations (global namespace, C++ linkage), so neither their names nor
// their parameter types may change: on this platform the names are
// _Z9GetNumberv, _Z15StartMidiRecordv, _Z15RecordMidiEventPc,
// _Z14StopMidiRecordPc, _Z9LogToMidiPc, _Z8SetRangeffPjPfPd,
// _Z4ZoomjfPfS_S_Pd, and the variables keep their plain names.
// This header is all that the plug-ins take from the program.

#define KALVO_PLUGIN_EXPORT __attribute__((visibility("default")))

// Interface numbers that GetNumber returns.
constexpr unsigned int KVMIDI_INTERFACE_NUMBER = 0x2200A4C5u;
constexpr unsigned int KVDISPLAY_INTERFACE_NUMBER = 0x2320B4C5u;

KALVO_PLUGIN_EXPORT unsigned int GetNumber(void);

// kvmidi: recording from entry lines, and converting a whole session log.
KALVO_PLUGIN_EXPORT int StartMidiRecord(void);
KALVO_PLUGIN_EXPORT int RecordMidiEvent(char* pszLine);
KALVO_PLUGIN_EXPORT int StopMidiRecord(char* pszFileName);
KALVO_PLUGIN_EXPORT int LogToMidi(char* pszLogPath);

// kvmidi settings, written by the program at any time between calls.
extern KALVO_PLUGIN_EXPORT int m_nAccidentals;  // 0 ... 7
extern KALVO_PLUGIN_EXPORT int m_nSharpFlat;    // 0 sharps, 1 flats
extern KALVO_PLUGIN_EXPORT int m_nMajorMinor;   // 0 major, 1 minor
extern KALVO_PLUGIN_EXPORT int m_nInstrument;   // General MIDI program 0 ... 127
extern KALVO_PLUGIN_EXPORT int m_nTempo;        // beats per minute, 20 ... 255
extern KALVO_PLUGIN_EXPORT int m_nDeltaCents;   // 5, 10, 25 or 50
extern KALVO_PLUGIN_EXPORT int m_ndB;           // -10 ... -50
extern KALVO_PLUGIN_EXPORT int m_nPitch;        // 0 keep the original pitch, 1 round
extern KALVO_PLUGIN_EXPORT char m_chLow[4];     // lowest note, "E3", "C4#"
// Not bound by the program (kalvo-analyze and the tests set it): 1 writes a
// tempo track and a note track, 0 a single-track file.
extern KALVO_PLUGIN_EXPORT int m_nFileFormat;

// kvdisplay: the spectrum's frequency range and zoom levels.
KALVO_PLUGIN_EXPORT void SetRange(float fFrom, float fTo, unsigned int* pnZoomLevel, float* pfRange,
                                  double* pdLogRange);
KALVO_PLUGIN_EXPORT void Zoom(unsigned int nZoomLevel, float fZoomCentre, float* pfFrom,
                              float* pfTo, float* pfRange, double* pdLogRange);
