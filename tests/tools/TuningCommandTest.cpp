// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo-analyze run with a tuning: what the log and the table say of it, and
// what a bad scale file gets.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ToolTestSupport.h"
#include "analysis/ReadingLine.h"

using namespace tooltest;

namespace {

class TuningCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.Ok()); }
    ScratchDir dir;
};

}  // namespace

TEST_F(TuningCommand, ABadScaleFileExitsWith2AndOneLineNamingIt) {
    // The count says three pitches, the file has two: the last line is
    // where one is missing.
    const std::string strShort = dir / "short.scl";
    ASSERT_TRUE(WriteText(strShort, "! short.scl\nThree promised\n3\n100.0\n200.0\n"));
    const std::string strDense = dir / "dense.scl";
    ASSERT_TRUE(WriteText(strDense, "A hundredth of a cent\n1\n0.01\n"));
    const std::string strTone = dir / "tone.wav";
    ASSERT_TRUE(WriteTone(strTone, 16000, 1, 440.0, 0.5));
    for (const auto& [strScale, strWhere] :
         {std::pair{strShort, strShort + ":5: "}, std::pair{strDense, strDense + ": "}}) {
        const RunResult r = RunAnalyze(dir, {"--scale", strScale, strTone});
        EXPECT_EQ(r.status, 2) << strScale;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_TRUE(OneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find(strWhere), std::string::npos) << r.err;
    }
}

TEST_F(TuningCommand, TheLogNamesATuningThatIsNotTheDefault) {
    const std::string strTone = dir / "tone.wav";
    ASSERT_TRUE(WriteTone(strTone, 16000, 2, 440.0, 0.5));
    const std::string strInfo = FormatTimePrefix(0) + "  INFO> tuning ";
    const struct {
        std::vector<std::string> args;
        std::string strTitle;  // empty: no such line
    } aCases[] = {
        {{"--temperament", "werckmeister3"}, "Werckmeister III on C"},
        {{"--temperament", "meantone4", "--tonic", "F#"}, "Quarter-comma meantone on F#"},
        {{"--strings", "guitar-drop-d"}, "Guitar, drop D"},
        {{"--temperament", "equal", "--tonic", "F#"}, ""},
        {{}, ""},
    };
    for (const auto& c : aCases) {
        std::vector<std::string> args = c.args;
        args.push_back(strTone);
        const RunResult r = RunAnalyze(dir, args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = Split(r.out, "\r\n");
        ASSERT_GT(lines.size(), static_cast<size_t>(LOG_HEADER_LINES + 1)) << r.out;
        // Right after the header, before the first reading.
        if (c.strTitle.empty()) {
            EXPECT_EQ(r.out.find("INFO> tuning"), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(lines[LOG_HEADER_LINES], strInfo + c.strTitle) << r.out;
        }
    }
}

TEST_F(TuningCommand, TheTableGivesAStringsTargetAndTheUndampedCents) {
    // A guitar's A string (110 Hz, A3 in Kalvo's naming) 20 cents flat, and
    // a tone 140 cents above it: the note table would call it A3#, but of
    // the strings A3 is the closest.
    for (double dCents : {-20.0, 140.0}) {
        const double dHz = 110.0 * std::exp2(dCents / 1200.0);
        const std::string strTone = dir / "string.wav";
        ASSERT_TRUE(WriteAudio(strTone, 16000, 1, 16000, [&](int64_t i, int) {
            const double t = static_cast<double>(i) / 16000;
            return 6000 * std::sin(2 * M_PI * dHz * t) + 2500 * std::sin(4 * M_PI * dHz * t + 1) +
                   1500 * std::sin(6 * M_PI * dHz * t + 2);
        }));
        // The fundamental method: the dominant one's wide centroid is off by
        // a cent or two on a low string's partials.
        const RunResult r =
            RunAnalyze(dir, {"--tsv", "--strings", "guitar", "--method", "fundamental", strTone});
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> lines = Split(r.out, "\n");
        ASSERT_GE(lines.size(), 12u);
        // From the fourth block on, leaving out the last, padded one.
        for (size_t i = 4; i + 1 < lines.size(); ++i) {
            const std::vector<std::string> f = Split(lines[i] + "\t", "\t");
            ASSERT_EQ(f.size(), 15u) << lines[i];
            EXPECT_EQ(f[8], "A3") << lines[i];
            EXPECT_EQ(f[12], "A3") << lines[i];
            EXPECT_NEAR(std::atof(f[13].c_str()), 110.0, 1e-4) << lines[i];
            EXPECT_NEAR(std::atof(f[14].c_str()), dCents, 0.5) << lines[i];
        }
    }
}
