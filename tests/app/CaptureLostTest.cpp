// SPDX-License-Identifier: GPL-3.0-or-later
// The sound server going away while the window runs and records.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "tests/app/WindowFixture.h"

namespace fs = std::filesystem;

TEST(CaptureLost, SaysSoOnceAndTheRecordingStillEndsWhole) {
    QTemporaryDir dir;
    const fs::path old = fs::current_path();
    fs::current_path(dir.path().toStdString());
    {
        CMessageRecorder messages;
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        w.Panel().ToggleLogRecording();
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(w.FeedBlockAndWait());

        // The server goes: the device reports itself lost from now on.
        w.system.GetBuffer()->hrStatus = DSERR_NODRIVER;
        ASSERT_TRUE(WaitFor([&] { return !messages.Boxes().empty(); }, 5000));
        QTest::qWait(1200);  // more polls: still one message
        const auto boxes = messages.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QString::fromLatin1(LoadResString(IDS_CAPTURE_LOST)));
        EXPECT_EQ(boxes[0].nIcon, MB_ICONEXCLAMATION);

        // The window still works: the log stops as usual and ends whole.
        w.Panel().ToggleLogRecording();
        EXPECT_EQ(w.Panel().m_state.m_nRecordFlags.load(), 0);
    }
    std::string log;
    for (const auto& entry : fs::directory_iterator(dir.path().toStdString())) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        log = ss.str();
    }
    fs::current_path(old);
    EXPECT_NE(log.find("440.0 Hz |    A5"), std::string::npos) << log;
    EXPECT_NE(log.find("INFO> end of logfile\r\n"), std::string::npos) << log;
}
