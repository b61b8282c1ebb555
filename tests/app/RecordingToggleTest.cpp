// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's record toggles with the real recorders, in the running
// window fed by the scripted capture device: the files they leave, the
// failures on a full disk, and the pitch method of the Settings menu.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

#include "app/AppIds.h"
#include "platform/ui/Menu.h"
#include "recording/RecordingFileName.h"
#include "tests/app/WindowFixture.h"
#include "tests/plugins/SmfReader.h"

namespace {

namespace fs = std::filesystem;

// The recordings land in the working directory: each test gets a fresh one.
class CWorkingDirectory {
public:
    CWorkingDirectory() : m_old(fs::current_path()) {
        fs::current_path(m_dir.path().toStdString());
    }
    ~CWorkingDirectory() { fs::current_path(m_old); }
    // The names of the files ending in strExtension, sorted.
    std::vector<std::string> Files(const std::string& strExtension) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir.path().toStdString())) {
            const std::string strName = entry.path().filename().string();
            if (strName.size() > strExtension.size() &&
                strName.compare(strName.size() - strExtension.size(), strExtension.size(),
                                strExtension) == 0)
                names.push_back(strName);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    QTemporaryDir m_dir;
    fs::path m_old;
};

// The recorders' clock, moved on by the test, and their files, which the test
// can put on a full disk.
class CTestRecordingSystem : public CRecordingSystem {
public:
    std::atomic<uint32_t> m_nNow{5000};
    uint32_t MillisecondCounter() override { return m_nNow.load(); }
    FILE* CreateFile(const char* pszExtension, const char* pszMode, std::string& strName) override {
        FILE* pFile = CRecordingSystem::CreateFile(pszExtension, pszMode, strName);
        if (pFile) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_fds[pszExtension] = fileno(pFile);
        }
        return pFile;
    }
    // From now on every write to the latest file of this kind fails as on a
    // full disk: its descriptor is turned into /dev/full. What was written
    // stays in the file.
    bool FillDisk(const std::string& strExtension) {
        int fd = -1;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto it = m_fds.find(strExtension);
            if (it == m_fds.end()) return false;
            fd = it->second;
        }
        const int nFull = open("/dev/full", O_WRONLY | O_CLOEXEC);
        if (nFull < 0) return false;
        const bool bOk = dup2(nFull, fd) == fd;
        close(nFull);
        return bOk;
    }

private:
    std::mutex m_mutex;
    std::map<std::string, int> m_fds;
};

// A MIDI plug-in of test functions: notes every event and stop, and answers
// as told.
struct FakeMidiPlugin {
    static std::mutex mutex;
    static std::vector<std::string> events;
    static std::vector<std::string> stops;
    static std::atomic<int> nEventResult;
    static std::atomic<int> nStopResult;
    static int Start() {
        std::lock_guard<std::mutex> lock(mutex);
        events.clear();
        return 1;
    }
    static int Event(char* psz) {
        std::lock_guard<std::mutex> lock(mutex);
        events.emplace_back(psz);
        return nEventResult.load();
    }
    static int Stop(char* psz) {
        std::lock_guard<std::mutex> lock(mutex);
        stops.emplace_back(psz);
        return nStopResult.load();
    }
    static std::vector<std::string> Events() {
        std::lock_guard<std::mutex> lock(mutex);
        return events;
    }
    static std::vector<std::string> Stops() {
        std::lock_guard<std::mutex> lock(mutex);
        return stops;
    }
    static void Install(CTunerApp& app) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            events.clear();
            stops.clear();
        }
        nEventResult = 1;
        nStopResult = 3;
        app.m_midiPlugin.m_pfnStartMidiRecord = &Start;
        app.m_midiPlugin.m_pfnRecordMidiEvent = &Event;
        app.m_midiPlugin.m_pfnStopMidiRecord = &Stop;
        app.m_bMidiUnavailable = 0;
    }
};
std::mutex FakeMidiPlugin::mutex;
std::vector<std::string> FakeMidiPlugin::events;
std::vector<std::string> FakeMidiPlugin::stops;
std::atomic<int> FakeMidiPlugin::nEventResult{1};
std::atomic<int> FakeMidiPlugin::nStopResult{3};

