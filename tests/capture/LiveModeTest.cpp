// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sound/ScriptedCapture.h"
#include "tests/capture/CaptureTestSupport.h"
#include "tools/AnalyzeOptions.h"
#include "tools/LiveMode.h"

namespace {

std::string ReadAll(std::FILE* f) {
    std::string s;
    std::rewind(f);
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    return s;
}

int CountOf(const std::string& s, const std::string& what) {
    int n = 0;
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
}

struct LiveRun {
    int nStatus = -1;
    std::string strOut, strErr;
};

LiveRun RunTool(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"kalvo-analyze"};
    for (const auto& a : args) argv.push_back(a.c_str());
    CAnalyzeOptions options;
    std::string strError;
    LiveRun r;
    if (!ParseAnalyzeOptions(static_cast<int>(argv.size()), argv.data(), options, strError)) {
        r.strErr = strError;
        return r;
    }
    std::FILE* pOut = std::tmpfile();
    std::FILE* pErr = std::tmpfile();
    r.nStatus =
        options.bListSources ? ListCaptureSources(pOut, pErr) : RunLiveMode(options, pOut, pErr);
    r.strOut = ReadAll(pOut);
    r.strErr = ReadAll(pErr);
    std::fclose(pOut);
    std::fclose(pErr);
    return r;
}

class LiveModeTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (!m_strPath.empty()) std::remove(m_strPath.c_str());
    }
    std::string WriteTones() {
        const char* d = std::getenv("TMPDIR");
        m_strPath =
            std::string(d ? d : "/tmp") + "/kalvo-live-" + std::to_string(getpid()) + ".wav";
        // Half a second of A5, then half a second of E5.
        auto samples = StereoTone(440.0, 8000);
        const auto e5 = StereoTone(329.6276, 8000);
        samples.insert(samples.end(), e5.begin(), e5.end());
        EXPECT_TRUE(WriteWaveFile(m_strPath, samples));
        return m_strPath;
    }
    std::string m_strPath;
};

TEST_F(LiveModeTest, InputPlaysTheFileInRealTimeAndStopsAtItsEnd) {
    const LiveRun r = RunTool({"--input", WriteTones()});
    EXPECT_EQ(r.nStatus, 0) << r.strErr;
    EXPECT_EQ(r.strErr, "");
    EXPECT_EQ(CountOf(r.strOut, "Kalvo"), 1) << r.strOut;  // one header
    const size_t a5 = r.strOut.find("440.0 Hz |    A5 ");
    const size_t e5 = r.strOut.find("329.6 Hz |    E5 ");
    ASSERT_NE(a5, std::string::npos) << r.strOut;
    ASSERT_NE(e5, std::string::npos) << r.strOut;
    EXPECT_LT(a5, e5);
}

TEST_F(LiveModeTest, AllPrintsEveryBlockUntilTheGivenTime) {
    WriteTones();
    // Only the A5 half of the file has played when the time is up.
    const LiveRun r = RunTool({"--input", m_strPath, "--all", "--seconds", "0.4"});
    EXPECT_EQ(r.nStatus, 0) << r.strErr;
    const int nLines = CountOf(r.strOut, " Hz |");
    EXPECT_GE(nLines, 1) << r.strOut;
    EXPECT_EQ(CountOf(r.strOut, "440.0 Hz |    A5 "), nLines) << r.strOut;
}

TEST_F(LiveModeTest, AFileThatCannotBeReadPrintsTheDesignedMessagesAndExits3) {
    const LiveRun r = RunTool({"--input", "/nonexistent-kalvo-dir/tone.wav"});
    EXPECT_EQ(r.nStatus, EXIT_ANALYZE_CAPTURE_FAILED);
    EXPECT_EQ(r.strOut, "");
    EXPECT_EQ(r.strErr.rfind("Cannot create direct sound capture object\n"
                             "DirectX - Invalid parameter specified\n",
                             0),
              0u)
        << r.strErr;
    EXPECT_NE(r.strErr.find("tone.wav"), std::string::npos) << r.strErr;
}

TEST_F(LiveModeTest, AMissingServerPrintsTheDesignedMessagesAndExits3) {
    const char* pszOld = std::getenv("PULSE_SERVER");
    const std::string strOld = pszOld ? pszOld : "";
    setenv("PULSE_SERVER", "unix:/nonexistent-kalvo-dir/native", 1);
    const LiveRun live = RunTool({"--live", "--seconds", "1"});
    const LiveRun list = RunTool({"--list-sources"});
    if (pszOld)
        setenv("PULSE_SERVER", strOld.c_str(), 1);
    else
        unsetenv("PULSE_SERVER");

    for (const LiveRun& r : {live, list}) {
        EXPECT_EQ(r.nStatus, EXIT_ANALYZE_CAPTURE_FAILED);
        EXPECT_EQ(r.strOut, "");
        EXPECT_EQ(r.strErr,
                  "Cannot create direct sound capture object\n"
                  "DirectX - Invalid parameter specified\n"
                  "kalvo-analyze: Connection refused\n");
    }
}

// A server lost in the last moments of --seconds, too late for the check of
// missing blocks: the capture it can no longer stop tells.
TEST(LiveModeLoss, AServerLostAtTheEndIsReported) {
    CScriptedCaptureSystem system;
    system.m_hrStop = DSERR_BUFFERLOST;
    CAnalyzeOptions options;
    options.bLive = true;
    options.dSeconds = 0.2;
    std::FILE* pOut = std::tmpfile();
    std::FILE* pErr = std::tmpfile();
    EXPECT_EQ(RunLiveCapture(system, options, pOut, pErr), EXIT_ANALYZE_CAPTURE_FAILED);
    EXPECT_NE(ReadAll(pErr).find("sound server"), std::string::npos);
    std::fclose(pOut);
    std::fclose(pErr);
}

TEST(LiveModeOptions, CapturingTakesNoFileAndSecondsMustBePositive) {
    CAnalyzeOptions o;
    std::string err;
    const char* a1[] = {"kalvo-analyze", "--live", "mic", "--seconds=2.5"};
    ASSERT_TRUE(ParseAnalyzeOptions(4, a1, o, err)) << err;
    EXPECT_TRUE(o.bLive);
    EXPECT_EQ(o.strSource, "mic");
    EXPECT_EQ(o.dSeconds, 2.5);
    const char* a2[] = {"kalvo-analyze", "--input", "a.wav", "b.wav"};
    CAnalyzeOptions o2;
    EXPECT_FALSE(ParseAnalyzeOptions(4, a2, o2, err));
    const char* a3[] = {"kalvo-analyze", "--live", "--seconds", "-1"};
    CAnalyzeOptions o3;
    EXPECT_FALSE(ParseAnalyzeOptions(4, a3, o3, err));
}

}  // namespace
