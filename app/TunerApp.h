// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "plugins/PluginBinding.h"
#include "views/SpectrumArea.h"

class IStartUpPlatform;
class ICaptureSystem;

// How the program was started: the WAVE file to play instead of the sound
// server, the built-in demo phrase, or the PulseAudio source to open without
// asking; the settings given for this run, and whether remembered settings
// are ignored.
struct CAppOptions {
    std::string strInput;
    std::string strSource;
    bool bDemo = false;
    // Analysis settings as option name and text ("a5", "442"), already
    // checked against analysis/TuningOptions.h, in command-line order.
    std::vector<std::pair<std::string, std::string>> tuning;
    std::string strRecordDir;  // empty: as remembered, else the working folder
    bool bDefaults = false;    // --defaults: the remembered settings are not read
    bool bHold = false;        // --hold: View -> Hold Last Reading on
    bool bStrobe = false;      // --strobe: the strobe in the spectrum's place
};

// The application object: start-up checks, the plug-ins, the single
// instance, the button icons, the run of the main window and the clean-up.
class CTunerApp {
public:
    CTunerApp(IStartUpPlatform& platform, CAppOptions options = {});
    virtual ~CTunerApp();
    CTunerApp(const CTunerApp&) = delete;
    CTunerApp& operator=(const CTunerApp&) = delete;

    // The start-up in its order, the run of the main window and the
    // clean-up. Returns false in every case: when it returns, the program
    // ends. GetExitCode tells how.
    bool InitInstance();
    int GetExitCode() const { return m_nExitCode; }

    // The caption of the main window for a version text ("Kalvo" without one).
    static std::string MainWindowCaption(const std::string& strVersion);
    // The capture device the options ask for: the demo phrase, the file, or
    // the sound server.
    static std::unique_ptr<ICaptureSystem> CreateCaptureSystem(const CAppOptions& options);

    const CAppOptions& GetOptions() const { return m_options; }

    std::string m_strVersion;
    int m_bDisplayUnavailable = 1;
    int m_bMidiUnavailable = 1;
    QPixmap m_hIconLogOn, m_hIconLogOff, m_hIconWaveOn, m_hIconWaveOff, m_hIconMidiOn,
        m_hIconMidiOff, m_hIconFrozen, m_hIconFreeze, m_hIconSnapshotDown, m_hIconSnapshot;
    // The display plug-in's entry points; null while it is unavailable.
    PFN_ZOOM m_pfnZoom = nullptr;
    PFN_SETRANGE m_pfnSetRange = nullptr;
    // The MIDI plug-in: its entry points and settings variables.
    CMidiPlugin m_midiPlugin;
    CDisplayPlugin m_displayPlugin;
    // Where the plug-ins are looked for (the program's folder first); the
    // system's search follows when m_bPluginSystemSearch is set.
    std::vector<std::string> m_pluginFolders = PluginFolders();
    bool m_bPluginSystemSearch = true;

    // Step 7 of the start-up; public so that windows made without a
    // start-up (tests) have their pictures.
    void LoadIcons();

protected:
    // Steps 3 to 5: which plug-ins this run can use. Failures only switch
    // features off.
    virtual void LoadPlugins();
    virtual void FreePlugins();
    // Step 9: the main window's run; returns its exit code.
    virtual int RunMainWindow();

private:
    IStartUpPlatform& m_platform;
    CAppOptions m_options;
    int m_nExitCode = 0;
};
