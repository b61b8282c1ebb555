// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace {
struct Entry {
    unsigned nId;
    const char* pText;
};

// Sorted by number.
constexpr Entry STRINGS[] = {
    {101, "&About kalvo..."},
    {128, "This program requires Windows 2000 or later to run"},
    {129, "Please report error number %d during program inizialization"},
    {130,
     "Please report error number %d during program inizialization. Program will anyway run but "
     "MIDI "
     "features will not work"},
    {131, "Cannot retrieve current font attributes; default values are supplied"},
    {132, "Clef bitmap cannot be displayed"},
    {133,
     "Please report error number %d during program inizialization. Program will anyway run but "
     "some "
     "display features will not work"},
    {134, "Cannot load clef bitmap"},
    {135,
     "The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this "
     "one. "
     "MIDI features will not work"},
    {136, "The installed MIDI plug-in is wrong or corrupted. MIDI features will not work"},
    {137,
     "The installed display plug-in is made for a newer version of Kalvo and cannot work with this "
     "one. Some display features will not work"},
    {138,
     "The installed display plug-in is wrong or corrupted. Some display features will not work"},
    {139, "Cannot create a window of the display"},
    {140, "Invalid parameter for FFT computation; spectrum can not be computated"},
    {141, "This program requires DirectX 8.0 or later installed"},
    {142, "Cannot initialize COM"},
    {143, "Cannot create direct sound capture object"},
    {144, "Cannot create capture buffer"},
    {145, "Cannot start capturing sound"},
    {146, "Another instance of Kalvo is already running"},
    {147, "DirectX - Resource already alllocated by another application"},
    {148, "DirectX - Invalid parameter specified"},
    {149, "DirectX - Object does not support aggregation"},
    {150, "DirectX - No sound driver available"},
    {151, "DirectX - The specified wave format is not supported"},
    {152, "DirectX - DirectSound undetermined error"},
    {153, "DirectX - DirectSound has not been initialized"},
    {154, "DirectX - Not enough memory to complete operation"},
    {155, "Cannot create a logfile"},
    {156, "Error closing logfile; please report this message"},
    {157, "Cannot add an entry to logfile"},
    {158, "Recording must be stopped before exiting Kalvo"},
    {159, "Cannot create a wave file"},
    {160, "Error closing wave file; please report this message"},
    {161, "Cannot write to wave file"},
    {162, "Hardware does not support requested timer resolution\n"},
    {163, "Cannot open log file"},
    {164,
     "The MIDI plug-in (kvmidi.so) is not installed, so MIDI recording and the conversion of text "
     "files to MIDI are switched off. The plug-in is built and installed together with Kalvo: "
     "installing Kalvo again brings it back"},
    {165, "Cannot convert the text file to MIDI"},
    {166, "Cannot create MIDI file"},
    {167, "Error closing MIDI file; please report this message"},
    {168, "Cannot add MIDI event to midi file"},
    {169, "Cannot open the capture device"},
    {170, "The capture device has stopped delivering sound"},
    {171, "Cannot copy the picture to the clipboard"},
    {172, "Cannot open the web page"},
    {173,
     "The display plug-in (kvdisplay.so) is not installed, so the spectrum cannot be zoomed and "
     "always shows 40 to 4000 Hz. The plug-in is built and installed together with Kalvo: "
     "installing Kalvo again brings it back"},
    {174, "Cannot read the program's version"},
    {175, "Not enough memory to complete the operation"},
    {176, "Error in \"From\" or \"To\" range value"},
    {177, "Cannot display a spectrum range less than 500Hz"},
    {180,
     "Sound capture has stopped: the sound server went away. No more sound is analysed or "
     "recorded; recordings that are on keep what was captured and can be stopped as usual"},
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
