// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TunerApp.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/AppIds.h"
#include "app/StartUpChecks.h"
#include "app/TunerDlg.h"
#include "platform/sound/DemoPhrase.h"
#include "platform/sound/PulseCapture.h"
#include "platform/sound/WaveFileCapture.h"
#include "platform/system/ProgramVersion.h"
#include "platform/ui/MessageBox.h"
#include "resources/AppResources.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {
// The program ends with status 1 after a failed check, so that a script
// sees it.
constexpr int EXIT_CHECK_FAILED = 1;
}  // namespace

CTunerApp::CTunerApp(IStartUpPlatform& platform, CAppOptions options)
    : m_platform(platform), m_options(std::move(options)) {}

CTunerApp::~CTunerApp() = default;

std::string CTunerApp::MainWindowCaption(const std::string& strVersion) {
    return strVersion.empty() ? std::string("Kalvo") : "Kalvo - version " + strVersion;
}

bool CTunerApp::InitInstance() {
    auto fail = [this](unsigned nMessage) {
        // ShowMessage sounds the error beep before a stop icon.
        ShowMessage(nMessage, MB_ICONSTOP);
        m_nExitCode = EXIT_CHECK_FAILED;
        return false;
    };
    if (!CheckOperatingSystem(m_platform)) return fail(IDS_REQUIRES_WINDOWS);
    if (!m_platform.ProbeDirectX()) return fail(IDS_REQUIRES_DIRECTX);

    m_bDisplayUnavailable = 0;
    m_bMidiUnavailable = 0;
    LoadPlugins();

    if (!m_platform.ClaimCaption(MainWindowCaption(GetProgramVersion()))) {
        FreePlugins();
        return fail(IDS_ANOTHER_INSTANCE);
    }
    LoadIcons();
    if (m_platform.TimeBeginPeriod(1) == TIMERR_NOCANDO) {
        m_platform.ReleaseCaption();
        FreePlugins();
        return fail(IDS_TIMER_RESOLUTION);
    }

    m_nExitCode = RunMainWindow();

    m_platform.TimeEndPeriod(1);
    FreePlugins();
    m_platform.ReleaseCaption();
    return false;
}

namespace {
// The message a failed binding calls for (none when the file is simply not
// there), with the error number where the text has one.
void ShowPluginMessage(const PluginLoadResult& r) {
    if (r.nMessageId == 0) return;
    // The format in the user's language; every translation keeps its %d.
    const QByteArray format = LoadResText(r.nMessageId).toUtf8();
    ShowMessageText(QString::asprintf(format.constData(), r.nError), MB_ICONEXCLAMATION);
}
}  // namespace

void CTunerApp::LoadPlugins() {
    const PluginLoadResult midi = m_midiPlugin.Load(m_pluginFolders, m_bPluginSystemSearch);
    if (!m_midiPlugin.IsAvailable()) {
        m_bMidiUnavailable = 1;
        ShowPluginMessage(midi);
    }
    const PluginLoadResult display =
        m_displayPlugin.Load(m_pluginFolders, m_bPluginSystemSearch);
    if (m_displayPlugin.IsAvailable()) {
        m_pfnZoom = m_displayPlugin.m_pfnZoom;
        m_pfnSetRange = m_displayPlugin.m_pfnSetRange;
    } else {
        m_bDisplayUnavailable = 1;
        ShowPluginMessage(display);
    }
}

void CTunerApp::FreePlugins() {
    m_pfnZoom = nullptr;
    m_pfnSetRange = nullptr;
    m_displayPlugin.Free();
    m_midiPlugin.Free();
}

void CTunerApp::LoadIcons() {
    m_hIconLogOn = LoadIconResource(IDI_LOG_ON);
    m_hIconLogOff = LoadIconResource(IDI_LOG_OFF);
    m_hIconWaveOn = LoadIconResource(IDI_WAVE_ON);
    m_hIconWaveOff = LoadIconResource(IDI_WAVE_OFF);
    m_hIconMidiOn = LoadIconResource(IDI_MIDI_ON);
    m_hIconMidiOff = LoadIconResource(IDI_MIDI_OFF);
    m_hIconFrozen = LoadIconResource(IDI_FROZEN);
    m_hIconFreeze = LoadIconResource(IDI_FREEZE);
    m_hIconSnapshotDown = LoadIconResource(IDI_SNAPSHOT_DOWN);
    m_hIconSnapshot = LoadIconResource(IDI_SNAPSHOT);
}

std::unique_ptr<ICaptureSystem> CTunerApp::CreateCaptureSystem(const CAppOptions& options) {
    if (options.bDemo)
        return std::make_unique<CWaveFileCaptureSystem>(DEMO_DEVICE_NAME, SynthesiseDemoPhrase(),
                                                        true);
    if (!options.strInput.empty()) return std::make_unique<CWaveFileCaptureSystem>(options.strInput);
    return std::make_unique<CPulseCaptureSystem>();
}

int CTunerApp::RunMainWindow() {
    std::unique_ptr<ICaptureSystem> pSystem = CreateCaptureSystem(m_options);
    CTunerDlg dlg(this, *pSystem);
    if (!m_options.strSource.empty()) dlg.SetCaptureSource(m_options.strSource);
    return dlg.Run();
}