// A window whose recordings land in a fresh working directory. The window
// goes first, so recordings left on are closed while their files exist.
struct CRecordingWindow {
    CWorkingDirectory dir;
    CTestRecordingSystem files;
    CWindowFixture w;
    // Every block fed, in order.
    std::vector<std::vector<int16_t>> fed;

    bool Open() {
        if (!w.Open()) return false;
        w.Panel().SetRecordingSystem(&files);
        return true;
    }
    CControlPanel& Panel() { return w.Panel(); }
    // One block as the device gives it, one block time later on the
    // recorders' clock; returns when the window has shown it.
    bool Feed(const std::vector<int16_t>& block) {
        files.m_nNow += 83;
        fed.push_back(block);
        const unsigned nBefore = w.dlg->GetRefreshCalls();
        w.system.GetBuffer()->ring.Write(block.data(), BLOCK_BYTES);
        return WaitFor([&] { return w.dlg->GetRefreshCalls() == nBefore + 1; });
    }
    bool Feed(double dHz) { return Feed(ToneBlock(dHz, w.nBlocksFed++)); }
    void Click(unsigned nId) {
        QTest::mouseClick(static_cast<QPushButton*>(Panel().GetDlgItem(nId)), Qt::LeftButton);
    }
    int Flags() { return Panel().m_state.m_nRecordFlags.load(); }
    QString MenuText(unsigned nId) { return FindMenuItem(w.dlg->m_pMenu, nId)->text(); }
    QImage ButtonIcon(unsigned nId) {
        return static_cast<QPushButton*>(Panel().GetDlgItem(nId))->icon().pixmap(32).toImage();
    }
    bool IndicatorOn() {
        return Panel().GetDlgItem(IDC_RECORDING_ON)->isVisible() &&
               !Panel().GetDlgItem(IDC_RECORDING_OFF)->isVisible();
    }
};

