// SPDX-License-Identifier: GPL-3.0-or-later
// The recording folder deleted under three running recordings, in the real
// window: everything recorded is saved in the recovery folder, the user is
// told once per recording with where it went, and the window still closes.
// And the way out after a stop that keeps failing.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/AppIds.h"
#include "resources/Resource.h"
#include "tests/app/WindowFixture.h"
#include "tests/plugins/SmfReader.h"

namespace {

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

TEST(VanishedFolder, ThreeRecordingsAreSavedElsewhereToldOnceAndTheWindowCloses) {
    QTemporaryDir base;
    const fs::path root = base.path().toStdString();
    const fs::path folder = root / "d", recovered = root / "data/kalvo/recovered";
    fs::create_directory(folder);
    const fs::path old = fs::current_path();
    fs::current_path(folder);
    const char* pszOldData = std::getenv("XDG_DATA_HOME");
    const std::string strOldData = pszOldData ? pszOldData : "";
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    unsigned nFed = 0;
    {
        CMessageRecorder messages;
        CWindowFixture w;
        ASSERT_EQ(w.app.m_midiPlugin.Load({KALVO_PLUGIN_BUILD_DIR}, false).nStatus,
                  PluginStatus::Loaded);
        w.app.m_bMidiUnavailable = 0;
        ASSERT_TRUE(w.Open());
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
        const unsigned anExpected[] = {IDS_LOG_ADD, IDS_WAVE_WRITE, IDS_MIDI_CLOSE};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(boxes[i].text, QString::fromUtf8(LoadResString(anExpected[i])));
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
    if (pszOldData)
        setenv("XDG_DATA_HOME", strOldData.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");

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
        EXPECT_TRUE(messages.Boxes()[0].detail.contains(QRegularExpression(
            QStringLiteral("^kalvo_\\d{8}_\\d{6}\\.mid: Input/output error$"))))
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
