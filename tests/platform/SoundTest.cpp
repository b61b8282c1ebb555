// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <pulse/def.h>
#include <pulse/error.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "capture/CaptureDevices.h"
#include "capture/CaptureEngine.h"
#include "platform/sound/CaptureRing.h"
#include "platform/sound/PulseCapture.h"
#include "platform/sound/WaveFileCapture.h"
#include "platform/system/Event.h"
#include "tests/capture/CaptureTestSupport.h"

namespace {

TEST(CaptureRing, LockGivesOneOrTwoRegionsOfTheRing) {
    CCaptureRing ring(100);
    std::vector<uint8_t> bytes(100);
    for (int i = 0; i < 100; ++i) bytes[i] = static_cast<uint8_t>(i);
    ring.SetRunning(true);
    ring.Write(bytes.data(), 100);

    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_EQ(ring.Lock(10, 20, &p1, &n1, &p2, &n2), DS_OK);
    EXPECT_EQ(n1, 20u);
    EXPECT_EQ(p2, nullptr);
    EXPECT_EQ(static_cast<uint8_t*>(p1)[0], 10);
    // Locking again on the same thread would wait for itself.
    EXPECT_EQ(ring.Lock(0, 4, &p1, &n1, &p2, &n2), DSERR_INVALIDCALL);
    ASSERT_EQ(ring.Unlock(p1, n1, p2, n2), DS_OK);

    ASSERT_EQ(ring.Lock(90, 30, &p1, &n1, &p2, &n2), DS_OK);
    EXPECT_EQ(n1, 10u);
    EXPECT_EQ(n2, 20u);
    EXPECT_EQ(static_cast<uint8_t*>(p1)[0], 90);
    EXPECT_EQ(static_cast<uint8_t*>(p2)[0], 0);
    ASSERT_EQ(ring.Unlock(p1, n1, p2, n2), DS_OK);

    EXPECT_EQ(ring.Lock(100, 4, &p1, &n1, &p2, &n2), DSERR_INVALIDPARAM);
    EXPECT_EQ(ring.Lock(0, 101, &p1, &n1, &p2, &n2), DSERR_INVALIDPARAM);
    EXPECT_EQ(ring.Unlock(p1, n1, p2, n2), DSERR_INVALIDCALL);  // nothing locked
}

TEST(CaptureRing, NotificationPositionsAreCheckedAndOnlySetWhileStopped) {
    CCaptureRing ring(100);
    CAutoResetEvent event;
    DSBPOSITIONNOTIFY pos[2] = {{49, &event}, {99, &event}};
    EXPECT_EQ(ring.SetNotificationPositions(2, pos), DS_OK);
    DSBPOSITIONNOTIFY bad[1] = {{100, &event}};
    EXPECT_EQ(ring.SetNotificationPositions(1, bad), DSERR_INVALIDPARAM);
    ring.SetRunning(true);
    EXPECT_EQ(ring.SetNotificationPositions(2, pos), DSERR_INVALIDCALL);
    // Irregular pieces: the event fires when byte 49 and when byte 99 is
    // written, whatever the piece sizes.
    std::vector<uint8_t> bytes(100);
    // The device side learns how much fires the next one.
    EXPECT_EQ(ring.BytesToNextNotification(), 50u);
    ring.Write(bytes.data(), 30);
    EXPECT_FALSE(event.TryTake());
    ring.Write(bytes.data(), 19);
    EXPECT_FALSE(event.TryTake());
    EXPECT_EQ(ring.BytesToNextNotification(), 1u);
    ring.Write(bytes.data(), 1);
    EXPECT_TRUE(event.TryTake());
    EXPECT_EQ(ring.BytesToNextNotification(), 50u);
    ring.Write(bytes.data(), 70);  // over the end and on
    EXPECT_TRUE(event.TryTake());
    EXPECT_EQ(ring.BytesToNextNotification(), 30u);
    uint32_t nCapture = 0, nRead = 0;
    ring.GetCurrentPosition(&nCapture, &nRead);
    EXPECT_EQ(nCapture, 20u);
    EXPECT_EQ(nRead, 20u);
}

TEST(PulseSources, MonitorsAreOfferedOnlyWhenThereIsNothingElse) {
    const PulseSource mic{"alsa_input.usb", "USB Microphone", false};
    const PulseSource mon1{"out1.monitor", "Monitor of Speakers", true};
    const PulseSource mon2{"out2.monitor", "Monitor of HDMI", true};
    auto names = [](const std::vector<PulseSource>& v) {
        std::vector<std::string> n;
        for (const auto& s : v) n.push_back(s.strName);
        return n;
    };
    EXPECT_EQ(names(SelectOfferedSources({mon1, mic, mon2})),
              std::vector<std::string>{mic.strName});
    EXPECT_EQ(names(SelectOfferedSources({mon1, mon2})),
              (std::vector<std::string>{mon1.strName, mon2.strName}));
    EXPECT_TRUE(SelectOfferedSources({}).empty());
}

TEST(PulseErrors, NoServerNoSourceBusyAndBadFormatChooseADetailMessage) {
    struct Case {
        int nPulse;
        PulseStep step;
        int nDetail;
    };
    const Case cases[] = {
        {PA_ERR_CONNECTIONREFUSED, PulseStep::OpenDevice, 148},
        {PA_ERR_NOENTITY, PulseStep::OpenDevice, 148},
        {PA_ERR_BUSY, PulseStep::OpenDevice, 147},
        {PULSE_ERR_NOMEMORY, PulseStep::OpenDevice, 154},
        {PA_ERR_CONNECTIONTERMINATED, PulseStep::CreateBuffer, 150},
        {PA_ERR_NOENTITY, PulseStep::CreateBuffer, 150},
        {PA_ERR_NOTSUPPORTED, PulseStep::CreateBuffer, 151},
        {PA_ERR_BADSTATE, PulseStep::CreateBuffer, 153},
        {PA_ERR_INTERNAL, PulseStep::CreateBuffer, 152},
    };
    for (const Case& c : cases) {
        const HRESULT hr = ResultFromPulseError(c.nPulse, c.step);
        EXPECT_TRUE(FAILED(hr));
        const int nDetail = c.step == PulseStep::OpenDevice ? CreateCaptureDetailMessage(hr)
                                                            : CreateBufferDetailMessage(hr);
        EXPECT_EQ(nDetail, c.nDetail) << pa_strerror(c.nPulse);
    }
    EXPECT_EQ(ResultFromPulseError(PA_OK, PulseStep::OpenDevice), DS_OK);
}

// A server address where nothing listens, as when no sound server runs.
TEST(PulseCapture, AMissingServerFailsWithTheDesignedMessagesAndNoDevices) {
    CPulseCaptureSystem system("unix:/nonexistent-kalvo-dir/pulse/native");
    CCaptureDeviceList list;
    EXPECT_TRUE(FAILED(EnumerateCaptureDevices(system, list)));
    EXPECT_EQ(list.m_nCaptureDevices, 0);

    CPitchAnalyser analyser;
    CCaptureEngine engine(system, analyser);
    const CaptureStartUp s = engine.StartUp();
    EXPECT_FALSE(s.bOk);
    EXPECT_EQ(s.hr, ResultFromPulseError(PA_ERR_CONNECTIONREFUSED, PulseStep::OpenDevice));
    EXPECT_EQ(s.nMessage, 143);
    EXPECT_EQ(s.nDetailMessage, 148);
    EXPECT_EQ(s.strPlatformError, pa_strerror(PA_ERR_CONNECTIONREFUSED));
    engine.Close();
    EXPECT_FALSE(engine.IsThreadRunning());
}

class WaveFileCaptureTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (!m_strPath.empty()) std::remove(m_strPath.c_str());
    }
    std::string TempPath() {
        const char* d = std::getenv("TMPDIR");
        m_strPath =
            std::string(d ? d : "/tmp") + "/kalvo-wavefile-" + std::to_string(getpid()) + ".wav";
        return m_strPath;
    }
    std::string m_strPath;
};

