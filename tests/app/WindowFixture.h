// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <cmath>
#include <memory>
#include <vector>

#include "analysis/Constants.h"
#include "app/ControlPanel.h"
#include "app/TunerApp.h"
#include "app/TunerDlg.h"
#include "capture/CaptureEngine.h"
#include "platform/sound/ScriptedCapture.h"
#include "tests/app/AppTestSupport.h"

// One block of a steady stereo tone, continuing the phase of the blocks
// before it.
inline std::vector<int16_t> ToneBlock(double dHz, unsigned nBlock, double dAmplitude = 12000.0) {
    std::vector<int16_t> v(BLOCK_VALUES);
    for (unsigned i = 0; i < BLOCK_FRAMES; ++i) {
        const double t = static_cast<double>(nBlock * BLOCK_FRAMES + i) / SAMPLE_RATE;
        const auto s = static_cast<int16_t>(std::lround(dAmplitude * std::sin(2 * M_PI * dHz * t)));
        v[2 * i] = v[2 * i + 1] = s;
    }
    return v;
}

// A main window on a scripted capture device, with the start-up's icons and
// no plug-ins.
struct CWindowFixture {
    CFakeStartUpPlatform platform;
    CTunerApp app{platform};
    CScriptedCaptureSystem system;
    std::unique_ptr<CTunerDlg> dlg;
    unsigned nBlocksFed = 0;

    CWindowFixture() {
        app.LoadIcons();
        system.m_devices = {{"scripted.0", "Scripted input"}};
    }
    ~CWindowFixture() { dlg.reset(); }

    bool Open() {
        dlg = std::make_unique<CTunerDlg>(&app, system);
        if (!dlg->OnInitDialog()) return false;
        dlg->show();
        return QTest::qWaitForWindowExposed(dlg.get());
    }
    CControlPanel& Panel() { return *dlg->m_pControlPanel; }

    // Writes one block as the device would; the capture thread wakes up.
    void FeedBlock(double dHz = 440.0) {
        const std::vector<int16_t> block = ToneBlock(dHz, nBlocksFed++);
        system.GetBuffer()->ring.Write(block.data(), BLOCK_BYTES);
    }
    // Feeds one block and serves the window until its RefreshViews returned.
    bool FeedBlockAndWait(double dHz = 440.0) {
        const unsigned nBefore = dlg->GetRefreshCalls();
        FeedBlock(dHz);
        return WaitFor([&] { return dlg->GetRefreshCalls() == nBefore + 1; });
    }
};
