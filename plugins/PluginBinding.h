// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "plugins/DynamicLibrary.h"

// Binding of the two optional plug-ins, kvmidi and kvdisplay: load, check the
// interface number, look up the exports by their decorated names. A plug-in
// that fails any step is freed and its entry points stay null; the result
// says which message (if any) the program shows.

constexpr unsigned MIDI_INTERFACE_NUMBER = 0x2200A4C5u;
constexpr unsigned DISPLAY_INTERFACE_NUMBER = 0x2320B4C5u;

#ifdef _WIN32
constexpr const char* MIDI_PLUGIN_FILE = "kvmidi.dll";
constexpr const char* DISPLAY_PLUGIN_FILE = "kvdisplay.dll";
#else
constexpr const char* MIDI_PLUGIN_FILE = "kvmidi.so";
constexpr const char* DISPLAY_PLUGIN_FILE = "kvdisplay.so";
#endif

enum class PluginStatus {
    Loaded,
    NotFound,       // no loadable library: the feature is off, silently
    NoGetNumber,    // message 129 with the error number
    NewerNumber,    // message 135 (MIDI) or 137 (display)
    WrongNumber,    // message 136 or 138
    MissingExport,  // message 130 or 133 with the error number
};

struct PluginLoadResult {
    PluginStatus nStatus = PluginStatus::NotFound;
    int nError = 0;           // last error number of the failed step, for %d
    unsigned nNumber = 0;     // what GetNumber returned, when it was called
    unsigned nMessageId = 0;  // string to show; 0 for none
};

// Exports by position in the name tables.
enum MidiExport {
    MIDI_GET_NUMBER,
    MIDI_START_MIDI_RECORD,
    MIDI_RECORD_MIDI_EVENT,
    MIDI_STOP_MIDI_RECORD,
    MIDI_LOG_TO_MIDI,
    MIDI_ACCIDENTALS,
    MIDI_SHARP_FLAT,
    MIDI_MAJOR_MINOR,
    MIDI_INSTRUMENT,
    MIDI_TEMPO,
    MIDI_DELTA_CENTS,
    MIDI_DB,
    MIDI_PITCH,
    MIDI_LOW,
    MIDI_EXPORT_COUNT
};
enum DisplayExport { DISPLAY_GET_NUMBER, DISPLAY_SET_RANGE, DISPLAY_ZOOM, DISPLAY_EXPORT_COUNT };

// The decorated names of the plug-in declarations: Itanium C++ ABI (this
// platform) and Microsoft's (a Windows build).
extern const char* const MIDI_EXPORTS_ITANIUM[MIDI_EXPORT_COUNT];
extern const char* const MIDI_EXPORTS_WINDOWS[MIDI_EXPORT_COUNT];
extern const char* const DISPLAY_EXPORTS_ITANIUM[DISPLAY_EXPORT_COUNT];
extern const char* const DISPLAY_EXPORTS_WINDOWS[DISPLAY_EXPORT_COUNT];
// The table this build binds by.
const char* const* MidiExportNames();
const char* const* DisplayExportNames();

// Where the plug-ins are looked for, in order, before the system's search:
// the program's own folder, then the installation's plug-in folder.
std::vector<std::string> PluginFolders();

// The text of the message a load result calls for, with the error number put
// in; empty when there is none. For front ends without the string table.
std::string PluginLoadMessageText(const PluginLoadResult& result);

// Classifies an interface number that is not the expected one.
PluginStatus ClassifyWrongNumber(unsigned nNumber, unsigned nExpected);

using PFN_GETNUMBER = unsigned int (*)(void);
using PFN_STARTMIDIRECORD = int (*)(void);
using PFN_RECORDMIDIEVENT = int (*)(char*);
using PFN_STOPMIDIRECORD = int (*)(char*);
using PFN_LOGTOMIDI = int (*)(char*);
using PFN_SETRANGE = void (*)(float, float, unsigned int*, float*, double*);
using PFN_ZOOM = void (*)(unsigned int, float, float*, float*, float*, double*);

class CMidiPlugin {
public:
    // Binds kvmidi from the folders (then the system's search if asked).
    PluginLoadResult Load(const std::vector<std::string>& folders = PluginFolders(),
                          bool bSystemSearch = true);
    // Binds the library at exactly this path.
    PluginLoadResult LoadFile(const std::string& strPath);
    void Free();
    bool IsAvailable() const { return m_pfnGetNumber != nullptr; }

    // Entry points and the settings variables; null while unavailable.
    PFN_GETNUMBER m_pfnGetNumber = nullptr;
    PFN_LOGTOMIDI m_pfnLogToMidi = nullptr;
    PFN_STARTMIDIRECORD m_pfnStartMidiRecord = nullptr;
    PFN_STOPMIDIRECORD m_pfnStopMidiRecord = nullptr;
    PFN_RECORDMIDIEVENT m_pfnRecordMidiEvent = nullptr;
    int* m_pnAccidentals = nullptr;
    int* m_pnMajorMinor = nullptr;
    int* m_pnPitch = nullptr;
    int* m_pnSharpFlat = nullptr;
    int* m_pnInstrument = nullptr;
    int* m_pnTempo = nullptr;
    int* m_pnDeltaCents = nullptr;
    int* m_pndB = nullptr;
    char* m_pchLow = nullptr;  // at least 4 bytes

private:
    PluginLoadResult Bind();
    void Clear();
    CDynamicLibrary m_hMidiPlugin;
};

class CDisplayPlugin {
public:
    PluginLoadResult Load(const std::vector<std::string>& folders = PluginFolders(),
                          bool bSystemSearch = true);
    PluginLoadResult LoadFile(const std::string& strPath);
    void Free();
    bool IsAvailable() const { return m_pfnGetNumber != nullptr; }

    PFN_GETNUMBER m_pfnGetNumber = nullptr;
    PFN_ZOOM m_pfnZoom = nullptr;
    PFN_SETRANGE m_pfnSetRange = nullptr;

private:
    PluginLoadResult Bind();
    void Clear();
    CDynamicLibrary m_hDisplayPlugin;
};
