// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>
#include <QRect>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "analysis/PitchAnalyser.h"
#include "app/AppSettings.h"
#include "dialogs/FftParamsDlg.h"
#include "dialogs/MidiSettingsDlg.h"
#include "dialogs/SpectrumSettingsDlg.h"
#include "platform/ui/Gdi.h"

class CTunerApp;
class CControlPanel;
class CTuningControl;
class CStrobeControl;
class CCaptureEngine;
class QTimer;
class CNoteArea;
class CCentMeter;
class CFrequencyDisplay;
class CSpectrumArea;
class ICaptureSystem;
class QColorDialog;
class QMenu;
class QMenuBar;

// The client area of the main window, below its menu bar: the views and the
// control panel are its children and its size drives their layout.
class CTunerClient : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void(const QSize&)> m_fnOnSize;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
};

// The main window: the four views, the control panel, the menu, and the
// analysis and capture that feed them.
class CTunerDlg : public QDialog, public IAnalysisHost {
    Q_OBJECT
public:
    // Initial client size below the menu bar, and the whole window's
    // tracking limits.
    static constexpr int CLIENT_WIDTH = 534;
    static constexpr int CLIENT_HEIGHT = 330;
    static constexpr int MIN_TRACK_WIDTH = 555;
    static constexpr int MIN_TRACK_HEIGHT = 355;
    static constexpr int MAX_TRACK_WIDTH = 800;
    static constexpr int MAX_TRACK_HEIGHT = 600;
    // The exit status after the user closed a window whose capture could
    // not start.
    static constexpr int EXIT_CAPTURE_FAILED = 4;

    CTunerDlg(CTunerApp* pApp, ICaptureSystem& system, QWidget* pParent = nullptr);
    ~CTunerDlg() override;

    // Open this source without enumerating or asking.
    void SetCaptureSource(const std::string& strId) { m_strSource = strId; }

    // The initialisation in its order. False when the program is to end
    // without running the window (device choice cancelled).
    bool OnInitDialog();
    // OnInitDialog, then the modal run until the close procedure ends it.
    int Run();

    // Enter: nothing. Esc, the close box, File -> Exit and the panel's Exit
    // button: the close procedure.
    void OnOK() {}
    void OnCancel();
    void OnCommand(unsigned nId);

    // IAnalysisHost, on the capture thread.
    void AddReadingLine(const std::string& line, int nRecordFlags) override;
    void RefreshViews() override;
    void OnFftSizeRefused() override;

    // The layout of the children for a client size (restored resize).
    void OnSize(bool bRestored, const QSize& client);
    void LayoutChildren(const QSize& client);

    CTunerApp* m_pApp;
    std::atomic<unsigned> m_nRefreshCounter{0};
    QIcon m_hIcon;
    COLORREF m_crBackground = RGB(255, 255, 240);
    COLORREF m_crText = RGB(255, 255, 240) ^ 0x00DFDFDF;
    std::atomic<int> m_nRefreshRate{0};
    unsigned m_nDynamicRange = 45;
    CNoteArea* m_pNoteArea = nullptr;
    CCentMeter* m_pCentMeter = nullptr;
    CFrequencyDisplay* m_pFrequencyDisplay = nullptr;
    CSpectrumArea* m_pSpectrumArea = nullptr;
    CControlPanel* m_pControlPanel = nullptr;
    QColorDialog* m_pColorDialog = nullptr;
    // The settings dialogs keep their values from one opening to the next.
    CFftParamsDlg m_dlgFft{this};
    CSpectrumSettingsDlg m_dlgSpectrum{this};
    CMidiSettingsDlg m_dlgMidi{this};
    QMenu* m_pMenu = nullptr;
    // File -> Convert Text File to MIDI asks this for the log to convert
    // (false: cancelled); unset, it shows the file-open dialog. Tests answer
    // in its place.
    std::function<bool(std::string& strPath)> m_fnChooseLogFile;
    // Settings -> Recording Folder asks this for the folder (false:
    // cancelled); unset, it shows the folder chooser. Tests answer in its
    // place.
    std::function<bool(std::string& strFolder)> m_fnChooseFolder;

