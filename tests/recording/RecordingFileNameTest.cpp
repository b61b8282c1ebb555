// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "RecordingTestSupport.h"
#include "recording/RecordingFileName.h"

using namespace recording_test;

namespace {

const UtcTime TIME{2008, 3, 3, 14, 5, 9};

class RecordingFileNameTest : public RecordingDirTest {};

TEST_F(RecordingFileNameTest, NameFromUtcTimeWithSuffixForTakenNames) {
    EXPECT_EQ(MakeRecordingFileName(TIME, ".log"), "kalvo_20080303_140509.log");
    EXPECT_EQ(MakeRecordingFileName(UtcTime{2026, 12, 31, 23, 59, 58}, ".mid"),
              "kalvo_20261231_235958.mid");

    std::ofstream("kalvo_20080303_140509.log") << "x";
    EXPECT_EQ(MakeRecordingFileName(TIME, ".log"), "kalvo_20080303_140509-2.log");
    // Another extension is another name.
    EXPECT_EQ(MakeRecordingFileName(TIME, ".wav"), "kalvo_20080303_140509.wav");
    std::ofstream("kalvo_20080303_140509-2.log") << "x";
    EXPECT_EQ(MakeRecordingFileName(TIME, ".log"), "kalvo_20080303_140509-3.log");
    // A dangling link takes the name too: creating through it would write elsewhere.
    ASSERT_EQ(symlink("/nonexistent/target", "kalvo_20080303_140509-3.log"), 0);
    EXPECT_EQ(MakeRecordingFileName(TIME, ".log"), "kalvo_20080303_140509-4.log");
}

TEST_F(RecordingFileNameTest, SameSecondCreatesNewFilesAndKeepsTheOldOnes) {
    std::string strFirst, strSecond, strThird;
    FILE* pFirst = CreateNewRecordingFile(TIME, ".wav", "wb", strFirst);
    ASSERT_NE(pFirst, nullptr);
    ASSERT_EQ(std::fputs("first", pFirst), 1);
    ASSERT_EQ(std::fclose(pFirst), 0);

    // One still open while the next is created.
    FILE* pSecond = CreateNewRecordingFile(TIME, ".wav", "wb", strSecond);
    ASSERT_NE(pSecond, nullptr);
    FILE* pThird = CreateNewRecordingFile(TIME, ".wav", "wb", strThird);
    ASSERT_NE(pThird, nullptr);
    std::fputs("second", pSecond);
    std::fputs("third", pThird);
    EXPECT_EQ(std::fclose(pSecond), 0);
    EXPECT_EQ(std::fclose(pThird), 0);

    EXPECT_EQ(strFirst, "kalvo_20080303_140509.wav");
    EXPECT_EQ(strSecond, "kalvo_20080303_140509-2.wav");
    EXPECT_EQ(strThird, "kalvo_20080303_140509-3.wav");
    EXPECT_EQ(ReadFile(strFirst), "first");
    EXPECT_EQ(ReadFile(strSecond), "second");
    EXPECT_EQ(ReadFile(strThird), "third");
}

TEST_F(RecordingFileNameTest, VanishedDirectoryFailsWithoutSearchingOn) {
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(m_dir / "gone");
    std::string strName;
    errno = 0;
    EXPECT_EQ(CreateNewRecordingFile(TIME, ".log", "w", strName), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(strName, "kalvo_20080303_140509.log");
    std::filesystem::current_path(m_dir);
}

}  // namespace
