// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "analysis/PitchAnalyser.h"
#include "capture/CaptureEngine.h"
#include "platform/ui/Gdi.h"
#include "recording/RecordingRecovery.h"

class CCaptureEngine;
class CMidiRecorder;
class CRecordingSystem;
class CSessionLog;
class CTunerApp;
class CWaveRecorder;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

// The strip of controls under the views: A5 reference, transposition, the
// three record toggles with their indicator, SNAPSHOT, FREEZE and Exit. It
// holds what the analysis reads every block (CControlState).
class CControlPanel : public QWidget {
    Q_OBJECT
public:
    // Template size in dialog units.
    static constexpr int TEMPLATE_WIDTH = 361;
    static constexpr int TEMPLATE_HEIGHT = 81;

    CControlPanel(CTunerApp* pApp, QWidget* pParent);
    ~CControlPanel() override;

    void OnInitDialog();
    void SetMenu(QMenu* pMenu) { m_pMenu = pMenu; }
    // Beyond the designed panel: told each new A5, and asked for the name of
    // a tuning that is not the default when a session log starts.
    std::function<void(int)> m_fnOnA5Changed;
    std::function<std::string()> m_fnTuningTitle;
    // An INFO entry into the running session log, if there is one.
    void AddInfoEntry(const std::string& strEntry);
    QWidget* GetDlgItem(unsigned nId) const;

    void OnA5Changed();
    void OnTranspositionChanged();
    void ToggleLogRecording();
    void ToggleWaveRecording();
    void ToggleMidiRecording();
    void ToggleFreeze();
    void TakeSnapshot();
    // Exit button: refused while recording, else the main window closes.
    void OnCancel();
    // Every exit route asks this first. While a recording is on: message
    // 158; once a stop has failed, the question whether to exit anyway,
    // naming what would be lost, and on Yes every recording is ended. True
    // when the window may close.
    bool MayExit();

    // The capture thread's reading line for the recordings that are on.
    void AddReadingLine(const std::string& line, int nRecordFlags);
    // The engine whose WAVE sink follows the WAVE recording; set once the
    // engine exists.
    void SetCaptureEngine(CCaptureEngine* pEngine) { m_pEngine = pEngine; }
    // Capture thread, after the engine's WAVE write failed: message 161, then
    // the WAVE recording is switched off on the GUI thread while this waits.
    void OnWaveWriteFailed();
    // Clock and file creation of the recorders made from now on; null for
    // the real ones. For tests.
    void SetRecordingSystem(CRecordingSystem* pSystem) { m_pRecordingSystem = pSystem; }

    // Where new recordings go; empty is the working folder, or the Music
    // folder when the working folder cannot be written.
    void SetRecordingFolder(const std::string& strFolder);
    const std::string& GetRecordingFolder() const { return m_strRecordingFolder; }
    // Where recordings go when the working folder cannot be written: the
    // user's Music folder (as the desktop names it), else the home folder.
    static std::string FallbackRecordingFolder();

    // The background colour command of the main window.
    void SetBackgroundColor(COLORREF cr);

    CControlState m_state;  // m_fA5Factor, m_fTransposition, m_nRecordFlags, m_bFrozen
    int m_bSnapshotToClipboard = 1;
    unsigned m_nA5 = 440;
    int m_nA5Index = 60;
    COLORREF m_crBackground = RGB(255, 255, 240);
    COLORREF m_crText = RGB(255, 255, 240) ^ 0x00DFDFDF;
    // The latest snapshot, as it went to the clipboard.
    QImage m_lastSnapshot;
    int m_nSnapshots = 0;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    struct RecordToggle;
    static const RecordToggle& ToggleFor(int nFlag);
    // bAfterFailure: the switch-off after a failed write; the recording ends
    // even when its writer cannot be closed cleanly. bQuiet: no message for
    // a stop that failed (the user chose to exit anyway).
    void ToggleRecording(const RecordToggle& toggle, bool bAfterFailure = false,
                         bool bQuiet = false);
    // Twice a second: a recording whose folder was deleted or moved is saved
    // into the first recovery folder that takes it (or, when none does,
    // switched off), and the user is told once.
    void CheckRecordingsReachable();
    void ShowNotices();
    // Under m_recorderMutex: a recovery that recorder made, to be told.
    template <class Recorder>
    void NoteRecovery(Recorder& recorder, unsigned nMessage);
    // The one place per recording where its writer is made and started, and
    // where it is stopped and deleted. False: the designed failure message
    // follows. bForce deletes the writer even when its stop failed (and
    // still returns how the stop went).
    bool StartSessionLog();
    bool StopSessionLog(bool bForce);
    bool StartWaveRecorder();
    bool StopWaveRecorder(bool bForce);
    bool StartMidiRecorder();
    bool StopMidiRecorder(bool bForce);
    // GUI thread: an INFO entry; on failure nSerial names the log that failed.
    bool AddLogEntry(const std::string& entry, uint64_t& nSerial);
    void OnLogEntryFailed(uint64_t nSerial);
    CRecordingSystem& RecordingSystem();
    uint64_t& SerialOf(int nFlag);