std::string ReadFile(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a log, each of which must end in CR LF.
std::vector<std::string> LogLines(const std::string& strText, bool* pbCrLf) {
    std::vector<std::string> lines;
    *pbCrLf = true;
    size_t nStart = 0;
    while (nStart < strText.size()) {
        const size_t nEnd = strText.find("\r\n", nStart);
        if (nEnd == std::string::npos) {
            *pbCrLf = false;
            lines.push_back(strText.substr(nStart));
            break;
        }
        lines.push_back(strText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 2;
    }
    for (const std::string& line : lines)
        if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos)
            *pbCrLf = false;
    return lines;
}

// What follows the 13-character time prefix "hh:mm:ss:cc |".
const std::regex TIME_PREFIX(R"(^\d\d:\d\d:\d\d:\d\d \|)");
std::string AfterPrefix(const std::string& line) {
    return std::regex_search(line, TIME_PREFIX) ? line.substr(13) : "<no prefix: " + line + ">";
}

// A reading line after its prefix: frequency, note (its column 5 characters
// wide, plain or sharp), cents, level.
const std::regex READING(
    R"(^ ([ \d]{3}\d\.\d) Hz \|    ([A-G]\d(?=   )|[A-G]\d#(?=  )) +\|   [+-]\d\d+    \|  -?\d+ ?$)");

uint32_t Le32(const std::string& s, size_t n) {
    return static_cast<uint32_t>(static_cast<unsigned char>(s[n])) |
           static_cast<uint32_t>(static_cast<unsigned char>(s[n + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[n + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[n + 3])) << 24;
}
unsigned Le16(const std::string& s, size_t n) {
    return static_cast<unsigned char>(s[n]) | static_cast<unsigned char>(s[n + 1]) << 8;
}

// The WAVE file's header describes exactly the data that follows it, in the
// capture format.
void ExpectValidWave(const std::string& wav) {
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(Le16(wav, 20), 1u);
    EXPECT_EQ(Le16(wav, 22), 2u);
    EXPECT_EQ(Le32(wav, 24), 16000u);
    EXPECT_EQ(Le32(wav, 28), 64000u);
    EXPECT_EQ(Le16(wav, 32), 4u);
    EXPECT_EQ(Le16(wav, 34), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(Le32(wav, 40), wav.size() - 44);
}

std::string Bytes(const std::vector<std::vector<int16_t>>& blocks, size_t nFirst, size_t nEnd) {
    std::string bytes;
    for (size_t i = nFirst; i < nEnd; ++i)
        bytes.append(reinterpret_cast<const char*>(blocks[i].data()), BLOCK_BYTES);
    return bytes;
}

TEST(RecordingToggles, LogWaveAndMidiOfAPlayedScaleAndTheFilesTheyLeave) {
    CMessageRecorder messages;
    CRecordingWindow r;
    const PluginLoadResult load = r.w.app.m_midiPlugin.Load({KALVO_PLUGIN_BUILD_DIR}, false);
    ASSERT_EQ(load.nStatus, PluginStatus::Loaded);
    r.w.app.m_bMidiUnavailable = 0;
    ASSERT_TRUE(r.Open());
    // Before the recordings, another note: in none of them.
    ASSERT_TRUE(r.Feed(329.6276));

    for (unsigned nId : {IDC_LOG, IDC_WAVE, IDC_MIDI}) r.Click(nId);
    EXPECT_EQ(r.Flags(), REC_LOG | REC_WAVE | REC_MIDI);
    EXPECT_TRUE(r.IndicatorOn());
    EXPECT_EQ(r.MenuText(IDC_LOG), "Stop Recording to Text File");
    EXPECT_EQ(r.MenuText(IDC_WAVE), "Stop Recording to Wave File");
    EXPECT_EQ(r.MenuText(IDC_MIDI), "Stop Recording to Midi File");
    EXPECT_EQ(r.ButtonIcon(IDC_LOG), r.w.app.m_hIconLogOn.toImage());
    EXPECT_EQ(r.ButtonIcon(IDC_WAVE), r.w.app.m_hIconWaveOn.toImage());
    EXPECT_EQ(r.ButtonIcon(IDC_MIDI), r.w.app.m_hIconMidiOn.toImage());

    // A5, C6, E6.
    const size_t nFirst = r.fed.size();
    for (double dHz : {440.0, 523.2511, 659.2551})
        for (int i = 0; i < 8; ++i) ASSERT_TRUE(r.Feed(dHz));
    const size_t nEnd = r.fed.size();

    for (unsigned nId : {IDC_LOG, IDC_WAVE, IDC_MIDI}) r.Click(nId);
    EXPECT_EQ(r.Flags(), 0);
    EXPECT_FALSE(r.IndicatorOn());
    EXPECT_EQ(r.MenuText(IDC_LOG), "Record to Text File");
    EXPECT_EQ(r.MenuText(IDC_WAVE), "Record to Wave File");
    EXPECT_EQ(r.MenuText(IDC_MIDI), "Record to MIDI File");
    EXPECT_EQ(r.ButtonIcon(IDC_LOG), r.w.app.m_hIconLogOff.toImage());
    EXPECT_EQ(r.ButtonIcon(IDC_WAVE), r.w.app.m_hIconWaveOff.toImage());
    EXPECT_EQ(r.ButtonIcon(IDC_MIDI), r.w.app.m_hIconMidiOff.toImage());
    ASSERT_TRUE(r.Feed(440.0));  // after: in none
    EXPECT_TRUE(messages.Boxes().empty());

    const auto logs = r.dir.Files(".log");
    const auto waves = r.dir.Files(".wav");
    const auto midis = r.dir.Files(".mid");
    ASSERT_EQ(logs.size(), 1u);
    ASSERT_EQ(waves.size(), 1u);
    ASSERT_EQ(midis.size(), 1u);
    EXPECT_TRUE(std::regex_match(logs[0], std::regex(R"(kalvo_\d{8}_\d{6}\.log)"))) << logs[0];

    {
        SCOPED_TRACE("log");
        bool bCrLf = false;
        const auto lines = LogLines(ReadFile(logs[0]), &bCrLf);
        EXPECT_TRUE(bCrLf);
        ASSERT_GE(lines.size(), 9u);
        ASSERT_FALSE(r.w.app.m_strVersion.empty());
        EXPECT_EQ(lines[0], "    Kalvo version " + r.w.app.m_strVersion + " session file");
        EXPECT_EQ(lines[1], "");
        EXPECT_EQ(lines[2], std::string(51, '-'));
        EXPECT_EQ(lines[3], "    time    |  dominant | closest |  cents   |  dB ");
        EXPECT_EQ(lines[4], "            | frequency |  note   | mismatch |     ");
        EXPECT_EQ(lines[5], "------------+-----------+---------+----------+-----");
        EXPECT_EQ(lines[6], "00:00:00:00 |  INFO> start of logfile");
        EXPECT_EQ(AfterPrefix(lines.back()), "  INFO> end of logfile");
        // Every line between is a reading of the tone being played; the notes
        // come in the order played, each at its frequency.
        const std::map<std::string, double> tones = {
            {"A5", 440.0}, {"C6", 523.2511}, {"E6", 659.2551}};
        std::vector<std::string> notes;
        std::string strPrevPrefix = lines[6].substr(0, 13);
        for (size_t i = 7; i + 1 < lines.size(); ++i) {
            const std::string text = AfterPrefix(lines[i]);
            std::smatch m;
            ASSERT_TRUE(std::regex_match(text, m, READING)) << lines[i];
            const auto tone = tones.find(m[2].str());
            ASSERT_NE(tone, tones.end()) << lines[i];
            EXPECT_NEAR(std::stod(m[1].str()), tone->second, 1.0) << lines[i];
            if (notes.empty() || notes.back() != m[2].str()) notes.push_back(m[2].str());
            EXPECT_LE(strPrevPrefix, lines[i].substr(0, 13)) << "time runs backwards";
            strPrevPrefix = lines[i].substr(0, 13);
        }
        EXPECT_EQ(notes, (std::vector<std::string>{"A5", "C6", "E6"}));
    }
    {
        SCOPED_TRACE("wave");
        const std::string wav = ReadFile(waves[0]);
        ExpectValidWave(wav);
        // Exactly the blocks captured while it was on, unchanged.
        EXPECT_EQ(wav.size(), 44 + (nEnd - nFirst) * BLOCK_BYTES);
        EXPECT_TRUE(wav.substr(44) == Bytes(r.fed, nFirst, nEnd));
    }
    {
        SCOPED_TRACE("midi");
        SmfFile smf;
        std::string strError;
        ASSERT_TRUE(ReadSmfFile(midis[0], smf, strError)) << strError;
        std::vector<int> keys;
        for (const SmfNote& note : smf.notes)
            if (keys.empty() || keys.back() != note.nKey) keys.push_back(note.nKey);
        EXPECT_EQ(keys, (std::vector<int>{69, 72, 76}));
    }
}

TEST(RecordingToggles, A5AndTranspositionEntriesGoToTheLogOnlyAndReadingsToBoth) {
    CMessageRecorder messages;
    CRecordingWindow r;
    FakeMidiPlugin::Install(r.w.app);
    ASSERT_TRUE(r.Open());
    auto* pA5 = static_cast<QComboBox*>(r.Panel().GetDlgItem(IDC_A5_LIST));
    auto* pTrans = static_cast<QComboBox*>(r.Panel().GetDlgItem(IDC_TRANSPOSITION_LIST));

    r.Click(IDC_LOG);
    r.files.m_nNow += 1000;  // the MIDI recording starts a second later
    r.Click(IDC_MIDI);
    ASSERT_EQ(r.Flags(), REC_LOG | REC_MIDI);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.Feed(440.0));
    pA5->setCurrentIndex(35);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.Feed(440.0));
    pTrans->setCurrentIndex(1);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.Feed(440.0));
    pTrans->setCurrentIndex(3);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.Feed(440.0));
    r.Click(IDC_LOG);
    r.Click(IDC_MIDI);
    ASSERT_EQ(r.Flags(), 0);
    // Without the log the changes are written nowhere.
    pA5->setCurrentIndex(60);
    pTrans->setCurrentIndex(0);
    EXPECT_TRUE(messages.Boxes().empty());
    const auto logs = r.dir.Files(".log");
    ASSERT_EQ(logs.size(), 1u);

    bool bCrLf = false;
    const auto lines = LogLines(ReadFile(logs[0]), &bCrLf);
    ASSERT_GT(lines.size(), 6u);
    std::vector<std::string> logTexts;
    std::vector<std::string> infos;
    for (size_t i = 6; i < lines.size(); ++i) {
        const std::string text = AfterPrefix(lines[i]);
        if (text.find("A5 value") != std::string::npos ||
            text.find("transposition") != std::string::npos || text == "  INFO> start of logfile")
            infos.push_back(text);
        else
            logTexts.push_back(text);
    }
    EXPECT_EQ(infos, (std::vector<std::string>{
                         "  INFO> start of logfile", "  INFO> A5 value set to 415 Hz",
                         "  INFO> transposition changed one octave up",
                         "  INFO> transposition changed for B flat instrument"}));

    // The MIDI plug-in had the same lines after their own time prefixes, each
    // ending in a single line feed, and none of the INFO lines of the panel.
    std::vector<std::string> midiTexts;
    for (const std::string& event : FakeMidiPlugin::Events()) {
        ASSERT_FALSE(event.empty());
        EXPECT_EQ(event.back(), '\n');
        EXPECT_EQ(event.find('\r'), std::string::npos);
        midiTexts.push_back(AfterPrefix(event.substr(0, event.size() - 1)));
    }
    EXPECT_EQ(midiTexts, logTexts);
    ASSERT_GE(logTexts.size(), 2u);
    EXPECT_TRUE(std::regex_match(logTexts.front(), READING)) << logTexts.front();
    EXPECT_EQ(logTexts.back(), "  INFO> end of logfile");
    // The prefixes follow each recording's own start.
    EXPECT_NE(FakeMidiPlugin::Events().front().substr(0, 13), lines[7].substr(0, 13));
    ASSERT_EQ(FakeMidiPlugin::Stops().size(), 1u);
    EXPECT_TRUE(
        std::regex_match(FakeMidiPlugin::Stops()[0], std::regex(R"(kalvo_\d{8}_\d{6}.*\.mid)")));
}

