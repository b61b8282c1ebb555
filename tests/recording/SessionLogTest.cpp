// SPDX-License-Identifier: GPL-3.0-or-later
#include <regex>

#include "RecordingTestSupport.h"
#include "analysis/ReadingLine.h"
#include "recording/SessionLog.h"

using namespace recording_test;

namespace {

const char* const HEADER =
    "    Kalvo version 2.3.2.1 session file\r\n"
    "\r\n"
    "---------------------------------------------------\r\n"
    "    time    |  dominant | closest |  cents   |  dB \r\n"
    "            | frequency |  note   | mismatch |     \r\n"
    "------------+-----------+---------+----------+-----\r\n";

class SessionLogTest : public RecordingDirTest {
protected:
    CFakeSystem m_system;
};

TEST_F(SessionLogTest, StartedAndStoppedAtOnce) {
    m_system.dwCounter = 123456;
    CSessionLog log(m_system, "2.3.2.1");
    ASSERT_TRUE(log.Create());
    EXPECT_EQ(log.GetFileName(), "kalvo_20080303_140509.log");
    ASSERT_TRUE(log.Close());
    EXPECT_EQ(ReadFile("kalvo_20080303_140509.log"), std::string(HEADER) +
                                                         "00:00:00:00 |  INFO> start of logfile\r\n"
                                                         "00:00:00:00 |  INFO> end of logfile\r\n");
}

TEST_F(SessionLogTest, RealClockAndVersion) {
    CSessionLog log;
    ASSERT_TRUE(log.Create());
    ASSERT_TRUE(log.Close());
    ASSERT_TRUE(std::regex_match(log.GetFileName(), std::regex("kalvo_20[0-9]{6}_[0-9]{6}\\.log")))
        << log.GetFileName();
    const std::string strText = ReadFile(log.GetFileName());
    ASSERT_EQ(strText.substr(0, std::strlen(HEADER)), HEADER);
    EXPECT_TRUE(std::regex_match(strText.substr(std::strlen(HEADER)),
                                 std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{2} \\|  INFO> start "
                                            "of logfile\r\n"
                                            "[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{2} \\|  INFO> end "
                                            "of logfile\r\n")));
}

TEST_F(SessionLogTest, EntriesStampedFromTheCounterAcrossItsWrap) {
    // Started 256 ms before the counter wraps.
    m_system.dwCounter = 0xFFFFFF00u;
    CSessionLog log(m_system, "2.3.2.1");
    ASSERT_TRUE(log.Create());
    m_system.dwCounter = 0x00000100u;  // 512 ms later
    ASSERT_TRUE(log.AddEntry("  440.0 Hz |    A5   |   +00    |  -3"));
    m_system.dwCounter = 0xFFFFFF00u + 3725430u;
    ASSERT_TRUE(log.AddEntry(INFO_NO_SIGNAL));
    m_system.dwCounter = 0xFFFFFF00u + 360000000u + 9u;  // 100 hours
    ASSERT_TRUE(log.AddEntry(""));
    ASSERT_TRUE(log.Close());
    EXPECT_EQ(ReadFile(log.GetFileName()),
              std::string(HEADER) +
                  "00:00:00:00 |  INFO> start of logfile\r\n"
                  "00:00:00:51 |  440.0 Hz |    A5   |   +00    |  -3\r\n"
                  "01:02:05:43 |  INFO> no input signal or out of range\r\n"
                  "100:00:00:00 |\r\n"
                  "100:00:00:00 |  INFO> end of logfile\r\n");
}

TEST_F(SessionLogTest, EachLineIsInTheFileAsSoonAsItIsAdded) {
    CSessionLog log(m_system, "2.3.2.1");
    ASSERT_TRUE(log.Create());
    m_system.dwCounter = 5420;
    ASSERT_TRUE(log.AddEntry("  INFO> A5 value set to 442 Hz"));
    // Read while the log is still open, as after a crash.
    EXPECT_EQ(ReadFile(log.GetFileName()), std::string(HEADER) +
                                               "00:00:00:00 |  INFO> start of logfile\r\n"
                                               "00:00:05:42 |  INFO> A5 value set to 442 Hz\r\n");
    EXPECT_TRUE(log.Close());
}

