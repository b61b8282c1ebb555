// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/CommandLine.h"
#include "app/TunerApp.h"
#include "capture/CaptureDevices.h"
#include "platform/sound/DemoPhrase.h"
#include "platform/sound/WaveFileCapture.h"
#include "platform/system/ProgramVersion.h"
#include "tests/app/AppTestSupport.h"

namespace {

// The application with the main window's run replaced by a count.
class CCountingApp : public CTunerApp {
public:
    using CTunerApp::CTunerApp;
    int m_nRuns = 0;
    int m_nRunExitCode = 0;

protected:
    int RunMainWindow() override {
        ++m_nRuns;
        return m_nRunExitCode;
    }
};

// The plug-ins searched for only in one folder.
void SearchOnly(CTunerApp& app, const std::string& strFolder) {
    app.m_pluginFolders = {strFolder};
    app.m_bPluginSystemSearch = false;
}

struct OsCase {
    OsVersionInfo version;
    bool bCsdReadable;
    uint32_t nCsd;
    bool bPass;
    bool bReadsRegistry;
};

TEST(StartUpChecks, OperatingSystemDecision) {
    const OsCase cases[] = {
        {{4, 90, true}, true, 4, false, false},       // older major
        {{5, 0, true}, true, 4, true, true},          // 2000 with SP4
        {{5, 0, true}, true, 3, false, true},         // SP3
        {{5, 0, true}, true, 0x00050003, false, true},  // only the low 16 bits count
        {{5, 0, true}, true, 0x00000104, true, true},
        {{5, 0, true}, false, 4, false, true},        // value or key missing
        {{5, 0, false}, false, 0, true, false},       // not the NT family
        {{5, 1, true}, false, 0, true, false},        // XP: registry never read
        {{6, 0, true}, false, 0, true, false},
    };
    for (const OsCase& c : cases) {
        CFakeStartUpPlatform platform;
        platform.m_version = c.version;
        platform.m_bCsdReadable = c.bCsdReadable;
        platform.m_nCsdVersion = c.nCsd;
        EXPECT_EQ(CheckOperatingSystem(platform), c.bPass)
            << c.version.nMajor << "." << c.version.nMinor << " csd " << c.nCsd;
        EXPECT_EQ(platform.m_nCsdReads > 0, c.bReadsRegistry)
            << c.version.nMajor << "." << c.version.nMinor;
    }
}

TEST(StartUpChecks, EachFailedCheckEndsWithItsStopMessage) {
    struct FailCase {
        const char* pszName;
        std::function<void(CFakeStartUpPlatform&)> fnBreak;
        unsigned nMessage;
    };
    const FailCase cases[] = {
        {"os", [](CFakeStartUpPlatform& p) { p.m_version = {5, 0, true}, p.m_nCsdVersion = 2; },
         128},
        {"directx", [](CFakeStartUpPlatform& p) { p.m_bDirectX = false; }, 141},
        {"instance", [](CFakeStartUpPlatform& p) { p.m_bCaptionFree = false; }, 146},
        {"timer", [](CFakeStartUpPlatform& p) { p.m_nTimerAnswer = TIMERR_NOCANDO; }, 162},
    };
    QTemporaryDir noPlugins;
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CMessageRecorder messages;
        CFakeStartUpPlatform platform;
        c.fnBreak(platform);
        CCountingApp app(platform);
        SearchOnly(app, noPlugins.path().toStdString());
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.m_nRuns, 0);
        EXPECT_NE(app.GetExitCode(), 0);
        EXPECT_TRUE(messages.ShowedOnly(c.nMessage, MB_ICONSTOP));
        EXPECT_EQ(messages.Beeps(), std::vector<unsigned>{MB_ICONSTOP});
        // Later checks are not reached, and no timer request stays behind.
        if (c.nMessage == 128) {
            EXPECT_EQ(platform.m_nDirectXProbes, 0);
        }
        if (c.nMessage <= 141) {
            EXPECT_EQ(platform.m_nClaims, 0);
        }
        EXPECT_EQ(platform.m_nTimerBegins - (c.nMessage == 162 ? 1 : 0), platform.m_nTimerEnds);
    }
}

