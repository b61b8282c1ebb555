// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {
struct Entry {
    unsigned nId;
    const char* pText;
};

// Sorted by number. The messages are marked for translation (context
// "StringTable"); the formats are not: they print numbers only.
constexpr Entry STRINGS[] = {
    {101, QT_TRANSLATE_NOOP("StringTable", "&About kalvo...")},
    {128, QT_TRANSLATE_NOOP("StringTable", "This program requires Windows 2000 or later to run")},
    {129, QT_TRANSLATE_NOOP("StringTable",
                            "Please report error number %d during program inizialization")},
    {130,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Please report error number %d during program inizialization. Program will anyway run but "
         "MIDI "
         "features will not work")},
    {131,
     QT_TRANSLATE_NOOP("StringTable",
                       "Cannot retrieve current font attributes; default values are supplied")},
    {132, QT_TRANSLATE_NOOP("StringTable", "Clef bitmap cannot be displayed")},
    {133,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Please report error number %d during program inizialization. Program will anyway run but "
         "some "
         "display features will not work")},
    {134, QT_TRANSLATE_NOOP("StringTable", "Cannot load clef bitmap")},
    {135, QT_TRANSLATE_NOOP("StringTable",
                            "The installed MIDI plug-in is made for a newer version of Kalvo and "
                            "cannot work with this "
                            "one. "
                            "MIDI features will not work")},
    {136, QT_TRANSLATE_NOOP(
              "StringTable",
              "The installed MIDI plug-in is wrong or corrupted. MIDI features will not work")},
    {137, QT_TRANSLATE_NOOP("StringTable",
                            "The installed display plug-in is made for a newer version of Kalvo "
                            "and cannot work with this "
                            "one. Some display features will not work")},
    {138, QT_TRANSLATE_NOOP("StringTable",
                            "The installed display plug-in is wrong or corrupted. Some display "
                            "features will not work")},
    {139, QT_TRANSLATE_NOOP("StringTable", "Cannot create a window of the display")},
    {140,
     QT_TRANSLATE_NOOP("StringTable",
                       "Invalid parameter for FFT computation; spectrum can not be computated")},
    {141, QT_TRANSLATE_NOOP("StringTable", "This program requires DirectX 8.0 or later installed")},
    {142, QT_TRANSLATE_NOOP("StringTable", "Cannot initialize COM")},
    {143, QT_TRANSLATE_NOOP("StringTable", "Cannot create direct sound capture object")},
    {144, QT_TRANSLATE_NOOP("StringTable", "Cannot create capture buffer")},
    {145, QT_TRANSLATE_NOOP("StringTable", "Cannot start capturing sound")},
    {146, QT_TRANSLATE_NOOP("StringTable", "Another instance of Kalvo is already running")},
    {147, QT_TRANSLATE_NOOP("StringTable",
                            "DirectX - Resource already alllocated by another application")},
    {148, QT_TRANSLATE_NOOP("StringTable", "DirectX - Invalid parameter specified")},
    {149, QT_TRANSLATE_NOOP("StringTable", "DirectX - Object does not support aggregation")},
    {150, QT_TRANSLATE_NOOP("StringTable", "DirectX - No sound driver available")},
    {151, QT_TRANSLATE_NOOP("StringTable", "DirectX - The specified wave format is not supported")},
    {152, QT_TRANSLATE_NOOP("StringTable", "DirectX - DirectSound undetermined error")},
    {153, QT_TRANSLATE_NOOP("StringTable", "DirectX - DirectSound has not been initialized")},
    {154, QT_TRANSLATE_NOOP("StringTable", "DirectX - Not enough memory to complete operation")},
    {155, QT_TRANSLATE_NOOP("StringTable", "Cannot create a logfile")},
    {156, QT_TRANSLATE_NOOP("StringTable", "Error closing logfile; please report this message")},
    {157, QT_TRANSLATE_NOOP("StringTable", "Cannot add an entry to logfile")},
    {158, QT_TRANSLATE_NOOP("StringTable", "Recording must be stopped before exiting Kalvo")},
    {159, QT_TRANSLATE_NOOP("StringTable", "Cannot create a wave file")},
    {160, QT_TRANSLATE_NOOP("StringTable", "Error closing wave file; please report this message")},
    {161, QT_TRANSLATE_NOOP("StringTable", "Cannot write to wave file")},
    {162,
     QT_TRANSLATE_NOOP("StringTable", "Hardware does not support requested timer resolution\n")},
    {163, QT_TRANSLATE_NOOP("StringTable", "Cannot open log file")},
    {164,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of "
         "text "
         "files to MIDI are switched off. The plug-in is built and installed together with Kalvo: "
         "installing Kalvo again brings it back")},
    {165, QT_TRANSLATE_NOOP("StringTable", "Cannot convert the text file to MIDI")},
    {166, QT_TRANSLATE_NOOP("StringTable", "Cannot create MIDI file")},
    {167, QT_TRANSLATE_NOOP("StringTable", "Error closing MIDI file; please report this message")},
    {168, QT_TRANSLATE_NOOP("StringTable", "Cannot add MIDI event to midi file")},
    {169, QT_TRANSLATE_NOOP("StringTable", "Cannot open the capture device")},
    {170, QT_TRANSLATE_NOOP("StringTable", "The capture device has stopped delivering sound")},
    {171, QT_TRANSLATE_NOOP("StringTable", "Cannot copy the picture to the clipboard")},
    {172, QT_TRANSLATE_NOOP("StringTable", "Cannot open the web page")},
    {173, QT_TRANSLATE_NOOP(
              "StringTable",
              "The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be "
              "zoomed and "
              "always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: "
              "installing Kalvo again brings it back")},
    {174, QT_TRANSLATE_NOOP("StringTable", "Cannot read the program's version")},
    {175, QT_TRANSLATE_NOOP("StringTable", "Not enough memory to complete the operation")},
    {176, QT_TRANSLATE_NOOP("StringTable", "Error in \"From\" or \"To\" range value")},
    {177, QT_TRANSLATE_NOOP("StringTable", "Cannot display a spectrum range less than 500Hz")},
    {180,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Sound capture has stopped: the sound server went away. No more sound is analysed or "
         "recorded; recordings that are on keep what was captured and can be stopped as usual")},
    {256, "%3d"},
    {257, "%3d"},
    {258, "%3d"},
    {259, "%3d"},
    {260, "%3d"},
    {261, "%3d"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const Entry& a, const Entry& b) { return a.nId < b.nId; }));
}  // namespace

const char* LoadResString(unsigned nId) {
    const auto it = std::lower_bound(std::begin(STRINGS), std::end(STRINGS), nId,
                                     [](const Entry& e, unsigned id) { return e.nId < id; });
    return it != std::end(STRINGS) && it->nId == nId ? it->pText : "";
}

QString LoadResText(unsigned nId) {
    const char* pszText = LoadResString(nId);
    return *pszText ? QCoreApplication::translate("StringTable", pszText) : QString();
}
