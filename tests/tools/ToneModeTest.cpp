// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tools/LiveMode.h"
#include "tools/ToneMode.h"

namespace {

// A player whose output fails to open, or whose server drops the stream.
class CFakePlayer : public ITonePlayer {
public:
    bool bOpens = false;
    bool bPlaying = false;
    int nStops = 0;
    double dPlayedHz = 0;
    bool Play(double dHz, ToneShape, double) override {
        dPlayedHz = dHz;
        bPlaying = bOpens;
        return bOpens;
    }
    void Stop() override {
        ++nStops;
        bPlaying = false;
    }
    bool IsPlaying() const override { return false; }
    std::string GetLastErrorText() const override { return "The sound server has no output"; }
};

std::string Contents(std::FILE* f) {
    std::string s;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;) s += static_cast<char>(c);
    return s;
}

}  // namespace

// No output, or an output the server drops at once: one line each, status 3,
// and the player stopped either way.
TEST(ToneMode, AToneThatCannotPlayEndsWithOneLineAndStatusThree) {
    CAnalyzeOptions options;
    options.strTone = "A5";
    options.dToneHz = 440.0;
    options.dSeconds = 60;
    for (bool bOpens : {false, true}) {
        CFakePlayer player;
        player.bOpens = bOpens;
        std::FILE* pOut = std::tmpfile();
        std::FILE* pErr = std::tmpfile();
        ASSERT_TRUE(pOut && pErr);
        EXPECT_EQ(RunTone(player, options, pOut, pErr), EXIT_ANALYZE_CAPTURE_FAILED);
        EXPECT_EQ(player.dPlayedHz, 440.0);
        const std::string strErr = Contents(pErr);
        EXPECT_EQ(strErr.find('\n'), strErr.size() - 1) << strErr;
        EXPECT_NE(strErr.find(bOpens ? "stopped the tone" : "has no output"), std::string::npos)
            << strErr;
        EXPECT_EQ(Contents(pOut), bOpens ? "A5 440.0000 Hz\n" : "");
        EXPECT_GE(player.nStops, bOpens ? 1 : 0);
        std::fclose(pOut);
        std::fclose(pErr);
    }
}