TEST(StartUpChecks, SuccessfulStartRunsTheWindowAndCleansUp) {
    CMessageRecorder messages;
    CFakeStartUpPlatform platform;
    QTemporaryDir noPlugins;
    CCountingApp app(platform);
    SearchOnly(app, noPlugins.path().toStdString());
    app.m_nRunExitCode = 7;
    EXPECT_FALSE(app.InitInstance());  // false in every case
    EXPECT_EQ(app.m_nRuns, 1);
    EXPECT_EQ(app.GetExitCode(), 7);
    EXPECT_EQ(platform.m_strClaimedCaption, "Kalvo - version " + GetProgramVersion());
    EXPECT_EQ(platform.m_nTimerBegins, 1);
    EXPECT_EQ(platform.m_nTimerEnds, 1);
    EXPECT_EQ(platform.m_nReleases, 1);
    // No plug-in files: both features off, without a word.
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(app.m_bMidiUnavailable, 1);
    EXPECT_EQ(app.m_bDisplayUnavailable, 1);
    EXPECT_EQ(app.m_pfnZoom, nullptr);
    // The ten button icons are 32 x 32 pictures.
    for (const QPixmap* p : {&app.m_hIconLogOn, &app.m_hIconLogOff, &app.m_hIconWaveOn,
                             &app.m_hIconWaveOff, &app.m_hIconMidiOn, &app.m_hIconMidiOff,
                             &app.m_hIconFrozen, &app.m_hIconFreeze, &app.m_hIconSnapshotDown,
                             &app.m_hIconSnapshot})
        EXPECT_EQ(p->size(), QSize(32, 32));
    // On and off pictures differ.
    EXPECT_NE(app.m_hIconLogOn.toImage(), app.m_hIconLogOff.toImage());
    EXPECT_NE(app.m_hIconFrozen.toImage(), app.m_hIconFreeze.toImage());
}

TEST(StartUpChecks, RealPluginsFromTheProgramFolderAreBound) {
    CMessageRecorder messages;
    CFakeStartUpPlatform platform;
    CCountingApp app(platform);
    SearchOnly(app, KALVO_PLUGIN_BUILD_DIR);
    app.InitInstance();
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(app.m_bMidiUnavailable, 0);
    EXPECT_EQ(app.m_bDisplayUnavailable, 0);
    // Freed again at the end of the run.
    EXPECT_EQ(app.m_pfnZoom, nullptr);
    EXPECT_FALSE(app.m_midiPlugin.IsAvailable());
}

TEST(StartUpChecks, SecondInstanceIsRefusedByTheCaptionLock) {
    QTemporaryDir lockDir;
    const std::string strDir = lockDir.path().toStdString();
    const std::string strCaption = CTunerApp::MainWindowCaption(GetProgramVersion());

    CCaptionLock first(strDir);
    ASSERT_TRUE(first.Claim(strCaption));
    EXPECT_TRUE(first.IsHeld());

    {
        CMessageRecorder messages;
        CLinuxStartUpPlatform platform(strDir);
        CCountingApp second(platform);
        SearchOnly(second, lockDir.path().toStdString());
        second.InitInstance();
        EXPECT_EQ(second.m_nRuns, 0);
        EXPECT_TRUE(messages.ShowedOnly(146, MB_ICONSTOP));
    }
    // Another caption is another program.
    CCaptionLock other(strDir);
    EXPECT_TRUE(other.Claim("Kalvo"));
    // Once the first copy has gone, the next one starts.
    first.Release();
    {
        CMessageRecorder messages;
        CLinuxStartUpPlatform platform(strDir);
        CCountingApp next(platform);
        SearchOnly(next, lockDir.path().toStdString());
        next.InitInstance();
        EXPECT_EQ(next.m_nRuns, 1);
        EXPECT_TRUE(messages.Boxes().empty());
    }
}

