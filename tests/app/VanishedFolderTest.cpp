// SPDX-License-Identifier: GPL-3.0-or-later
// The recording folder deleted under three running recordings, in the real
// window: everything recorded is saved in the recovery folder, the user is
// told once per recording with where it went, and the window still closes.
// A full recovery folder passes the recordings on to the next. And the way
// out after a stop that keeps failing.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/AppIds.h"
#include "resources/Resource.h"
#include "tests/app/WindowFixture.h"
#include "tests/plugins/SmfReader.h"

namespace {

// The window with the real MIDI plug-in from the build.
bool OpenWithMidiPlugin(CWindowFixture& w) {
    if (w.app.m_midiPlugin.Load({KALVO_PLUGIN_BUILD_DIR}, false).nStatus != PluginStatus::Loaded)
        return false;
    w.app.m_bMidiUnavailable = 0;
    return w.Open();
}

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path OnlyFile(const fs::path& folder, const std::string& strExtension) {
    fs::path found;
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == strExtension) {
            found = entry.path();
            ++n;
        }
    return n == 1 ? found : fs::path();
}

// XDG_DATA_HOME set for the life of the object, then as it was.
class CDataHome {
public:
    explicit CDataHome(const fs::path& path) {
        const char* psz = std::getenv("XDG_DATA_HOME");
        m_bWasSet = psz != nullptr;
        if (psz) m_strOld = psz;
        setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~CDataHome() {
        if (m_bWasSet)
            setenv("XDG_DATA_HOME", m_strOld.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

private:
    bool m_bWasSet = false;
    std::string m_strOld;
};

TEST(VanishedFolder, ThreeRecordingsAreSavedElsewhereToldOnceAndTheWindowCloses) {
    QTemporaryDir base;
    const fs::path root = base.path().toStdString();
    const fs::path folder = root / "d", recovered = root / "data/kalvo/recovered";
    fs::create_directory(folder);
    const fs::path old = fs::current_path();
    fs::current_path(folder);
    unsigned nFed = 0;
    {
        CDataHome dataHome(root / "data");
        CMessageRecorder messages;
        CWindowFixture w;
        ASSERT_TRUE(OpenWithMidiPlugin(w));
        w.Panel().ToggleLogRecording();
        w.Panel().ToggleWaveRecording();
        w.Panel().ToggleMidiRecording();
        ASSERT_EQ(w.Panel().m_state.m_nRecordFlags.load(), REC_LOG | REC_WAVE | REC_MIDI);
        for (; nFed < 6; ++nFed) ASSERT_TRUE(w.FeedBlockAndWait(440.0));

        fs::remove_all(folder);
        // Blocks go on arriving while the folder is gone, before and after
        // the check finds it out.
        for (; nFed < 10; ++nFed) ASSERT_TRUE(w.FeedBlockAndWait(523.2511));
        ASSERT_TRUE(WaitFor([&] { return messages.Boxes().size() >= 2; }, 5000));
        for (; nFed < 16; ++nFed) ASSERT_TRUE(w.FeedBlockAndWait(523.2511));
        QTest::qWait(1200);  // more checks: nothing more to tell

        w.Panel().ToggleLogRecording();
        w.Panel().ToggleWaveRecording();
        w.Panel().ToggleMidiRecording();
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), 0);

        const auto boxes = messages.Boxes();
        ASSERT_EQ(boxes.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            // Nothing went wrong that the user must report: news of where
            // each recording went.
            EXPECT_EQ(boxes[i].nIcon, MB_ICONINFORMATION);
            EXPECT_FALSE(boxes[i].text.contains(QStringLiteral("please report")));
            EXPECT_TRUE(boxes[i].text.contains(QString::fromStdString(recovered.string())));
            // The file, the reason and where the data is now.
            EXPECT_TRUE(boxes[i].detail.startsWith(QStringLiteral("kalvo_")))
                << boxes[i].detail.toStdString();
            EXPECT_TRUE(boxes[i].detail.contains(QStringLiteral("No such file or directory")));
            EXPECT_TRUE(boxes[i].detail.contains(QString::fromStdString(recovered.string())));
        }
        QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
        EXPECT_FALSE(w.dlg->isVisible());
        EXPECT_EQ(messages.Boxes().size(), 3u);
    }
    fs::current_path(old);

    // Nothing lost: the whole log, every block in the WAVE file, both notes
    // in the MIDI file.
    const std::string log = ReadFile(OnlyFile(recovered, ".log"));
    EXPECT_NE(log.find("INFO> start of logfile\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("440.0 Hz |    A5"), std::string::npos) << log;
    EXPECT_NE(log.find("523.2 Hz |    C6"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 24), "  INFO> end of logfile\r\n") << log;
    const std::string wav = ReadFile(OnlyFile(recovered, ".wav"));
    EXPECT_EQ(wav.size(), 44u + nFed * BLOCK_BYTES);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    SmfFile smf;
    std::string strError;
    ASSERT_TRUE(ReadSmfFile(OnlyFile(recovered, ".mid").string(), smf, strError)) << strError;
    ASSERT_FALSE(smf.notes.empty());
    EXPECT_EQ(smf.notes.front().nKey, 69);
    EXPECT_EQ(smf.notes.back().nKey, 72);
}

// A MIDI recording whose folder was moved: written into the recovery
// folder, told as news, and the empty file reserved at the start is not left
// behind in the moved folder.
TEST(VanishedFolder, MovedFolderKeepsNoEmptyMidiFileAndTheSavedOneIsToldAsNews) {
    QTemporaryDir base;
    const fs::path root = base.path().toStdString();
    const fs::path folder = root / "d", moved = root / "moved";
    fs::create_directory(folder);
    CDataHome dataHome(root / "data");
    {
        CMessageRecorder messages;
        CWindowFixture w;
        ASSERT_TRUE(OpenWithMidiPlugin(w));
        w.Panel().SetRecordingFolder(folder.string());
        w.Panel().ToggleMidiRecording();
        ASSERT_TRUE(w.FeedBlockAndWait());
        fs::rename(folder, moved);
        w.Panel().ToggleMidiRecording();
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), 0);
        ASSERT_EQ(messages.Boxes().size(), 1u);
        EXPECT_EQ(messages.Boxes()[0].nIcon, MB_ICONINFORMATION);
        EXPECT_FALSE(messages.Boxes()[0].text.contains(QStringLiteral("please report")));
    }
    EXPECT_TRUE(fs::is_empty(moved));
    EXPECT_FALSE(OnlyFile(root / "data/kalvo/recovered", ".mid").empty());
}

// The recording system of the window with recovery folders of the test's;
// copies into strFull fail as on a full disk.
class CFullFolderSystem : public CRecordingSystem {
public:
    std::vector<std::string> folders;
    std::string strFull;

