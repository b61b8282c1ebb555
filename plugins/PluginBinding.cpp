// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/PluginBinding.h"

#include <cstdio>

#include "plugins/PluginMessages.h"

#ifndef KALVO_PLUGIN_INSTALL_DIR
#define KALVO_PLUGIN_INSTALL_DIR "/usr/local/lib/kalvo"
#endif

const char* const MIDI_EXPORTS_ITANIUM[MIDI_EXPORT_COUNT] = {
    "_Z9GetNumberv",
    "_Z15StartMidiRecordv",
    "_Z15RecordMidiEventPc",
    "_Z14StopMidiRecordPc",
    "_Z9LogToMidiPc",
    "m_nAccidentals",
    "m_nSharpFlat",
    "m_nMajorMinor",
    "m_nInstrument",
    "m_nTempo",
    "m_nDeltaCents",
    "m_ndB",
    "m_nPitch",
    "m_chLow",
};
const char* const MIDI_EXPORTS_WINDOWS[MIDI_EXPORT_COUNT] = {
    "?GetNumber@@YAIXZ",
    "?StartMidiRecord@@YAHXZ",
    "?RecordMidiEvent@@YAHPAD@Z",
    "?StopMidiRecord@@YAHPAD@Z",
    "?LogToMidi@@YAHPAD@Z",
    "?m_nAccidentals@@3HA",
    "?m_nSharpFlat@@3HA",
    "?m_nMajorMinor@@3HA",
    "?m_nInstrument@@3HA",
    "?m_nTempo@@3HA",
    "?m_nDeltaCents@@3HA",
    "?m_ndB@@3HA",
    "?m_nPitch@@3HA",
    "?m_chLow@@3PADA",
};
const char* const DISPLAY_EXPORTS_ITANIUM[DISPLAY_EXPORT_COUNT] = {
    "_Z9GetNumberv", "_Z8SetRangeffPjPfPd", "_Z4ZoomjfPfS_S_Pd"};
const char* const DISPLAY_EXPORTS_WINDOWS[DISPLAY_EXPORT_COUNT] = {
    "?GetNumber@@YAIXZ", "?SetRange@@YAXMMPAIPAMPAN@Z", "?Zoom@@YAXIMPAM00PAN@Z"};

// The names follow the compiler's C++ ABI, not the system: a plug-in built
// with Microsoft's compiler has the Windows names, one built with GCC or
// Clang (MinGW included) the Itanium ones.
const char* const* MidiExportNames() {
#ifdef _MSC_VER
    return MIDI_EXPORTS_WINDOWS;
#else
    return MIDI_EXPORTS_ITANIUM;
#endif
}

const char* const* DisplayExportNames() {
#ifdef _MSC_VER
    return DISPLAY_EXPORTS_WINDOWS;
#else
    return DISPLAY_EXPORTS_ITANIUM;
#endif
}

std::vector<std::string> PluginFolders() {
    std::vector<std::string> folders;
    const std::string strOwn = ExecutableDirectory();
    if (!strOwn.empty()) {
        folders.push_back(strOwn);
        // An installation moved as a whole (bin/ and lib/kalvo/ side by side)
        // still finds its plug-ins.
        const std::string strParent = strOwn.substr(0, strOwn.rfind('/'));
        const std::string strRelative = strParent + "/" + KALVO_PLUGIN_INSTALL_SUBDIR;
        if (strRelative != KALVO_PLUGIN_INSTALL_DIR) folders.push_back(strRelative);
    }
    folders.push_back(KALVO_PLUGIN_INSTALL_DIR);
    return folders;
}

PluginStatus ClassifyWrongNumber(unsigned nNumber, unsigned nExpected) {
    return (nNumber >> 16) > (nExpected >> 16) ? PluginStatus::NewerNumber
                                               : PluginStatus::WrongNumber;
}

