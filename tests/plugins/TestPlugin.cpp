// SPDX-License-Identifier: GPL-3.0-or-later
// A plug-in built only for the tests, in variants chosen by definitions:
// TEST_MIDI or TEST_DISPLAY, TEST_NUMBER (the interface number; no
// GetNumber without it) and TEST_OMIT_<export> to leave one export out.
#include <cstdio>

#define KALVO_PLUGIN_EXPORT __attribute__((visibility("default")))

#ifdef TEST_NUMBER
KALVO_PLUGIN_EXPORT unsigned int GetNumber(void) {
    return TEST_NUMBER;
}
#endif

#ifdef TEST_MIDI
KALVO_PLUGIN_EXPORT int StartMidiRecord(void) {
    return 1;
}
KALVO_PLUGIN_EXPORT int RecordMidiEvent(char*) {
    return 0;
}
KALVO_PLUGIN_EXPORT int StopMidiRecord(char*) {
    return 0;
}
#ifndef TEST_OMIT_LOGTOMIDI
KALVO_PLUGIN_EXPORT int LogToMidi(char*) {
    return 0;
}
#endif
KALVO_PLUGIN_EXPORT int m_nAccidentals, m_nSharpFlat, m_nMajorMinor, m_nInstrument, m_nTempo;
KALVO_PLUGIN_EXPORT int m_nDeltaCents, m_ndB, m_nPitch;
#ifndef TEST_OMIT_LOW
KALVO_PLUGIN_EXPORT char m_chLow[4];
#endif
#endif

#ifdef TEST_DISPLAY
#ifndef TEST_OMIT_SETRANGE
KALVO_PLUGIN_EXPORT void SetRange(float, float, unsigned int*, float*, double*) {}
#endif
#ifndef TEST_OMIT_ZOOM
KALVO_PLUGIN_EXPORT void Zoom(unsigned int, float, float*, float*, float*, double*) {}
#endif
#endif