    std::vector<std::string> RecoveryFolders() override { return folders; }
    FILE* CopyForRecovery(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                          const std::string& strName, const char* pszMode,
                          std::string& strNewPath) override {
        if (strFolder == strFull) {
            errno = ENOSPC;
            return nullptr;
        }
        return CRecordingSystem::CopyForRecovery(fdFrom, nBytes, strFolder, strName, pszMode,
                                                 strNewPath);
    }
};

TEST(VanishedFolder, FullRecoveryFolderPassesTheRecordingsOnAndOnlyNoRoomAnywhereLosesThem) {
    QTemporaryDir base;
    const fs::path root = base.path().toStdString();
    const fs::path folder = root / "d", spare = root / "spare";
    fs::create_directory(folder);
    CFullFolderSystem system;
    system.SetFolder(folder.string());
    system.strFull = (root / "full").string();
    system.folders = {system.strFull, spare.string()};
    std::string strWave;  // every block fed, as the WAVE file must hold them
    {
        CMessageRecorder messages;
        CWindowFixture w;
        ASSERT_TRUE(OpenWithMidiPlugin(w));
        w.Panel().SetRecordingSystem(&system);
        w.Panel().ToggleLogRecording();
        w.Panel().ToggleWaveRecording();
        w.Panel().ToggleMidiRecording();
        ASSERT_EQ(w.Panel().m_state.m_nRecordFlags.load(), REC_LOG | REC_WAVE | REC_MIDI);
        const auto Feed = [&](double dHz) {
            const std::vector<int16_t> block = ToneBlock(dHz, w.nBlocksFed);
            strWave.append(reinterpret_cast<const char*>(block.data()), BLOCK_BYTES);
            return w.FeedBlockAndWait(dHz);
        };
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(Feed(440.0));
        fs::remove_all(folder);
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(Feed(523.2511));
        ASSERT_TRUE(WaitFor([&] { return messages.Boxes().size() >= 2; }, 5000));
        for (int i = 0; i < 2; ++i) ASSERT_TRUE(Feed(523.2511));
        w.Panel().ToggleLogRecording();
        w.Panel().ToggleWaveRecording();
        w.Panel().ToggleMidiRecording();
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), 0);
        const auto boxes = messages.Boxes();
        ASSERT_EQ(boxes.size(), 3u);
        for (const auto& box : boxes)
            EXPECT_TRUE(box.detail.contains(QString::fromStdString(spare.string())) &&
                        box.detail.contains(QStringLiteral("No space left on device")))
                << box.detail.toStdString();

