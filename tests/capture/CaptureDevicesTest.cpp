// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "analysis/PitchAnalyser.h"
#include "capture/CaptureDevices.h"
#include "capture/CaptureEngine.h"
#include "platform/sound/ScriptedCapture.h"

namespace {

void AddDevices(CScriptedCaptureSystem& system, int n) {
    for (int i = 0; i < n; ++i)
        system.m_devices.emplace_back("source-" + std::to_string(i), "Device " + std::to_string(i));
}

TEST(CaptureDevices, ElevenDevicesOfferTheFirstTenInOrder) {
    CScriptedCaptureSystem system;
    AddDevices(system, 11);
    CCaptureDeviceList list;
    ASSERT_EQ(EnumerateCaptureDevices(system, list), DS_OK);
    ASSERT_EQ(list.m_nCaptureDevices, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list.m_astrCaptureDeviceIds[i], "source-" + std::to_string(i));
        EXPECT_EQ(list.m_astrCaptureDeviceNames[i], "Device " + std::to_string(i));
    }
    EXPECT_TRUE(NeedsDeviceSelection(list));
    EXPECT_EQ(ChosenCaptureDevice(list, 9), "source-9");
}

TEST(CaptureDevices, OneDeviceOrNoneSelectsTheDefault) {
    for (int n : {0, 1}) {
        CScriptedCaptureSystem system;
        AddDevices(system, n);
        CCaptureDeviceList list;
        ASSERT_EQ(EnumerateCaptureDevices(system, list), DS_OK);
        EXPECT_EQ(list.m_nCaptureDevices, n);  // the primary entry is never listed
        EXPECT_FALSE(NeedsDeviceSelection(list));
        const std::string strId = ChosenCaptureDevice(list, 0);
        EXPECT_EQ(strId, "");

        // And that is what the engine opens.
        CPitchAnalyser analyser;
        CCaptureEngine engine(system, analyser);
        engine.SetCaptureDevice(strId);
        ASSERT_TRUE(engine.StartUp().bOk);
        EXPECT_EQ(system.GetOpenedId(), "");
        engine.Close();
    }
}

TEST(CaptureDevices, NoSelectedRowMeansTheDefaultNotAStrangeId) {
    CScriptedCaptureSystem system;
    AddDevices(system, 3);
    CCaptureDeviceList list;
    ASSERT_EQ(EnumerateCaptureDevices(system, list), DS_OK);
    EXPECT_EQ(ChosenCaptureDevice(list, 1), "source-1");
    EXPECT_EQ(ChosenCaptureDevice(list, -1), "");
    EXPECT_EQ(ChosenCaptureDevice(list, 3), "");
}

TEST(CaptureDevices, AFailedEnumerationLeavesNoDevices) {
    CScriptedCaptureSystem system;
    AddDevices(system, 2);
    system.m_hrEnumerate = DSERR_NODRIVER;
    CCaptureDeviceList list;
    list.m_nCaptureDevices = 5;
    EXPECT_EQ(EnumerateCaptureDevices(system, list), DSERR_NODRIVER);
    EXPECT_EQ(list.m_nCaptureDevices, 0);
}

}  // namespace