TEST_F(WaveFileCaptureTest, PlaysTheFileInRealTimeThenSilence) {
    // Half a second of A5, then silence.
    ASSERT_TRUE(WriteWaveFile(TempPath(), StereoTone(440.0, 8000)));
    CWaveFileCaptureSystem system(m_strPath);
    CCaptureDeviceList list;
    ASSERT_EQ(EnumerateCaptureDevices(system, list), DS_OK);
    EXPECT_EQ(list.m_nCaptureDevices, 1);

    CPitchAnalyser analyser;
    CCaptureProbe probe(analyser);
    analyser.SetHost(&probe);
    analyser.GetControlState().m_nRecordFlags = REC_WAVE;
    CCaptureEngine engine(system, analyser);
    engine.SetWaveSink(&probe);
    ASSERT_TRUE(engine.StartUp().bOk);
    ASSERT_TRUE(probe.WaitForReadings(10, 30000));
    EXPECT_TRUE(system.GetState()->IsPlayedOut());
    engine.Close();

    const auto readings = probe.Readings();
    // Six whole blocks of tone, then the block the tone ends in, then silence.
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(readings[i].dFrequency, 440.0, 0.5) << i;
    for (size_t i = 7; i < readings.size(); ++i)
        EXPECT_EQ(readings[i].fFrequency, NO_FREQUENCY) << i;
    // Every byte of the file reached the WAVE sink, in order.
    const auto tone = StereoTone(440.0, 8000);
    const auto written = probe.Written();
    ASSERT_GE(written.size(), tone.size());
    EXPECT_TRUE(std::equal(tone.begin(), tone.end(), written.begin()));
}

TEST_F(WaveFileCaptureTest, AMissingFileFailsWithTheDesignedMessagesAndTheReason) {
    CWaveFileCaptureSystem system("/nonexistent-kalvo-dir/none.wav");
    CPitchAnalyser analyser;
    CCaptureEngine engine(system, analyser);
    const CaptureStartUp s = engine.StartUp();
    EXPECT_FALSE(s.bOk);
    EXPECT_EQ(s.nMessage, 143);
    EXPECT_EQ(s.nDetailMessage, 148);
    EXPECT_NE(s.strPlatformError.find("none.wav"), std::string::npos) << s.strPlatformError;
    engine.Close();
}

}  // namespace