        // With no folder that has room, the WAVE recording is lost: said
        // plainly, with the reason and the folder tried.
        messages.Clear();
        system.folders = {system.strFull};
        fs::create_directory(folder);
        w.Panel().ToggleWaveRecording();
        ASSERT_TRUE(w.FeedBlockAndWait());
        fs::remove_all(folder);
        ASSERT_TRUE(WaitFor([&] { return !messages.Boxes().empty(); }, 5000));
        EXPECT_TRUE(messages.ShowedOnly(IDS_WAVE_WRITE, MB_ICONEXCLAMATION));
        EXPECT_TRUE(messages.Boxes()[0].detail.contains(
            QString::fromStdString("what was recorded is lost: it could not be saved in " +
                                   system.strFull + " (No space left on device)")))
            << messages.Boxes()[0].detail.toStdString();
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), 0);
    }
    // All of it in the next folder: the log to its end, every block of the
    // WAVE file in order, the notes of both halves.
    const std::string log = ReadFile(OnlyFile(spare, ".log"));
    EXPECT_EQ(log.substr(log.size() - 24), "  INFO> end of logfile\r\n") << log;
    const std::string wav = ReadFile(OnlyFile(spare, ".wav"));
    ASSERT_EQ(wav.size(), 44u + strWave.size());
    EXPECT_TRUE(wav.compare(44, std::string::npos, strWave) == 0);
    SmfFile smf;
    std::string strError;
    ASSERT_TRUE(ReadSmfFile(OnlyFile(spare, ".mid").string(), smf, strError)) << strError;
    ASSERT_FALSE(smf.notes.empty());
    EXPECT_EQ(smf.notes.front().nKey, 69);
    EXPECT_EQ(smf.notes.back().nKey, 72);
}

// Stand-ins for the plug-in whose file can never be written.
int StartRecord() {
    return 1;
}
int TakeEvent(char*) {
    return 1;
}
int FailToWrite(char*) {
    return -4;
}

TEST(VanishedFolder, AfterAFailedStopExitAsksAndYesEndsTheRecordingAndCloses) {
    QTemporaryDir dir;
    const fs::path old = fs::current_path();
    fs::current_path(dir.path().toStdString());
    {
        CMessageRecorder messages;
        CWindowFixture w;
        w.app.m_midiPlugin.m_pfnStartMidiRecord = &StartRecord;
        w.app.m_midiPlugin.m_pfnRecordMidiEvent = &TakeEvent;
        w.app.m_midiPlugin.m_pfnStopMidiRecord = &FailToWrite;
        w.app.m_bMidiUnavailable = 0;
        ASSERT_TRUE(w.Open());
        w.Panel().ToggleMidiRecording();
        ASSERT_TRUE(w.FeedBlockAndWait());
        w.Panel().ToggleMidiRecording();
        EXPECT_TRUE(messages.ShowedOnly(IDS_MIDI_CLOSE, MB_ICONEXCLAMATION));
        // Beneath it the file and the reason.
        EXPECT_TRUE(messages.Boxes()[0].detail.contains(
            QRegularExpression(QStringLiteral("^kalvo_\\d{8}_\\d{6}\\.mid: Input/output error$"))))
            << messages.Boxes()[0].detail.toStdString();

        // No: the window stays, recording. Yes: it closes.
        QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
        ASSERT_EQ(messages.Questions().size(), 1u);
        EXPECT_TRUE(messages.Questions()[0].contains(QStringLiteral("MIDI recording kalvo_")))
            << messages.Questions()[0].toStdString();
        EXPECT_TRUE(w.dlg->isVisible());
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), REC_MIDI);
        messages.AnswerYes(true);
        QTest::mouseClick(static_cast<QPushButton*>(w.Panel().GetDlgItem(IDCANCEL_COMMAND)),
                          Qt::LeftButton);
        EXPECT_EQ(messages.Questions().size(), 2u);
        EXPECT_EQ(messages.Boxes().size(), 1u);
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), 0);
        EXPECT_FALSE(w.dlg->isVisible());
    }
    fs::current_path(old);
}

}  // namespace