TEST(RecordingToggles, AWriteFailureShowsItsMessageOnceAndSwitchesThatRecordingOff) {
    CWatchdog watchdog("write failures", std::chrono::seconds(120));
    struct Case {
        unsigned nButton;
        int nFlag;
        const char* pszExtension;  // null: the MIDI plug-in refuses the events
        unsigned nMessage;
        const char* pszMenuOff;
    };
    for (const Case& c : {Case{IDC_LOG, REC_LOG, ".log", 157, "Record to Text File"},
                          Case{IDC_WAVE, REC_WAVE, ".wav", 161, "Record to Wave File"},
                          Case{IDC_MIDI, REC_MIDI, nullptr, 168, "Record to MIDI File"}}) {
        SCOPED_TRACE(c.nMessage);
        CMessageRecorder messages;
        CRecordingWindow r;
        FakeMidiPlugin::Install(r.w.app);
        ASSERT_TRUE(r.Open());
        r.Click(c.nButton);
        ASSERT_EQ(r.Flags(), c.nFlag);
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.Feed(i % 2 ? 440.0 : 523.2511));
        const std::vector<std::string> files =
            c.pszExtension ? r.dir.Files(c.pszExtension) : std::vector<std::string>{};
        const std::string before = files.empty() ? "" : ReadFile(files[0]);

        if (c.pszExtension)
            ASSERT_TRUE(r.files.FillDisk(c.pszExtension));
        else
            FakeMidiPlugin::nEventResult = -1;
        // A new note, so that a line is due as well as a block.
        ASSERT_TRUE(r.Feed(659.2551));
        EXPECT_TRUE(messages.ShowedOnly(c.nMessage, MB_ICONEXCLAMATION));
        EXPECT_EQ(r.Flags(), 0);
        EXPECT_EQ(r.MenuText(c.nButton), c.pszMenuOff);
        EXPECT_FALSE(r.IndicatorOn());

        // Everything written before the failure is still there, whole.
        if (c.pszExtension) {
            EXPECT_EQ(r.dir.Files(c.pszExtension), files);
            const std::string after = ReadFile(files[0]);
            EXPECT_TRUE(after == before)
                << before.size() << " bytes before, " << after.size() << " after";
            if (c.nFlag == REC_WAVE) {
                ExpectValidWave(after);
                EXPECT_EQ(after.size(), 44u + 3 * BLOCK_BYTES);
            }
        } else {
            // The plug-in was still asked to write what it had.
            EXPECT_EQ(FakeMidiPlugin::Stops().size(), 1u);
        }

        // The program goes on, and the recording can be started again.
        FakeMidiPlugin::nEventResult = 1;
        ASSERT_TRUE(r.Feed(440.0));
        r.Click(c.nButton);
        EXPECT_EQ(r.Flags(), c.nFlag);
        ASSERT_TRUE(r.Feed(523.2511));
        r.Click(c.nButton);
        EXPECT_EQ(r.Flags(), 0);
        EXPECT_EQ(messages.Boxes().size(), 1u);
        if (c.pszExtension) {
            EXPECT_EQ(r.dir.Files(c.pszExtension).size(), 2u);
        }
    }
}