std::string PluginLoadMessageText(const PluginLoadResult& result) {
    const char* pszFormat = nullptr;
    switch (result.nMessageId) {
        case IDS_PLUGIN_REPORT_ERROR:
            pszFormat = PLUGIN_MSG_REPORT_ERROR;
            break;
        case IDS_PLUGIN_REPORT_ERROR_MIDI:
            pszFormat = PLUGIN_MSG_REPORT_ERROR_MIDI;
            break;
        case IDS_PLUGIN_REPORT_ERROR_DISPLAY:
            pszFormat = PLUGIN_MSG_REPORT_ERROR_DISPLAY;
            break;
        case IDS_PLUGIN_MIDI_NEWER:
            pszFormat = PLUGIN_MSG_MIDI_NEWER;
            break;
        case IDS_PLUGIN_MIDI_CORRUPT:
            pszFormat = PLUGIN_MSG_MIDI_CORRUPT;
            break;
        case IDS_PLUGIN_DISPLAY_NEWER:
            pszFormat = PLUGIN_MSG_DISPLAY_NEWER;
            break;
        case IDS_PLUGIN_DISPLAY_CORRUPT:
            pszFormat = PLUGIN_MSG_DISPLAY_CORRUPT;
            break;
        default:
            return std::string();
    }
    char text[256];
    std::snprintf(text, sizeof text, pszFormat, result.nError);
    return text;
}

namespace {

PluginLoadResult Failure(PluginStatus nStatus, unsigned nMessageId, int nError = 0,
                         unsigned nNumber = 0) {
    PluginLoadResult result;
    result.nStatus = nStatus;
    result.nMessageId = nMessageId;
    result.nError = nError;
    result.nNumber = nNumber;
    return result;
}

// Steps 2 and 3 of both bindings: GetNumber present and returning nExpected.
bool CheckNumber(CDynamicLibrary& library, const char* pszName, unsigned nExpected,
                 unsigned nNewerId, unsigned nWrongId, PFN_GETNUMBER& pfnGetNumber,
                 PluginLoadResult& result) {
    pfnGetNumber = reinterpret_cast<PFN_GETNUMBER>(library.GetProcAddress(pszName));
    if (!pfnGetNumber) {
        result = Failure(PluginStatus::NoGetNumber, IDS_PLUGIN_REPORT_ERROR, GetLastLibraryError());
        return false;
    }
    const unsigned nNumber = pfnGetNumber();
    result.nNumber = nNumber;
    if (nNumber != nExpected) {
        const PluginStatus nStatus = ClassifyWrongNumber(nNumber, nExpected);
        result = Failure(nStatus, nStatus == PluginStatus::NewerNumber ? nNewerId : nWrongId, 0,
                         nNumber);
        return false;
    }
    return true;
}

}  // namespace

// --- kvmidi ----------------------------------------------------------------

PluginLoadResult CMidiPlugin::Load(const std::vector<std::string>& folders, bool bSystemSearch) {
    Free();
    if (!LoadLibraryFromFolders(m_hMidiPlugin, MIDI_PLUGIN_FILE, folders, bSystemSearch))
        return Failure(PluginStatus::NotFound, 0, GetLastLibraryError());
    return Bind();
}

PluginLoadResult CMidiPlugin::LoadFile(const std::string& strPath) {
    Free();
    if (!m_hMidiPlugin.Load(strPath))
        return Failure(PluginStatus::NotFound, 0, GetLastLibraryError());
    return Bind();
}

PluginLoadResult CMidiPlugin::Bind() {
    const char* const* names = MidiExportNames();
    PluginLoadResult result;
    PFN_GETNUMBER pfnGetNumber = nullptr;
    if (!CheckNumber(m_hMidiPlugin, names[MIDI_GET_NUMBER], MIDI_INTERFACE_NUMBER,
                     IDS_PLUGIN_MIDI_NEWER, IDS_PLUGIN_MIDI_CORRUPT, pfnGetNumber, result)) {
        Free();
        return result;
    }
    void* addresses[MIDI_EXPORT_COUNT] = {};
    for (int i = MIDI_GET_NUMBER + 1; i < MIDI_EXPORT_COUNT; ++i) {
        addresses[i] = m_hMidiPlugin.GetProcAddress(names[i]);
        if (!addresses[i]) {
            const int nError = GetLastLibraryError();
            Free();
            return Failure(PluginStatus::MissingExport, IDS_PLUGIN_REPORT_ERROR_MIDI, nError,
                           result.nNumber);
        }
    }
    m_pfnGetNumber = pfnGetNumber;
    m_pfnStartMidiRecord = reinterpret_cast<PFN_STARTMIDIRECORD>(addresses[MIDI_START_MIDI_RECORD]);
    m_pfnRecordMidiEvent = reinterpret_cast<PFN_RECORDMIDIEVENT>(addresses[MIDI_RECORD_MIDI_EVENT]);
    m_pfnStopMidiRecord = reinterpret_cast<PFN_STOPMIDIRECORD>(addresses[MIDI_STOP_MIDI_RECORD]);
    m_pfnLogToMidi = reinterpret_cast<PFN_LOGTOMIDI>(addresses[MIDI_LOG_TO_MIDI]);
    m_pnAccidentals = static_cast<int*>(addresses[MIDI_ACCIDENTALS]);
    m_pnSharpFlat = static_cast<int*>(addresses[MIDI_SHARP_FLAT]);
    m_pnMajorMinor = static_cast<int*>(addresses[MIDI_MAJOR_MINOR]);
    m_pnInstrument = static_cast<int*>(addresses[MIDI_INSTRUMENT]);
    m_pnTempo = static_cast<int*>(addresses[MIDI_TEMPO]);
    m_pnDeltaCents = static_cast<int*>(addresses[MIDI_DELTA_CENTS]);
    m_pndB = static_cast<int*>(addresses[MIDI_DB]);
    m_pnPitch = static_cast<int*>(addresses[MIDI_PITCH]);
    m_pchLow = static_cast<char*>(addresses[MIDI_LOW]);
    result.nStatus = PluginStatus::Loaded;
    return result;
}

