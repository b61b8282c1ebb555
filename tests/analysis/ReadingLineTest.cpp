// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "analysis/Constants.h"
#include "analysis/PitchReading.h"
#include "analysis/ReadingLine.h"

TEST(ReadingLine, ColumnsForPlainAndSharpNames) {
    EXPECT_EQ(FormatReadingLine(440.0, 440.0f, 45, 0, -3), "  440.0 Hz |    A5   |   +00    |  -3");
    EXPECT_EQ(FormatReadingLine(466.2, 466.2f, 46, -7, -12),
              "  466.2 Hz |    A5#  |   -07    |  -12");
    EXPECT_EQ(FormatReadingLine(261.6, 261.6f, 36, 12, 0), "  261.6 Hz |    C5   |   +12    |  0 ");
    EXPECT_EQ(FormatReadingLine(3999.96, 3999.96f, 83, 100, -45),
              " 4000.0 Hz |    B8   |   +100    |  -45");
    // The bar after the note column stands in the same place for both.
    const std::string plain = FormatReadingLine(130.8, 130.8f, 24, 1, -1);
    const std::string sharp = FormatReadingLine(138.6, 138.6f, 25, 1, -1);
    EXPECT_EQ(plain.find('|', 12), sharp.find('|', 12));
    EXPECT_EQ(plain.size(), sharp.size());
}

TEST(ReadingLine, OutOfRangeGivesTheNoSignalText) {
    EXPECT_STREQ(INFO_NO_SIGNAL, "  INFO> no input signal or out of range");
    EXPECT_EQ(FormatReadingLine(39.9, 39.9f, 3, 0, -3), INFO_NO_SIGNAL);
    EXPECT_EQ(FormatReadingLine(4000.1, 4000.1f, 84, 0, -3), INFO_NO_SIGNAL);
    EXPECT_EQ(FormatReadingLine(1.0, NO_FREQUENCY, 0, 0, -3), INFO_NO_SIGNAL);
    EXPECT_NE(FormatReadingLine(40.0, 40.0f, 3, 0, -3), INFO_NO_SIGNAL);
    EXPECT_NE(FormatReadingLine(4000.0, 4000.0f, 83, 0, -3), INFO_NO_SIGNAL);
    // A transposed note past the table still gives a line with a blank name.
    EXPECT_EQ(FormatReadingLine(3000.0, 3000.0f, 85, 0, -3),
              " 3000.0 Hz |    --   |   +00    |  -3");
    PitchReading r;
    r.dFrequency = 440.0;
    r.fFrequency = 440.0f;
    r.nNoteIndex = 57;
    r.achTarget = {'A', '6'};  // the name is the target's
    r.nShownCents = 2;
    r.nLevelDb = -6;
    EXPECT_EQ(FormatReadingLine(r), "  440.0 Hz |    A6   |   +02    |  -6");
}

TEST(ReadingLine, TimePrefix) {
    EXPECT_EQ(FormatTimePrefix(0), "00:00:00:00 |");
    EXPECT_EQ(FormatTimePrefix(3725430), "01:02:05:43 |");
    EXPECT_EQ(FormatTimePrefix(5420), "00:00:05:42 |");
    EXPECT_EQ(FormatTimePrefix(99 * 3600000u + 59 * 60000u + 59999u), "99:59:59:99 |");
    EXPECT_EQ(FormatTimePrefix(100 * 3600000u), "100:00:00:00 |");
    EXPECT_EQ(FormatTimePrefix(0xFFFFFFFFu), "1193:02:47:29 |");
    EXPECT_EQ(FormatTimePrefix(0).size(), 13u);
}

TEST(ReadingLine, HeaderAndInfoTexts) {
    EXPECT_EQ(LogHeaderLine(0, "2.3.2.1"), "    Kalvo version 2.3.2.1 session file");
    EXPECT_EQ(LogHeaderLine(0, ""), "    Kalvo version  session file");
    EXPECT_EQ(LogHeaderLine(1, "x"), "");
    EXPECT_EQ(LogHeaderLine(2, "x"), std::string(51, '-'));
    EXPECT_EQ(LogHeaderLine(3, "x"), "    time    |  dominant | closest |  cents   |  dB ");
    EXPECT_EQ(LogHeaderLine(4, "x"), "            | frequency |  note   | mismatch |     ");
    EXPECT_EQ(LogHeaderLine(5, "x"), "------------+-----------+---------+----------+-----");
    EXPECT_STREQ(INFO_START_OF_LOGFILE, "  INFO> start of logfile");
    EXPECT_STREQ(INFO_END_OF_LOGFILE, "  INFO> end of logfile");
    EXPECT_EQ(FormatA5Entry(442), "  INFO> A5 value set to 442 Hz");
    EXPECT_EQ(FormatTranspositionEntry(1), "  INFO> transposition changed one octave up");
    EXPECT_EQ(FormatTranspositionEntry(3), "  INFO> transposition changed for B flat instrument");
    // The prefix and an entry line up under the header's columns.
    const std::string line = FormatTimePrefix(5420) + FormatReadingLine(440.0, 440.0f, 45, 0, -3);
    const std::string header = LogHeaderLine(3, "");
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i] != '|') continue;
        EXPECT_EQ(line[i], '|') << i;
    }
}