TEST(RecordingToggles, AFailedA5EntrySwitchesTheLogOff) {
    CMessageRecorder messages;
    CRecordingWindow r;
    ASSERT_TRUE(r.Open());
    r.Click(IDC_LOG);
    ASSERT_TRUE(r.Feed(440.0));
    const auto logs = r.dir.Files(".log");
    ASSERT_EQ(logs.size(), 1u);
    const std::string before = ReadFile(logs[0]);
    ASSERT_TRUE(r.files.FillDisk(".log"));
    static_cast<QComboBox*>(r.Panel().GetDlgItem(IDC_A5_LIST))->setCurrentIndex(10);
    EXPECT_TRUE(messages.ShowedOnly(157, MB_ICONEXCLAMATION));
    EXPECT_EQ(r.Flags(), 0);
    EXPECT_EQ(r.MenuText(IDC_LOG), "Record to Text File");
    EXPECT_TRUE(ReadFile(logs[0]) == before);
    // The factor is set all the same.
    EXPECT_EQ(r.Panel().m_nA5, 390u);
    ASSERT_TRUE(r.Feed(440.0));
    EXPECT_EQ(messages.Boxes().size(), 1u);
}

TEST(RecordingToggles, AFailedStopKeepsTheRecordingOnAndTheNextPressTriesAgain) {
    CMessageRecorder messages;
    CRecordingWindow r;
    FakeMidiPlugin::Install(r.w.app);
    ASSERT_TRUE(r.Open());
    r.Click(IDC_MIDI);
    ASSERT_TRUE(r.Feed(440.0));
    FakeMidiPlugin::nStopResult = -1;
    r.Click(IDC_MIDI);
    EXPECT_TRUE(messages.ShowedOnly(167, MB_ICONEXCLAMATION));
    EXPECT_EQ(r.Flags(), REC_MIDI);
    EXPECT_EQ(r.MenuText(IDC_MIDI), "Stop Recording to Midi File");
    EXPECT_EQ(r.ButtonIcon(IDC_MIDI), r.w.app.m_hIconMidiOn.toImage());
    EXPECT_TRUE(r.IndicatorOn());
    // Still recording.
    const size_t nEvents = FakeMidiPlugin::Events().size();
    ASSERT_TRUE(r.Feed(523.2511));
    EXPECT_GT(FakeMidiPlugin::Events().size(), nEvents);

    FakeMidiPlugin::nStopResult = 1;
    messages.Clear();
    r.Click(IDC_MIDI);
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(r.Flags(), 0);
    EXPECT_FALSE(r.IndicatorOn());
    // Each stop sent the end line and asked for the same file.
    const auto stops = FakeMidiPlugin::Stops();
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0], stops[1]);
    const auto events = FakeMidiPlugin::Events();
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const std::string& e) {
                                return AfterPrefix(e.substr(0, e.size() - 1)) ==
                                       "  INFO> end of logfile";
                            }),
              2);
}