    // The settings as they are now, and their application through the
    // same paths as the dialogs, menus and control panel (only what differs
    // from now is touched).
    CAppSettings CurrentSettings() const;
    void ApplySettings(const CAppSettings& s);
    // Settings -> Remember Settings is checked: the settings are saved at
    // the close.
    bool IsRemembering() const { return m_bRemember; }
    bool CaptureFailed() const { return m_bCaptureFailed; }

    QWidget* GetClient() const { return m_pClient; }
    QMenuBar* GetMenuBar() const { return m_pMenuBar; }
    CPitchAnalyser& GetAnalyser() { return *m_pAnalyser; }
    CCaptureEngine* GetCaptureEngine() const { return m_pEngine.get(); }
    // Times the four views were repainted by RefreshViews.
    unsigned GetRepaintCount() const { return m_nRepaints.load(); }
    // RefreshViews calls that have returned.
    unsigned GetRefreshCalls() const { return m_nRefreshCalls.load(); }
    bool IsClosing() const { return m_bClosing.load(); }
    int GetQuitCode() const { return m_nQuitCode; }

    // Run on the user-interface thread for the capture thread, which waits.
    // Called by name, so nothing the two threads share is made or freed
    // outside Qt's own hand-over.
    Q_INVOKABLE void RepaintViews();

public slots:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    bool ChooseCaptureDevice();
    void BuildMenu();
    void CreateViews();
    void StartCapture();
    // Polls the capture device while running; tells the user once when the
    // sound server has gone away.
    void CheckCaptureStatus();
    QTimer* m_pCaptureWatch = nullptr;
    void ApplyBackground();
    void ApplySizeLimits();
    void OnColorCommand(unsigned nId);
    void SetColor(unsigned nId, COLORREF cr);
    // Before the window is set up: the remembered settings (unless
    // --defaults) with the command line's over them, and the remembered
    // capture source when it still exists.
    void LoadStartSettings();
    void OnRememberSettings();
    void OnRecordingFolder();
    // False, after a message, when the settings could not be saved.
    bool SaveSettingsIfRemembered();
    // Where a window remembered at placed goes: there, unless no screen
    // shows its top, and then the primary screen's corner.
    QPoint OnSomeScreen(const QRect& placed) const;
    void OnConvertToMidi();
    bool ChooseLogFile(std::string& strPath);
    void SetRefreshRate(int nRate);

    ICaptureSystem& m_system;
    std::string m_strSource;
    std::unique_ptr<CPitchAnalyser> m_pAnalyser;
    std::unique_ptr<CCaptureEngine> m_pEngine;
    QMenuBar* m_pMenuBar = nullptr;
    CTunerClient* m_pClient = nullptr;
    CFont m_font;
    QSize m_laidOutClient;
    QSize m_initialSize;
    bool m_bInSizeMessage = false;
    std::atomic<bool> m_bClosing{false};
    std::atomic<unsigned> m_nRepaints{0};
    std::atomic<unsigned> m_nRefreshCalls{0};
    int m_nQuitCode = 0;
    bool m_bQuit = false;
    bool m_bCaptureFailed = false;
    CAppSettings m_startSettings;
    bool m_bApplyStartSettings = false;
    bool m_bRemember = false;
    bool m_bSaveAtExit = false;
    // The remembered source, kept for the next run while this one plays a
    // file or the demo.
    std::string m_strRememberedSource;
    std::unique_ptr<CTuningControl> m_pTuningControl;
    std::unique_ptr<CStrobeControl> m_pStrobeControl;
    bool m_bRememberedSourceMissing = false;
    // Settings -> Note Names as chosen; -1 until the user chooses, when the
    // locale's naming is used.
    int m_nNoteNaming = -1;
    void SetNoteNaming(int nChosen);
};
