// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "PluginTestSupport.h"
#include "SmfReader.h"
#include "recording/LogToMidi.h"
#include "recording/MidiRecorder.h"

namespace {

// A plug-in made of test functions that note every call.
struct FakeMidi {
    static std::vector<std::string> calls;
    static int nStartResult, nEventResult, nStopResult, nConvertResult;
    static int Start() {
        calls.push_back("start");
        return nStartResult;
    }
    static int Event(char* psz) {
        calls.push_back(std::string("event:") + psz);
        return nEventResult;
    }
    static int Stop(char* psz) {
        calls.push_back(std::string("stop:") + psz);
        return nStopResult;
    }
    static int Convert(char* psz) {
        calls.push_back(std::string("convert:") + psz);
        return nConvertResult;
    }
    static unsigned Number() { return MIDI_INTERFACE_NUMBER; }
    static void Reset(CMidiPlugin& plugin) {
        calls.clear();
        nStartResult = 1;
        nEventResult = 1;
        nStopResult = 0;
        nConvertResult = 0;
        plugin.m_pfnGetNumber = &Number;
        plugin.m_pfnStartMidiRecord = &Start;
        plugin.m_pfnRecordMidiEvent = &Event;
        plugin.m_pfnStopMidiRecord = &Stop;
        plugin.m_pfnLogToMidi = &Convert;
    }
};
std::vector<std::string> FakeMidi::calls;
int FakeMidi::nStartResult, FakeMidi::nEventResult, FakeMidi::nStopResult, FakeMidi::nConvertResult;

// The clock and the files of one test.
class CTestSystem : public CRecordingSystem {
public:
    explicit CTestSystem(const std::string& strFolder) : m_strFolder(strFolder) {}
    uint32_t MillisecondCounter() override { return m_nNow; }
    UtcTime UtcNow() override { return {2008, 3, 3, 14, 5, 9}; }
    FILE* CreateFile(const char* pszExtension, const char* pszMode, std::string& strName) override {
        if (m_bFail) return nullptr;
        // The real naming, in the test's folder.
        const std::filesystem::path old = std::filesystem::current_path();
        std::filesystem::current_path(m_strFolder);
        FILE* p = CreateNewRecordingFile(UtcNow(), pszExtension, pszMode, strName);
        std::filesystem::current_path(old);
        strName = m_strFolder + "/" + strName;
        return p;
    }
    uint32_t m_nNow = 0;
    bool m_bFail = false;

private:
    std::string m_strFolder;
};

class MidiRecorder : public testing::Test {
protected:
    void SetUp() override { FakeMidi::Reset(m_plugin); }
    CTempFolder m_folder;
    CTestSystem m_system{m_folder.Path()};
    CMidiPlugin m_plugin;
};

TEST_F(MidiRecorder, SendsPrefixedLinesAndTheEndLineThenTheFileName) {
    CMidiRecorder recorder(m_plugin, m_system);
    m_system.m_nNow = 0xFFFFFF00u;  // just before the counter wraps
    ASSERT_TRUE(recorder.Start());
    EXPECT_EQ(recorder.FileName(), m_folder / "kalvo_20080303_140509.mid");
    EXPECT_TRUE(std::filesystem::exists(recorder.FileName()));  // the name is taken
    m_system.m_nNow = 0xFFFFFF00u + 5420;
    EXPECT_TRUE(recorder.AddEvent(" 440.0 Hz |    A5   |   +00    |  -3"));
    m_system.m_nNow = 0xFFFFFF00u + 5430;
    EXPECT_TRUE(recorder.AddEvent(INFO_NO_SIGNAL));
    m_system.m_nNow = 0xFFFFFF00u + 3725430;
    EXPECT_TRUE(recorder.Stop());
    const std::vector<std::string> expected = {
        "start",
        "event:00:00:05:42 | 440.0 Hz |    A5   |   +00    |  -3\n",
        "event:00:00:05:43 |  INFO> no input signal or out of range\n",
        "event:01:02:05:43 |  INFO> end of logfile\n",
        "stop:" + recorder.FileName(),
    };
    EXPECT_EQ(FakeMidi::calls, expected);
}

TEST_F(MidiRecorder, ASecondRecordingInTheSameSecondGetsItsOwnName) {
    CMidiRecorder first(m_plugin, m_system), second(m_plugin, m_system);
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.Stop());
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.FileName(), m_folder / "kalvo_20080303_140509-2.mid");
}

