// SPDX-License-Identifier: GPL-3.0-or-later
// Runs against the private server that scripts/pulse-test-server.sh starts:
// PULSE_SERVER points at it, KALVO_PULSE_SINK names its null sink.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "analysis/NoteTable.h"
#include "capture/CaptureDevices.h"
#include "capture/CaptureEngine.h"
#include "platform/sound/PulseCapture.h"
#include "tests/capture/CaptureTestSupport.h"

extern char** environ;

namespace {

std::string Env(const char* pszName) {
    const char* p = std::getenv(pszName);
    return p ? p : "";
}

// The sink's state from pactl, "" when it is not listed.
std::string SinkState(const std::string& strSink) {
    FILE* p = popen("pactl list short sinks 2>/dev/null", "r");
    if (!p) return "";
    char line[512];
    std::string state;
    while (std::fgets(line, sizeof line, p)) {
        const std::string s(line);
        if (s.find(strSink) != std::string::npos)
            state = s.find("RUNNING") != std::string::npos ? "RUNNING" : "OTHER";
    }
    pclose(p);
    return state;
}

class PulseServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strSink = Env("KALVO_PULSE_SINK");
        ASSERT_FALSE(Env("PULSE_SERVER").empty() || m_strSink.empty())
            << "run through scripts/pulse-test-server.sh";
    }
    void TearDown() override {
        if (m_nPlayer > 0) {
            kill(m_nPlayer, SIGTERM);
            waitpid(m_nPlayer, nullptr, 0);
        }
        if (!m_strWave.empty()) std::remove(m_strWave.c_str());
    }

    // Plays a tone into the null sink with paplay and waits until the sink
    // runs.
    void PlayTone(double dHz, unsigned nSeconds) {
        const std::string strDir = Env("TMPDIR").empty() ? "/tmp" : Env("TMPDIR");
        m_strWave = strDir + "/kalvo-tone-" + std::to_string(getpid()) + ".wav";
        // 44.1 kHz, so the server resamples on the way to the monitor.
        std::vector<int16_t> samples;
        const unsigned nRate = 44100;
        samples.resize(2 * nRate * nSeconds);
        for (unsigned i = 0; i < nRate * nSeconds; ++i)
            samples[2 * i] = samples[2 * i + 1] =
                static_cast<int16_t>(std::lround(12000 * std::sin(2 * M_PI * dHz * i / nRate)));
        ASSERT_TRUE(WriteWaveFile(m_strWave, samples, nRate));
        const std::string strDevice = "--device=" + m_strSink;
        const char* argv[] = {"paplay", strDevice.c_str(), m_strWave.c_str(), nullptr};
        ASSERT_EQ(
            posix_spawnp(&m_nPlayer, "paplay", nullptr, nullptr, const_cast<char**>(argv), environ),
            0);
        for (int i = 0; i < 200 && SinkState(m_strSink) != "RUNNING"; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_EQ(SinkState(m_strSink), "RUNNING") << "paplay did not start playing";
    }

    std::string m_strSink;
    std::string m_strWave;
    pid_t m_nPlayer = 0;
};

TEST_F(PulseServerTest, OnlyTheMonitorIsOfferedWhenTheServerHasNoOtherSource) {
    CPulseCaptureSystem system;
    CCaptureDeviceList list;
    ASSERT_EQ(EnumerateCaptureDevices(system, list), DS_OK);
    ASSERT_EQ(list.m_nCaptureDevices, 1);
    EXPECT_EQ(list.m_astrCaptureDeviceIds[0], m_strSink + ".monitor");
    EXPECT_NE(list.m_astrCaptureDeviceNames[0].find("Monitor"), std::string::npos);
    EXPECT_FALSE(NeedsDeviceSelection(list));
}

TEST_F(PulseServerTest, ATonePlayedIntoTheSinkReadsAsA5WithinASecondOfTheFirstData) {
    PlayTone(440.0, 60);
    CPulseCaptureSystem system;
    CPitchAnalyser analyser;
    CCaptureProbe probe(analyser);
    analyser.SetHost(&probe);
    CCaptureEngine engine(system, analyser);
    engine.SetCaptureDevice(m_strSink + ".monitor");
    const CaptureStartUp s = engine.StartUp();
    ASSERT_TRUE(s.bOk) << s.nMessage << " " << s.strPlatformError;

    // A fresh monitor may take well over a second before its first data.
    ASSERT_TRUE(probe.WaitForReadings(1, 20000)) << "no data from the monitor";
    // One second of data is twelve blocks; then a second more to see it hold.
    ASSERT_TRUE(probe.WaitForReadings(24, 20000));
    engine.Close();

    const auto readings = probe.Readings();
    int nFirstA5 = -1;
    for (int i = 0; i < 12 && nFirstA5 < 0; ++i)
        if (readings[i].nNoteIndex == 45 && std::fabs(readings[i].dFrequency - 440.0) < 0.5)
            nFirstA5 = i;
    EXPECT_GE(nFirstA5, 0) << "first reading: " << readings[0].dFrequency;
    for (size_t i = 12; i < 24; ++i) {
        EXPECT_EQ(readings[i].nNoteIndex, 45) << i;
        EXPECT_NEAR(readings[i].dFrequency, 440.0, 0.5) << i;
    }
}

TEST_F(PulseServerTest, AnUnknownSourceFailsWithTheDesignedMessages) {
    CPulseCaptureSystem system;
    CPitchAnalyser analyser;
    CCaptureEngine engine(system, analyser);
    engine.SetCaptureDevice("no_such_source_here");
    const CaptureStartUp s = engine.StartUp();
    EXPECT_FALSE(s.bOk);
    EXPECT_EQ(s.nMessage, 143);
    EXPECT_EQ(s.nDetailMessage, 148);
    EXPECT_EQ(s.strPlatformError, "No such entity");
    engine.Close();
}

// Run on a daemon of its own (see tests/capture/CMakeLists.txt): it kills it.
TEST_F(PulseServerTest, ServerKilledMidStreamIsReportedAndClosingStillWorks) {
    const std::string strPid = Env("KALVO_PULSE_PID");
    ASSERT_FALSE(strPid.empty());
    CPulseCaptureSystem system;
    CPitchAnalyser analyser;
    CCaptureProbe probe(analyser);
    analyser.SetHost(&probe);
    CCaptureEngine engine(system, analyser);
    engine.SetCaptureDevice(m_strSink + ".monitor");
    ASSERT_TRUE(engine.StartUp().bOk);
    ASSERT_TRUE(probe.WaitForReadings(1, 20000));
    uint32_t dwStatus = 0;
    ASSERT_EQ(engine.GetCaptureStatus(&dwStatus), DS_OK);
    EXPECT_EQ(dwStatus, DSCBSTATUS_CAPTURING | DSCBSTATUS_LOOPING);

    ASSERT_EQ(kill(static_cast<pid_t>(std::stol(strPid)), SIGKILL), 0);
    HRESULT hr = DS_OK;
    for (int i = 0; i < 500 && SUCCEEDED(hr); ++i) {
        hr = engine.GetCaptureStatus(&dwStatus);
        if (SUCCEEDED(hr)) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(hr, DSERR_BUFFERLOST);
    // No more data comes; the capture thread still ends on close.
    engine.Close();
    EXPECT_FALSE(engine.IsThreadRunning());
}

}  // namespace