void CMidiPlugin::Clear() {
    m_pfnGetNumber = nullptr;
    m_pfnLogToMidi = nullptr;
    m_pfnStartMidiRecord = nullptr;
    m_pfnStopMidiRecord = nullptr;
    m_pfnRecordMidiEvent = nullptr;
    m_pnAccidentals = m_pnMajorMinor = m_pnPitch = m_pnSharpFlat = nullptr;
    m_pnInstrument = m_pnTempo = m_pnDeltaCents = m_pndB = nullptr;
    m_pchLow = nullptr;
}

void CMidiPlugin::Free() {
    Clear();
    m_hMidiPlugin.Free();
}

// --- kvdisplay -------------------------------------------------------------

PluginLoadResult CDisplayPlugin::Load(const std::vector<std::string>& folders, bool bSystemSearch) {
    Free();
    if (!LoadLibraryFromFolders(m_hDisplayPlugin, DISPLAY_PLUGIN_FILE, folders, bSystemSearch))
        return Failure(PluginStatus::NotFound, 0, GetLastLibraryError());
    return Bind();
}

PluginLoadResult CDisplayPlugin::LoadFile(const std::string& strPath) {
    Free();
    if (!m_hDisplayPlugin.Load(strPath))
        return Failure(PluginStatus::NotFound, 0, GetLastLibraryError());
    return Bind();
}

PluginLoadResult CDisplayPlugin::Bind() {
    const char* const* names = DisplayExportNames();
    PluginLoadResult result;
    PFN_GETNUMBER pfnGetNumber = nullptr;
    if (!CheckNumber(m_hDisplayPlugin, names[DISPLAY_GET_NUMBER], DISPLAY_INTERFACE_NUMBER,
                     IDS_PLUGIN_DISPLAY_NEWER, IDS_PLUGIN_DISPLAY_CORRUPT, pfnGetNumber, result)) {
        Free();
        return result;
    }
    void* pZoom = m_hDisplayPlugin.GetProcAddress(names[DISPLAY_ZOOM]);
    void* pSetRange = pZoom ? m_hDisplayPlugin.GetProcAddress(names[DISPLAY_SET_RANGE]) : nullptr;
    if (!pZoom || !pSetRange) {
        const int nError = GetLastLibraryError();
        Free();
        return Failure(PluginStatus::MissingExport, IDS_PLUGIN_REPORT_ERROR_DISPLAY, nError,
                       result.nNumber);
    }
    m_pfnGetNumber = pfnGetNumber;
    m_pfnZoom = reinterpret_cast<PFN_ZOOM>(pZoom);
    m_pfnSetRange = reinterpret_cast<PFN_SETRANGE>(pSetRange);
    result.nStatus = PluginStatus::Loaded;
    return result;
}

void CDisplayPlugin::Clear() {
    m_pfnGetNumber = nullptr;
    m_pfnZoom = nullptr;
    m_pfnSetRange = nullptr;
}

void CDisplayPlugin::Free() {
    Clear();
    m_hDisplayPlugin.Free();
}