TEST_F(SessionLogTest, TwoLogsInTheSameSecondKeepBothFiles) {
    CSessionLog first(m_system, "2.3.2.1");
    CSessionLog second(m_system, "2.3.2.1");
    ASSERT_TRUE(first.Create());
    ASSERT_TRUE(second.Create());
    ASSERT_TRUE(first.AddEntry("first"));
    ASSERT_TRUE(second.AddEntry("second"));
    ASSERT_TRUE(first.Close());
    ASSERT_TRUE(second.Close());
    CSessionLog third(m_system, "2.3.2.1");
    ASSERT_TRUE(third.Create());
    ASSERT_TRUE(third.Close());

    EXPECT_EQ(second.GetFileName(), "kalvo_20080303_140509-2.log");
    EXPECT_EQ(third.GetFileName(), "kalvo_20080303_140509-3.log");
    EXPECT_NE(ReadFile(first.GetFileName()).find("|first\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(second.GetFileName()).find("|second\r\n"), std::string::npos);
    EXPECT_EQ(FilesHere(), (std::vector<std::string>{"kalvo_20080303_140509-2.log",
                                                     "kalvo_20080303_140509-3.log",
                                                     "kalvo_20080303_140509.log"}));
}

TEST_F(SessionLogTest, NotCreatedOrClosedWriterWritesNothing) {
    CSessionLog log(m_system, "2.3.2.1");
    EXPECT_FALSE(log.AddEntry("x"));
    EXPECT_FALSE(log.Close());
    EXPECT_TRUE(FilesHere().empty());

    ASSERT_TRUE(log.Create());
    ASSERT_TRUE(log.Close());
    const std::string strClosed = ReadFile(log.GetFileName());
    EXPECT_FALSE(log.AddEntry("late"));
    EXPECT_FALSE(log.Create());
    EXPECT_EQ(ReadFile(log.GetFileName()), strClosed);
}

TEST_F(SessionLogTest, FullDeviceFailsCreateAtTheFlush) {
    // /dev/full takes the header into the stream's buffer; only the flush fails.
    m_system.fnOpen = [](const char* pszMode) { return std::fopen("/dev/full", pszMode); };
    CSessionLog log(m_system, "2.3.2.1");
    EXPECT_FALSE(log.Create());
    EXPECT_FALSE(log.AddEntry("x"));
    EXPECT_FALSE(log.Close());
}

TEST_F(SessionLogTest, FailedCreateRemovesItsFile) {
    // Room for part of the header, then for the header but not the start entry.
    for (rlim_t nRoom : {rlim_t{100}, rlim_t{std::strlen(HEADER) + 10}}) {
        FileSizeLimit limit(nRoom);
        ASSERT_TRUE(limit.Ok());
        CSessionLog log(m_system, "2.3.2.1");
        EXPECT_FALSE(log.Create()) << nRoom;
        EXPECT_TRUE(FilesHere().empty()) << nRoom;
    }
}

TEST_F(SessionLogTest, FullFileSystemStopsAtTheLastWholeLine) {
    const std::string strStart = std::string(HEADER) + "00:00:00:00 |  INFO> start of logfile\r\n";
    const std::string strFirst = "00:00:01:00 | 1234.5 Hz |    D7#  |   -07    |  -12\r\n";
    CSessionLog log(m_system, "2.3.2.1");
    {
        // The first entry fits, the second only in part.
        FileSizeLimit limit(strStart.size() + strFirst.size() + 20);
        ASSERT_TRUE(limit.Ok());
        ASSERT_TRUE(log.Create());
        m_system.dwCounter = 1000;
        ASSERT_TRUE(log.AddEntry(" 1234.5 Hz |    D7#  |   -07    |  -12"));
        m_system.dwCounter = 2000;
        EXPECT_FALSE(log.AddEntry(" 1234.5 Hz |    D7#  |   -06    |  -12"));
        EXPECT_EQ(ReadFile(log.GetFileName()), strStart + strFirst);
        // Still full: the end line cannot be written, so closing reports it.
        EXPECT_FALSE(log.Close());
    }
    EXPECT_EQ(ReadFile(log.GetFileName()), strStart + strFirst);
    // The stream is gone: nothing more is written, and the recording can be
    // switched off at the next try.
    EXPECT_FALSE(log.AddEntry("after"));
    EXPECT_TRUE(log.Close());
    EXPECT_EQ(ReadFile(log.GetFileName()), strStart + strFirst);
}

TEST_F(SessionLogTest, FailedCloseReleasesTheStreamOnce) {
    MemoryFile file;
    file.bFailClose = true;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CSessionLog log(m_system, "2.3.2.1");
    ASSERT_TRUE(log.Create());
    EXPECT_FALSE(log.Close());
    EXPECT_EQ(file.nCloseCalls, 1);
    EXPECT_EQ(file.strBytes, std::string(HEADER) +
                                 "00:00:00:00 |  INFO> start of logfile\r\n"
                                 "00:00:00:00 |  INFO> end of logfile\r\n");
    const int nWrites = file.nWriteCalls;
    EXPECT_FALSE(log.AddEntry("after"));
    EXPECT_TRUE(log.Close());
    EXPECT_EQ(file.nWriteCalls, nWrites);
    EXPECT_EQ(file.nCloseCalls, 1);
}

TEST_F(SessionLogTest, BufferedLineThatCannotBeFlushedIsAFailure) {
    MemoryFile file;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CSessionLog log(m_system, "2.3.2.1");
    ASSERT_TRUE(log.Create());
    file.nCapacity = file.strBytes.size();
    EXPECT_FALSE(log.AddEntry(INFO_NO_SIGNAL));
    file.nCapacity = SIZE_MAX;
    // The failed line is not written later by some other flush.
    EXPECT_TRUE(log.Close());
    EXPECT_EQ(file.strBytes, std::string(HEADER) +
                                 "00:00:00:00 |  INFO> start of logfile\r\n"
                                 "00:00:00:00 |  INFO> end of logfile\r\n");
}

TEST_F(SessionLogTest, FullDiskKeepsEveryWholeLine) {
    std::filesystem::create_directory(m_dir / "mnt");
    const auto failure = RunOnTinyFileSystem(m_dir / "mnt", 4096, []() -> std::string {
        CSessionLog log;
        if (!log.Create()) return std::string("Create failed");
        const std::string strStart = ReadFile(log.GetFileName());
        int nAdded = 0;
        while (nAdded < 1000 && log.AddEntry("  220.0 Hz |    A4   |   +00    |  -6")) ++nAdded;
        if (nAdded == 0 || nAdded == 1000) return "added " + std::to_string(nAdded) + " entries";
        const std::string strFile = ReadFile(log.GetFileName());
        const size_t nLine = std::strlen("00:00:00:00 |  220.0 Hz |    A4   |   +00    |  -6\r\n");
        if (strFile.size() != strStart.size() + nAdded * nLine)
            return "the log does not end with the last whole line";
        if (log.Close()) return std::string("Close reported the missing end line as success");
        if (ReadFile(log.GetFileName()) != strFile)
            return std::string("the failed end line is in the file");
        return std::string();
    });
    if (!failure) GTEST_SKIP() << "no file system can be mounted here";
    EXPECT_EQ(*failure, "");
}

}  // namespace