TEST(RecordingToggles, AfterARefusedEventAFailedStopStillEndsTheMidiRecording) {
    CMessageRecorder messages;
    CRecordingWindow r;
    FakeMidiPlugin::Install(r.w.app);
    ASSERT_TRUE(r.Open());
    r.Click(IDC_MIDI);
    ASSERT_TRUE(r.Feed(440.0));
    FakeMidiPlugin::nEventResult = -1;
    FakeMidiPlugin::nStopResult = -1;
    ASSERT_TRUE(r.Feed(523.2511));
    // Kept on, every block would fail again: the recording ends, and the
    // user learns that its file was not written.
    const auto boxes = messages.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, QString::fromUtf8(LoadResString(168)));
    EXPECT_EQ(boxes[1].text, QString::fromUtf8(LoadResString(167)));
    EXPECT_EQ(r.Flags(), 0);
    EXPECT_EQ(r.MenuText(IDC_MIDI), "Record to MIDI File");
    EXPECT_FALSE(r.IndicatorOn());
    ASSERT_TRUE(r.Feed(659.2551));
    EXPECT_EQ(messages.Boxes().size(), 2u);
    EXPECT_EQ(FakeMidiPlugin::Stops().size(), 1u);
}

TEST(RecordingToggles, ClosingIsRefusedWhileARecordingIsOnAndTheFilesEndWhole) {
    CMessageRecorder messages;
    CRecordingWindow r;
    ASSERT_TRUE(r.Open());
    r.Click(IDC_LOG);
    r.Click(IDC_WAVE);
    ASSERT_TRUE(r.Feed(440.0));
    auto* pExit = static_cast<QPushButton*>(r.Panel().GetDlgItem(IDCANCEL_COMMAND));
    QTest::mouseClick(pExit, Qt::LeftButton);
    EXPECT_TRUE(messages.ShowedOnly(158, MB_ICONEXCLAMATION));
    EXPECT_TRUE(r.w.dlg->isVisible());
    // Still recording after the refusal.
    ASSERT_TRUE(r.Feed(523.2511));
    r.Click(IDC_LOG);
    messages.Clear();
    QTest::keyClick(r.w.dlg.get(), Qt::Key_Escape);
    EXPECT_TRUE(messages.ShowedOnly(158, MB_ICONEXCLAMATION));
    r.Click(IDC_WAVE);
    messages.Clear();
    QTest::mouseClick(pExit, Qt::LeftButton);
    EXPECT_FALSE(r.w.dlg->isVisible());
    EXPECT_TRUE(messages.Boxes().empty());

    bool bCrLf = false;
    const auto lines = LogLines(ReadFile(r.dir.Files(".log").at(0)), &bCrLf);
    EXPECT_EQ(AfterPrefix(lines.back()), "  INFO> end of logfile");
    const std::string wav = ReadFile(r.dir.Files(".wav").at(0));
    ExpectValidWave(wav);
    EXPECT_EQ(wav.size(), 44u + 2 * BLOCK_BYTES);
}