TEST_F(MidiRecorder, FailuresAreReportedAndStopCanBeRetried) {
    {
        // The plug-in refuses to start: false, and no empty file is left.
        CMidiRecorder recorder(m_plugin, m_system);
        FakeMidi::nStartResult = 0;
        EXPECT_FALSE(recorder.Start());
        EXPECT_FALSE(std::filesystem::exists(recorder.FileName()));
        FakeMidi::nStartResult = 1;
    }
    {
        // The file cannot be created: the plug-in is not even started.
        CMidiRecorder recorder(m_plugin, m_system);
        m_system.m_bFail = true;
        FakeMidi::calls.clear();
        EXPECT_FALSE(recorder.Start());
        EXPECT_TRUE(FakeMidi::calls.empty());
        m_system.m_bFail = false;
    }
    CMidiRecorder recorder(m_plugin, m_system);
    ASSERT_TRUE(recorder.Start());
    FakeMidi::nEventResult = 0;  // a skipped line is no failure
    EXPECT_TRUE(recorder.AddEvent("x"));
    FakeMidi::nEventResult = -1;
    EXPECT_FALSE(recorder.AddEvent("x"));
    // A failed stop keeps the recording: the next stop sends the end line
    // again and asks for the same file.
    FakeMidi::calls.clear();
    FakeMidi::nStopResult = -4;
    EXPECT_FALSE(recorder.Stop());
    FakeMidi::nStopResult = 3;
    EXPECT_TRUE(recorder.Stop());
    const std::vector<std::string> expected = {
        "event:00:00:00:00 |  INFO> end of logfile\n", "stop:" + recorder.FileName(),
        "event:00:00:00:00 |  INFO> end of logfile\n", "stop:" + recorder.FileName()};
    EXPECT_EQ(FakeMidi::calls, expected);

    CMidiPlugin missing;
    CMidiRecorder unavailable(missing, m_system);
    EXPECT_FALSE(unavailable.Start());
}

TEST_F(MidiRecorder, WithTheRealPluginWritesTheRecordedNotes) {
    CMidiPlugin plugin;
    ASSERT_EQ(plugin.Load({REAL_PLUGIN_DIR}, false).nStatus, PluginStatus::Loaded);
    *plugin.m_pnPitch = 1;
    *plugin.m_pnTempo = 100;
    *plugin.m_pndB = -40;
    std::snprintf(plugin.m_pchLow, 4, "E3");
    CMidiRecorder recorder(plugin, m_system);
    m_system.m_nNow = 1000;
    ASSERT_TRUE(recorder.Start());
    const int notes[] = {45, 47, 49};
    for (int i = 0; i < 3; ++i) {
        m_system.m_nNow = 1000 + 250 * i;
        std::string line = ReadingEntry(0, notes[i], 0, -5);
        EXPECT_TRUE(recorder.AddEvent(line.substr(13, line.size() - 14)));  // no prefix, no LF
    }
    m_system.m_nNow = 2000;
    ASSERT_TRUE(recorder.Stop());
    SmfFile smf;
    std::string strError;
    ASSERT_TRUE(ReadSmfFile(recorder.FileName(), smf, strError)) << strError;
    ASSERT_EQ(smf.notes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(smf.notes[i].nKey, 24 + notes[i]);
        EXPECT_EQ(smf.notes[i].nOn,
                  static_cast<uint32_t>(250 * i * 0.8));  // 100 bpm, 480 per quarter
    }
    EXPECT_EQ(smf.notes[2].nOff, 800u);
}

// The conversion command's steps, with a host that notes what it is asked.
class CTestHost : public CLogToMidiHost {
public:
    bool StopCapture() override { return Note("stop capture"), true; }
    bool ChooseLogFile(std::string& strPath) override {
        Note("choose");
        strPath = m_strChoice;
        return !m_strChoice.empty();
    }
    void ShowNotice() override { Note("show"); }
    void HideNotice() override { Note("hide"); }
    bool StartCapture() override { return Note("start capture"), m_bStartOk; }
    void Wait(unsigned n) override { Note("wait " + std::to_string(n)); }
    void Note(const std::string& str) { FakeMidi::calls.push_back(str); }
    std::string m_strChoice;
    bool m_bStartOk = true;
};

TEST_F(MidiRecorder, ConversionStopsTheCaptureShowsTheNoticeAndResumes) {
    CTestHost host;
    const std::string strLog = m_folder / "session.log";
    std::FILE* p = std::fopen(strLog.c_str(), "w");
    ASSERT_NE(p, nullptr);
    std::fclose(p);

    host.m_strChoice = strLog;
    LogToMidiOutcome outcome = ConvertLogToMidi(m_plugin, host);
    EXPECT_TRUE(outcome.bConverted);
    EXPECT_TRUE(outcome.messages.empty());
    std::vector<std::string> expected = {
        "stop capture", "choose", "show", "convert:" + strLog, "wait 200", "hide", "start capture"};
    EXPECT_EQ(FakeMidi::calls, expected);

    // Cancelled: the capture resumes and nothing else happens.
    FakeMidi::calls.clear();
    host.m_strChoice.clear();
    outcome = ConvertLogToMidi(m_plugin, host);
    EXPECT_TRUE(outcome.bCancelled);
    expected = {"stop capture", "choose", "start capture"};
    EXPECT_EQ(FakeMidi::calls, expected);

    // A file that vanished: message 163, then the capture resumes; when that
    // fails too, message 145 follows.
    FakeMidi::calls.clear();
    host.m_strChoice = m_folder / "vanished.log";
    host.m_bStartOk = false;
    outcome = ConvertLogToMidi(m_plugin, host);
    EXPECT_FALSE(outcome.bConverted);
    EXPECT_EQ(outcome.messages, (std::vector<unsigned>{163, 145}));
    expected = {"stop capture", "choose", "start capture"};
    EXPECT_EQ(FakeMidi::calls, expected);

    // Without the plug-in the capture is not touched.
    FakeMidi::calls.clear();
    CMidiPlugin missing;
    outcome = ConvertLogToMidi(missing, host);
    EXPECT_TRUE(outcome.bPluginMissing);
    EXPECT_TRUE(FakeMidi::calls.empty());
}

}  // namespace