    // Switches recording nFlag off after a failed write, unless it is off
    // already or a newer recording has started since (nSerial tells). From
    // the capture thread it waits until the GUI thread has done it.
    void SwitchOffAfterFailure(int nFlag, uint64_t nSerial);
    void SwitchOffRecording(int nFlag, uint64_t nSerial);
    Q_INVOKABLE void RunPendingSwitchOff();

    // Hands the engine's blocks to the WAVE recorder under the panel's lock.
    class CWaveSink : public IWaveSink {
    public:
        explicit CWaveSink(CControlPanel* pPanel) : m_pPanel(pPanel) {}
        bool WriteBlock(const int16_t* pBlock, unsigned nBytes) override;

    private:
        CControlPanel* m_pPanel;
    };
    void ShowIndicator(bool bRecording);
    // Before a recording starts: the working folder, when it is the folder
    // and cannot be written, is replaced by the fallback, once, saying so.
    void PrepareRecordingFolder();
    // The banner's tooltip: the full paths of the files being recorded.
    void UpdateRecordingToolTip();
    void ApplyColors();
    QPushButton* AddButton(unsigned nId, const char* pszText, int l, int t, int w, int h);

    CTunerApp* m_pApp;
    QMenu* m_pMenu = nullptr;
    std::map<unsigned, QWidget*> m_controls;
    QComboBox* m_pTranspositionList = nullptr;
    QComboBox* m_pA5List = nullptr;
    QPushButton* m_pLogButton = nullptr;
    QPushButton* m_pWaveButton = nullptr;
    QPushButton* m_pMidiButton = nullptr;
    QPushButton* m_pFreezeButton = nullptr;
    QPushButton* m_pSnapshotButton = nullptr;
    QPushButton* m_pFocusButton = nullptr;
    // Held around every use of a recorder, and around its stop and delete,
    // so that the capture thread never uses one that is being closed. Never
    // held while waiting for the other thread.
    std::mutex m_recorderMutex;
    // Non-null exactly while that recording is on; created by the GUI
    // thread, used by both under m_recorderMutex.
    std::unique_ptr<CMidiRecorder> m_pMidiRecorder;
    std::unique_ptr<CSessionLog> m_pSessionLog;
    std::unique_ptr<CWaveRecorder> m_pWaveRecorder;
    // Counts the starts of each recording (written under m_recorderMutex by
    // the GUI thread), so that a late switch-off after a failure never ends
    // a newer recording.
    uint64_t m_nLogSerial = 0;
    uint64_t m_nWaveSerial = 0;
    uint64_t m_nMidiSerial = 0;
    uint64_t m_nFailedWaveSerial = 0;  // capture thread, under m_recorderMutex
    CWaveSink m_waveSink{this};
    CCaptureEngine* m_pEngine = nullptr;
    CRecordingSystem* m_pRecordingSystem = nullptr;
    // The real clock and files, in the recording folder.
    std::unique_ptr<CRecordingSystem> m_pFolderSystem;
    std::string m_strRecordingFolder;
    bool m_bFellBack = false;

    // The file and reason of the last failed start, stop or INFO entry (GUI
    // thread, written under m_recorderMutex), and of the last failed WAVE
    // block (capture thread, under m_recorderMutex): the messages' detail.
    RecordingProblem m_lastProblem;
    RecordingProblem m_failedWaveProblem;
    // Recordings whose stop has failed and which are still on.
    int m_nStopFailedFlags = 0;
    // Told on the user-interface thread, in order; under m_recorderMutex.
    struct Notice {
        unsigned nMessage;
        RecordingProblem problem;
        int nSwitchOffFlag;  // 0, or the recording that could not be saved
        uint64_t nSerial;
    };
    std::vector<Notice> m_notices;
    bool m_bShowingNotices = false;
    QTimer* m_pReachWatch = nullptr;

    // The capture thread's switch-off request, handed over to the GUI thread
    // on standard mutexes (as the message boxes do), so that ThreadSanitizer
    // sees the hand-over: one request at a time.
    std::mutex m_switchOffCallerMutex;
    std::mutex m_switchOffMutex;
    std::condition_variable m_switchOffChanged;
    int m_nPendingFlag = 0;
    uint64_t m_nPendingSerial = 0;
    bool m_bSwitchOffPosted = false;
    bool m_bSwitchOffDone = false;
};
