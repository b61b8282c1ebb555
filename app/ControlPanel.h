#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <mutex>
#include <string>

#include "analysis/PitchAnalyser.h"
#include "platform/ui/Gdi.h"

class CTunerApp;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

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

    // The capture thread's reading line for the recordings that are on.
    void AddReadingLine(const std::string& line, int nRecordFlags);

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
    void ToggleRecording(const RecordToggle& toggle);
    // The one place per recording where its writer is made and started, and
    // where it is stopped and deleted. False: the designed failure message
    // follows.
    bool StartSessionLog();
    bool StopSessionLog();
    bool StartWaveRecorder();
    bool StopWaveRecorder();
    bool StartMidiRecorder();
    bool StopMidiRecorder();
    bool AddLogEntry(const std::string& entry);
    void ShowIndicator(bool bRecording);
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
    // so that the capture thread never uses one that is being closed.
    std::mutex m_recorderMutex;
};
