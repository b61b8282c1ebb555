// SPDX-License-Identifier: GPL-3.0-or-later
#include <cxxabi.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <type_traits>

#include "KalvoPlugins.h"
#include "plugins/PluginBinding.h"
#include "plugins/PluginMessages.h"
#ifdef KALVO_TEST_STRING_TABLE
#include "resources/StringTable.h"
#endif

namespace {

std::string Variant(const char* pszName) {
    return std::string(PLUGIN_VARIANTS_DIR "/") + pszName;
}

// True while the library at this path is still mapped into the process.
// (Only the test libraries are asked: a C++ library may be kept mapped after
// dlclose by the loader, for instance under ASan.)
bool IsMapped(const std::string& strPath) {
    void* p = dlopen(strPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (p) dlclose(p);
    return p != nullptr;
}

std::string Demangle(const char* pszName) {
    int nStatus = 0;
    char* psz = abi::__cxa_demangle(pszName, nullptr, nullptr, &nStatus);
    std::string str = nStatus == 0 && psz ? psz : pszName;
    std::free(psz);
    return str;
}

// The entry-point types are those of the plug-ins' own declarations.
static_assert(std::is_same_v<PFN_GETNUMBER, decltype(&::GetNumber)>);
static_assert(std::is_same_v<PFN_STARTMIDIRECORD, decltype(&::StartMidiRecord)>);
static_assert(std::is_same_v<PFN_RECORDMIDIEVENT, decltype(&::RecordMidiEvent)>);
static_assert(std::is_same_v<PFN_STOPMIDIRECORD, decltype(&::StopMidiRecord)>);
static_assert(std::is_same_v<PFN_LOGTOMIDI, decltype(&::LogToMidi)>);
static_assert(std::is_same_v<PFN_SETRANGE, decltype(&::SetRange)>);
static_assert(std::is_same_v<PFN_ZOOM, decltype(&::Zoom)>);
static_assert(MIDI_INTERFACE_NUMBER == KVMIDI_INTERFACE_NUMBER);
static_assert(DISPLAY_INTERFACE_NUMBER == KVDISPLAY_INTERFACE_NUMBER);

TEST(PluginNames, ItaniumNamesDecodeToTheDeclarations) {
    const char* const* midi = MidiExportNames();
    const char* const* display = DisplayExportNames();
    EXPECT_EQ(midi, MIDI_EXPORTS_ITANIUM);
    EXPECT_EQ(Demangle(midi[MIDI_GET_NUMBER]), "GetNumber()");
    EXPECT_EQ(Demangle(midi[MIDI_START_MIDI_RECORD]), "StartMidiRecord()");
    EXPECT_EQ(Demangle(midi[MIDI_RECORD_MIDI_EVENT]), "RecordMidiEvent(char*)");
    EXPECT_EQ(Demangle(midi[MIDI_STOP_MIDI_RECORD]), "StopMidiRecord(char*)");
    EXPECT_EQ(Demangle(midi[MIDI_LOG_TO_MIDI]), "LogToMidi(char*)");
    EXPECT_EQ(Demangle(display[DISPLAY_SET_RANGE]),
              "SetRange(float, float, unsigned int*, float*, double*)");
    EXPECT_EQ(Demangle(display[DISPLAY_ZOOM]),
              "Zoom(unsigned int, float, float*, float*, float*, double*)");
    // Variables keep plain names, and each Windows name names the same export.
    const char* variables[] = {"m_nAccidentals", "m_nSharpFlat", "m_nMajorMinor",
                               "m_nInstrument",  "m_nTempo",     "m_nDeltaCents",
                               "m_ndB",          "m_nPitch",     "m_chLow"};
    for (int i = MIDI_ACCIDENTALS; i < MIDI_EXPORT_COUNT; ++i) {
        EXPECT_STREQ(midi[i], variables[i - MIDI_ACCIDENTALS]);
        EXPECT_EQ(std::string(MIDI_EXPORTS_WINDOWS[i]).rfind(std::string("?") + midi[i] + "@@3", 0),
                  0u)
            << MIDI_EXPORTS_WINDOWS[i];
    }
    EXPECT_STREQ(MIDI_EXPORTS_WINDOWS[MIDI_LOW], "?m_chLow@@3PADA");
    EXPECT_STREQ(MIDI_EXPORTS_WINDOWS[MIDI_RECORD_MIDI_EVENT], "?RecordMidiEvent@@YAHPAD@Z");
    EXPECT_STREQ(DISPLAY_EXPORTS_WINDOWS[DISPLAY_ZOOM], "?Zoom@@YAXIMPAM00PAN@Z");
}

#ifdef KALVO_TEST_STRING_TABLE
TEST(PluginNames, MessagesMatchTheStringTable) {
    const std::pair<unsigned, const char*> messages[] = {
        {IDS_PLUGIN_REPORT_ERROR, PLUGIN_MSG_REPORT_ERROR},
        {IDS_PLUGIN_REPORT_ERROR_MIDI, PLUGIN_MSG_REPORT_ERROR_MIDI},
        {IDS_PLUGIN_REPORT_ERROR_DISPLAY, PLUGIN_MSG_REPORT_ERROR_DISPLAY},
        {IDS_PLUGIN_MIDI_NEWER, PLUGIN_MSG_MIDI_NEWER},
        {IDS_PLUGIN_MIDI_CORRUPT, PLUGIN_MSG_MIDI_CORRUPT},
        {IDS_PLUGIN_DISPLAY_NEWER, PLUGIN_MSG_DISPLAY_NEWER},
        {IDS_PLUGIN_DISPLAY_CORRUPT, PLUGIN_MSG_DISPLAY_CORRUPT},
    };
    for (const auto& [nId, pszText] : messages) EXPECT_STREQ(LoadResString(nId), pszText) << nId;
    EXPECT_STREQ(PLUGIN_MSG_REPORT_ERROR,
                 "Please report error number %d during program inizialization");
}
#endif

TEST(PluginFolders, OwnFolderFirstThenBesideItThenTheInstallation) {
    const std::vector<std::string> folders = PluginFolders();
    ASSERT_EQ(folders.size(), 3u);
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    ASSERT_GT(n, 0);
    const std::string strExe(buffer, static_cast<size_t>(n));
    const std::string strOwn = strExe.substr(0, strExe.rfind('/'));
    EXPECT_EQ(folders[0], strOwn);
    EXPECT_EQ(folders[1], strOwn.substr(0, strOwn.rfind('/')) + "/lib/kalvo");
    EXPECT_EQ(folders[2], KALVO_PLUGIN_INSTALL_DIR_FOR_TEST);
}

// Every way loading can end, for each plug-in: what the program is told.
struct LoadCase {
    const char* pszFolder;
    bool bMidi;
    PluginStatus nStatus;
    unsigned nMessageId;
    int nError;        // expected last error number, -1 for "not checked"
    unsigned nNumber;  // what GetNumber returned, 0 when not called
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.pszFolder << (c.bMidi ? " as kvmidi" : " as kvdisplay");
}

class PluginLoading : public testing::TestWithParam<LoadCase> {};

TEST_P(PluginLoading, GivesItsMessageAndLeavesNothingLoaded) {
    const LoadCase& c = GetParam();
    PluginLoadResult result;
    bool bAvailable;
    if (c.bMidi) {
        CMidiPlugin plugin;
        result = plugin.Load({Variant(c.pszFolder)}, false);
        bAvailable = plugin.IsAvailable();
        EXPECT_EQ(plugin.m_pfnStartMidiRecord, nullptr);
        EXPECT_EQ(plugin.m_pchLow, nullptr);
    } else {
        CDisplayPlugin plugin;
        result = plugin.Load({Variant(c.pszFolder)}, false);
        bAvailable = plugin.IsAvailable();
        EXPECT_EQ(plugin.m_pfnZoom, nullptr);
        EXPECT_EQ(plugin.m_pfnSetRange, nullptr);
    }
    EXPECT_FALSE(bAvailable);
    EXPECT_EQ(result.nStatus, c.nStatus);
    EXPECT_EQ(result.nMessageId, c.nMessageId);
    if (c.nError >= 0) {
        EXPECT_EQ(result.nError, c.nError);
    }
    EXPECT_EQ(result.nNumber, c.nNumber);
    // The text carries the error number where the message prints one.
    const std::string strText = PluginLoadMessageText(result);
    EXPECT_EQ(strText.empty(), c.nMessageId == 0);
    if (c.nError > 0 && c.nMessageId != 0) {
        EXPECT_NE(strText.find("error number " + std::to_string(c.nError) + " during"),
                  std::string::npos)
            << strText;
    }
    // A library that failed a check is freed at once.
    const std::string strPath =
        Variant(c.pszFolder) + "/" + (c.bMidi ? MIDI_PLUGIN_FILE : DISPLAY_PLUGIN_FILE);
    EXPECT_FALSE(IsMapped(strPath));
}

INSTANTIATE_TEST_SUITE_P(
    Binding, PluginLoading,
    testing::Values(
        // Absent or unloadable: unavailable without a message.
        LoadCase{"empty", true, PluginStatus::NotFound, 0, DL_ERROR_MOD_NOT_FOUND, 0},
        LoadCase{"empty", false, PluginStatus::NotFound, 0, DL_ERROR_MOD_NOT_FOUND, 0},
        LoadCase{"not_a_library", true, PluginStatus::NotFound, 0, DL_ERROR_BAD_EXE_FORMAT, 0},
        LoadCase{"not_a_library", false, PluginStatus::NotFound, 0, DL_ERROR_BAD_EXE_FORMAT, 0},
        // No GetNumber: message 129 with the error number.
        LoadCase{"midi_no_number", true, PluginStatus::NoGetNumber, 129, DL_ERROR_PROC_NOT_FOUND,
                 0},
        LoadCase{"display_no_number", false, PluginStatus::NoGetNumber, 129,
                 DL_ERROR_PROC_NOT_FOUND, 0},
        // Wrong numbers: newer only when the upper 16 bits are above ours.
        LoadCase{"midi_wrong", true, PluginStatus::WrongNumber, 136, -1, 0x2200A4C4u},
        LoadCase{"midi_old", true, PluginStatus::WrongNumber, 136, -1, 0x1100A4C5u},
        LoadCase{"midi_newer", true, PluginStatus::NewerNumber, 135, -1, 0x2201A4C5u},
        LoadCase{"midi_display_number", true, PluginStatus::NewerNumber, 135, -1, 0x2320B4C5u},
        LoadCase{"display_wrong", false, PluginStatus::WrongNumber, 138, -1, 0x2320FFFFu},
        LoadCase{"display_midi_number", false, PluginStatus::WrongNumber, 138, -1, 0x2200A4C5u},
        LoadCase{"display_newer", false, PluginStatus::NewerNumber, 137, -1, 0x2321B4C5u},
        // A missing export: message 130 or 133 with the error number.
        LoadCase{"midi_no_low", true, PluginStatus::MissingExport, 130, DL_ERROR_PROC_NOT_FOUND,
                 0x2200A4C5u},
        LoadCase{"midi_no_logtomidi", true, PluginStatus::MissingExport, 130,
                 DL_ERROR_PROC_NOT_FOUND, 0x2200A4C5u},
        LoadCase{"display_no_zoom", false, PluginStatus::MissingExport, 133,
                 DL_ERROR_PROC_NOT_FOUND, 0x2320B4C5u},
        LoadCase{"display_no_setrange", false, PluginStatus::MissingExport, 133,
                 DL_ERROR_PROC_NOT_FOUND, 0x2320B4C5u}),
    [](const testing::TestParamInfo<LoadCase>& info) {
        return std::string(info.param.pszFolder) + (info.param.bMidi ? "_as_midi" : "_as_display");
    });

TEST(PluginBinding, RealPluginsBindEveryExportAndKeepTheirOwnGetNumber) {
    CMidiPlugin midi;
    CDisplayPlugin display;
    const PluginLoadResult midiResult = midi.Load({REAL_PLUGIN_DIR}, false);
    const PluginLoadResult displayResult = display.Load({REAL_PLUGIN_DIR}, false);
    ASSERT_EQ(midiResult.nStatus, PluginStatus::Loaded);
    ASSERT_EQ(displayResult.nStatus, PluginStatus::Loaded);
    EXPECT_EQ(midiResult.nMessageId, 0u);
    EXPECT_TRUE(midi.IsAvailable());
    EXPECT_TRUE(display.IsAvailable());
    // Both libraries export GetNumber; each entry point is its own library's.
    EXPECT_EQ(midi.m_pfnGetNumber(), MIDI_INTERFACE_NUMBER);
    EXPECT_EQ(display.m_pfnGetNumber(), DISPLAY_INTERFACE_NUMBER);
    for (void* p : {(void*)midi.m_pfnLogToMidi, (void*)midi.m_pfnStartMidiRecord,
                    (void*)midi.m_pfnStopMidiRecord, (void*)midi.m_pfnRecordMidiEvent,
                    (void*)midi.m_pnAccidentals, (void*)midi.m_pnMajorMinor, (void*)midi.m_pnPitch,
                    (void*)midi.m_pnSharpFlat, (void*)midi.m_pnInstrument, (void*)midi.m_pnTempo,
                    (void*)midi.m_pnDeltaCents, (void*)midi.m_pndB, (void*)midi.m_pchLow,
                    (void*)display.m_pfnZoom, (void*)display.m_pfnSetRange})
        EXPECT_NE(p, nullptr);
    // The variables are distinct and hold the settings dialog's defaults.
    EXPECT_EQ(*midi.m_pnTempo, 100);
    EXPECT_EQ(*midi.m_pnDeltaCents, 25);
    EXPECT_EQ(*midi.m_pndB, -40);
    EXPECT_EQ(*midi.m_pnPitch, 1);
    EXPECT_STREQ(midi.m_pchLow, "E3");
    midi.Free();
    EXPECT_FALSE(midi.IsAvailable());
    EXPECT_EQ(midi.m_pnTempo, nullptr);
}

TEST(PluginBinding, TheFirstFolderHoldingTheLibraryWins) {
    CMidiPlugin midi;
    // A folder without the file is passed over ...
    EXPECT_EQ(midi.Load({Variant("empty"), REAL_PLUGIN_DIR}, false).nStatus, PluginStatus::Loaded);
    // ... a broken file is passed over too ...
    EXPECT_EQ(midi.Load({Variant("not_a_library"), REAL_PLUGIN_DIR}, false).nStatus,
              PluginStatus::Loaded);
    // ... but a library found first is the one that is checked.
    EXPECT_EQ(midi.Load({Variant("midi_newer"), REAL_PLUGIN_DIR}, false).nStatus,
              PluginStatus::NewerNumber);
    EXPECT_EQ(midi.Load({REAL_PLUGIN_DIR, Variant("midi_newer")}, false).nStatus,
              PluginStatus::Loaded);
    // Loading again frees what was loaded before.
    EXPECT_EQ(midi.Load({Variant("midi_complete")}, false).nStatus, PluginStatus::Loaded);
    EXPECT_TRUE(IsMapped(Variant("midi_complete") + "/" + MIDI_PLUGIN_FILE));
    EXPECT_EQ(midi.Load({Variant("empty")}, false).nStatus, PluginStatus::NotFound);
    EXPECT_FALSE(IsMapped(Variant("midi_complete") + "/" + MIDI_PLUGIN_FILE));
}

}  // namespace