TEST(RecordingToggles, TogglingWhileBlocksArriveNeverHangsAndEveryFileIsWhole) {
    CWatchdog watchdog("toggling while blocks arrive", std::chrono::seconds(120));
    CMessageRecorder messages;
    CRecordingWindow r;
    FakeMidiPlugin::Install(r.w.app);
    ASSERT_TRUE(r.Open());
    // The capture thread writes and waits for repaints while this thread
    // starts and stops the recorders under the same lock.
    for (int i = 0; i < 40; ++i) {
        r.w.FeedBlock(i % 3 ? 440.0 : 523.2511);
        r.Click(IDC_WAVE);
        r.Click(i % 2 ? IDC_LOG : IDC_MIDI);
        QCoreApplication::processEvents();
    }
    for (unsigned nId : {IDC_LOG, IDC_WAVE, IDC_MIDI})
        if (r.Flags() & (nId == IDC_LOG ? REC_LOG : nId == IDC_WAVE ? REC_WAVE : REC_MIDI))
            r.Click(nId);
    ASSERT_EQ(r.Flags(), 0);
    // Every block taken and shown, then the window still takes the next.
    CCaptureEngine* pEngine = r.w.dlg->GetCaptureEngine();
    ASSERT_TRUE(WaitFor([&] {
        return pEngine->GetBlocksTaken() == r.w.nBlocksFed &&
               r.w.dlg->GetRefreshCalls() == pEngine->GetWakeUpsWithData();
    }));
    ASSERT_TRUE(r.Feed(440.0));
    EXPECT_TRUE(messages.Boxes().empty());

    EXPECT_EQ(r.dir.Files(".wav").size(), 20u);
    EXPECT_EQ(r.dir.Files(".log").size(), 10u);
    for (const std::string& strName : r.dir.Files(".wav")) {
        SCOPED_TRACE(strName);
        const std::string wav = ReadFile(strName);
        ExpectValidWave(wav);
        EXPECT_EQ((wav.size() - 44) % BLOCK_BYTES, 0u);
    }
    for (const std::string& strName : r.dir.Files(".log")) {
        bool bCrLf = false;
        const auto lines = LogLines(ReadFile(strName), &bCrLf);
        EXPECT_TRUE(bCrLf) << strName;
        ASSERT_GE(lines.size(), 8u) << strName;
        EXPECT_EQ(AfterPrefix(lines[6]), "  INFO> start of logfile");
        EXPECT_EQ(AfterPrefix(lines.back()), "  INFO> end of logfile");
    }
    EXPECT_EQ(FakeMidiPlugin::Stops().size(), 10u);
}