TEST(CommandLine, InputSourceHelpVersion) {
    EXPECT_EQ(ParseCommandLine({}).action, CommandLineAction::Run);
    CommandLine cl = ParseCommandLine({"--input", "a.wav"});
    EXPECT_EQ(cl.action, CommandLineAction::Run);
    EXPECT_EQ(cl.options.strInput, "a.wav");
    cl = ParseCommandLine({"--source=alsa_input.usb"});
    EXPECT_EQ(cl.options.strSource, "alsa_input.usb");
    EXPECT_EQ(ParseCommandLine({"--version"}).action, CommandLineAction::Version);
    EXPECT_EQ(ParseCommandLine({"--version", "--help"}).action, CommandLineAction::Help);
    EXPECT_EQ(ParseCommandLine({"--input"}).action, CommandLineAction::Error);
    EXPECT_EQ(ParseCommandLine({"--bogus"}).action, CommandLineAction::Error);
    EXPECT_EQ(ParseCommandLine({"--input", "a.wav", "--source", "x"}).action,
              CommandLineAction::Error);
}

TEST(CommandLine, DemoStandsAlone) {
    EXPECT_FALSE(ParseCommandLine({}).options.bDemo);
    CommandLine cl = ParseCommandLine({"--demo"});
    EXPECT_EQ(cl.action, CommandLineAction::Run);
    EXPECT_TRUE(cl.options.bDemo);
    EXPECT_TRUE(cl.options.strInput.empty());
    cl = ParseCommandLine({"--demo", "--input", "a.wav"});
    EXPECT_EQ(cl.action, CommandLineAction::Error);
    EXPECT_NE(cl.strError.find("--demo"), std::string::npos) << cl.strError;
    EXPECT_EQ(ParseCommandLine({"--source=x", "--demo"}).action, CommandLineAction::Error);
    EXPECT_EQ(ParseCommandLine({"--demo", "--version"}).action, CommandLineAction::Version);
    EXPECT_NE(std::string(UsageText()).find("--demo"), std::string::npos);
}

// --demo opens the WAVE-file device on the synthesised phrase, looping.
TEST(CommandLine, DemoCapturesTheBuiltInPhrase) {
    CAppOptions options;
    options.bDemo = true;
    std::unique_ptr<ICaptureSystem> pSystem = CTunerApp::CreateCaptureSystem(options);
    auto* pFile = dynamic_cast<CWaveFileCaptureSystem*>(pSystem.get());
    ASSERT_NE(pFile, nullptr);
    CCaptureDeviceList list;
    ASSERT_EQ(EnumerateCaptureDevices(*pSystem, list), DS_OK);
    ASSERT_EQ(list.m_nCaptureDevices, 1);
    EXPECT_EQ(list.m_astrCaptureDeviceNames[0], DEMO_DEVICE_NAME);
    std::unique_ptr<ICapture> pCapture;
    ASSERT_EQ(pSystem->CaptureCreate(list.m_astrCaptureDeviceIds[0], pCapture), DS_OK);
    ASSERT_NE(pFile->GetState(), nullptr);
    EXPECT_EQ(pFile->GetState()->samples, SynthesiseDemoPhrase());
    EXPECT_TRUE(pFile->GetState()->bLoop);

    options.bDemo = false;
    options.strInput = "a.wav";
    pSystem = CTunerApp::CreateCaptureSystem(options);
    pFile = dynamic_cast<CWaveFileCaptureSystem*>(pSystem.get());
    ASSERT_NE(pFile, nullptr);
    list = CCaptureDeviceList();
    ASSERT_EQ(EnumerateCaptureDevices(*pSystem, list), DS_OK);
    EXPECT_EQ(list.m_astrCaptureDeviceNames[0], "a.wav");
}

}  // namespace