// One block of a tone whose second harmonic is by far its strongest partial.
std::vector<int16_t> HarmonicBlock(double dHz, unsigned nBlock) {
    std::vector<int16_t> v(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double t = static_cast<double>(nBlock * BLOCK_FRAMES + i) / SAMPLE_RATE;
        const double s = 2500 * std::sin(2 * M_PI * dHz * t) +
                         12000 * std::sin(2 * M_PI * 2 * dHz * t) +
                         5000 * std::sin(2 * M_PI * 3 * dHz * t);
        v[2 * i] = v[2 * i + 1] = static_cast<int16_t>(std::lround(s));
    }
    return v;
}

TEST(PitchMethodMenu, FundamentalFromTheNextBlockOnWithTheSameLogLines) {
    CMessageRecorder messages;
    CRecordingWindow r;
    ASSERT_TRUE(r.Open());
    QAction* pDominant = FindMenuItem(r.w.dlg->m_pMenu, ID_PITCH_DOMINANT);
    QAction* pFundamental = FindMenuItem(r.w.dlg->m_pMenu, ID_PITCH_FUNDAMENTAL);
    ASSERT_TRUE(pDominant && pFundamental);
    EXPECT_TRUE(pDominant->isChecked());
    EXPECT_FALSE(pFundamental->isChecked());
    CPitchAnalyser& analyser = r.w.dlg->GetAnalyser();
    EXPECT_EQ(analyser.m_nPitchMethod.load(), PITCH_METHOD_DOMINANT);

    r.Click(IDC_LOG);
    unsigned nBlock = 0;
    // 220 Hz played, 440 Hz loudest: the strongest partial reads A5.
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(r.Feed(HarmonicBlock(220.0, nBlock++)));
    EXPECT_EQ(analyser.m_noteSearch.GetNoteIndex(), 45);

    pFundamental->trigger();
    EXPECT_TRUE(pFundamental->isChecked());
    EXPECT_FALSE(pDominant->isChecked());
    EXPECT_EQ(analyser.m_nPitchMethod.load(), PITCH_METHOD_FUNDAMENTAL);
    ASSERT_TRUE(r.Feed(HarmonicBlock(220.0, nBlock++)));
    EXPECT_EQ(analyser.m_noteSearch.GetNoteIndex(), 33);  // A4, the played note
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(r.Feed(HarmonicBlock(220.0, nBlock++)));

    pDominant->trigger();
    EXPECT_TRUE(pDominant->isChecked());
    EXPECT_FALSE(pFundamental->isChecked());
    ASSERT_TRUE(r.Feed(HarmonicBlock(220.0, nBlock++)));
    EXPECT_EQ(analyser.m_noteSearch.GetNoteIndex(), 45);
    r.Click(IDC_LOG);
    EXPECT_TRUE(messages.Boxes().empty());

    // Both methods' readings are written in the same columns.
    bool bCrLf = false;
    const auto lines = LogLines(ReadFile(r.dir.Files(".log").at(0)), &bCrLf);
    EXPECT_TRUE(bCrLf);
    std::vector<std::string> notes;
    for (size_t i = 7; i + 1 < lines.size(); ++i) {
        std::smatch m;
        const std::string text = AfterPrefix(lines[i]);
        ASSERT_TRUE(std::regex_match(text, m, READING)) << lines[i];
        const double dHz = std::stod(m[1].str());
        EXPECT_NEAR(dHz, m[2].str() == "A4" ? 220.0 : 440.0, 1.0) << lines[i];
        if (notes.empty() || notes.back() != m[2].str()) notes.push_back(m[2].str());
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"A5", "A4", "A5"}));
}

}  // namespace
