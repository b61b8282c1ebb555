// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlPanel.h"

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QScreen>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <utility>

#include "analysis/NoteTable.h"
#include "analysis/ReadingLine.h"
#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "app/TunerApp.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "recording/MidiRecorder.h"
#include "recording/RecordingFileName.h"
#include "recording/SessionLog.h"
#include "recording/WaveRecorder.h"
#include "resources/AppResources.h"
#include "resources/CoreTexts.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {
QRect Units(int l, int t, int w, int h) {
    return MapDialogRect(QRect(l, t, w, h));
}

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

// The line beneath a recording's failure message, or beneath the news that
// it was saved elsewhere: the file and the reason, the recovery folders that
// failed, and where the data went.
QString Detail(const RecordingProblem& problem) {
    return problem.strPath.empty() ? QString() : RecordingProblemText(problem);
}

// How often the recordings' files are checked for a vanished folder.
constexpr int REACH_CHECK_MS = 500;
}  // namespace

// What differs between the three record toggles.
struct CControlPanel::RecordToggle {
    int nFlag;
    unsigned nId;  // button and menu item
    unsigned nStartFailure;
    unsigned nStopFailure;
    const char* pszMenuOn;
    const char* pszMenuOff;
    QPixmap CTunerApp::*pIconOn;
    QPixmap CTunerApp::*pIconOff;
    bool (CControlPanel::*pfnStart)();
    bool (CControlPanel::*pfnStop)(bool bForce);
    // The file is written only by the stop (MIDI): a failed stop loses the
    // recording, and the user hears of it even after a write failure.
    bool bStopWritesFile;
};

CControlPanel::CControlPanel(CTunerApp* pApp, QWidget* pParent)
    : QWidget(pParent), m_pApp(pApp), m_pFolderSystem(std::make_unique<CRecordingSystem>()) {
    resize(DialogUnitsToPixelsX(TEMPLATE_WIDTH), DialogUnitsToPixelsY(TEMPLATE_HEIGHT));
    setFont(DialogWidgetFont());

    // Template order, which is also the tab order.
    m_pA5List = new QComboBox(this);
    m_pA5List->setGeometry(Units(9, 58, 35, 13));
    m_controls[IDC_A5_LIST] = m_pA5List;
    m_pTranspositionList = new QComboBox(this);
    m_pTranspositionList->setGeometry(Units(47, 58, 73, 13));
    m_controls[IDC_TRANSPOSITION_LIST] = m_pTranspositionList;
    m_pMidiButton = AddButton(IDC_MIDI, "MIDI", 160, 45, 25, 25);
    m_pWaveButton = AddButton(IDC_WAVE, "WAVE", 189, 45, 25, 25);
    m_pLogButton = AddButton(IDC_LOG, "LOG", 219, 45, 25, 25);
    m_pSnapshotButton = AddButton(IDC_SNAPSHOT, "SNAPSHOT", 290, 5, 18, 17);
    m_pFreezeButton = AddButton(IDC_FREEZE, "FREEZE", 325, 5, 18, 17);
    // The icons say nothing to a screen reader, and little to a new user.
    const std::pair<QPushButton*, QString> aNames[] = {{m_pMidiButton, tr("MIDI")},
                                                       {m_pWaveButton, tr("WAVE")},
                                                       {m_pLogButton, tr("LOG")},
                                                       {m_pSnapshotButton, tr("Snapshot")},
                                                       {m_pFreezeButton, tr("Freeze Spectrum")}};
    const QString aTips[] = {tr("Record to MIDI file"), tr("Record to WAVE file"),
                             tr("Record to text file"), tr("Snapshot of the window"),
                             tr("Freeze the displays, or let them run again")};
    for (int i = 0; i < 5; ++i) {
        aNames[i].first->setAccessibleName(aNames[i].second);
        aNames[i].first->setToolTip(aTips[i]);
    }
    // Whether each is on, which the icon shows only to the eye.
    for (QPushButton* pButton : {m_pMidiButton, m_pWaveButton, m_pLogButton})
        pButton->setAccessibleDescription(tr("not recording"));
    m_pFreezeButton->setAccessibleDescription(tr("running"));
    m_pA5List->setAccessibleName(tr("A5 freq"));
    m_pTranspositionList->setAccessibleName(tr("Special"));
    QPushButton* pExit = new QPushButton(tr("Exit"), this);
    pExit->setGeometry(Units(300, 45, 45, 25));
    pExit->setAutoDefault(false);
    m_controls[IDCANCEL_COMMAND] = pExit;
    // The hidden default button of the template. Qt gives no focus to a
    // hidden widget, so the panel itself holds the focus instead.
    m_pFocusButton = new QPushButton(QStringLiteral("dummy"), this);
    m_pFocusButton->setGeometry(Units(6, 21, 25, 10));
    m_pFocusButton->hide();
    // A window of its own, so that it is no part of the panel a screen reader
    // walks; it stays the panel's child and the dialog's hidden default.
    m_pFocusButton->setWindowFlags(Qt::Window);
    // The default button, so that Enter presses no visible one.
    m_pFocusButton->setDefault(true);
    m_controls[IDC_FOCUS_HOLDER] = m_pFocusButton;
    setFocusPolicy(Qt::ClickFocus);

    auto* pTransGroup = new QGroupBox(tr("Note Transposition"), this);
    pTransGroup->setAlignment(Qt::AlignHCenter);
    pTransGroup->setGeometry(Units(5, 34, 119, 40));
    auto* pRecordGroup = new QGroupBox(tr("Record selection"), this);
    pRecordGroup->setAlignment(Qt::AlignHCenter);
    pRecordGroup->setGeometry(Units(155, 34, 94, 40));
    // The boxes are drawn behind the controls that sit in them.
    pTransGroup->lower();
    pRecordGroup->lower();

    auto* pOff = new QLabel(this);
    pOff->setGeometry(Units(165, 18, 77, 12));
    // The pictures show their words; translated, they are drawn anew.
    pOff->setPixmap(TranslatedBanner(LoadIconResource(IDB_RECORDING_OFF),
                                     tr("Recording off", "banner picture, 116 pixels wide"),
                                     "Recording off"));
    pOff->setAccessibleName(tr("Recording off"));
    m_controls[IDC_RECORDING_OFF] = pOff;
    auto* pOn = new QLabel(this);
    pOn->setGeometry(Units(165, 18, 77, 12));
    pOn->setPixmap(TranslatedBanner(LoadIconResource(IDB_RECORDING_ON),
                                    tr("Recording to file", "banner picture, 116 pixels wide"),
                                    "Recording to file"));
    pOn->setAccessibleName(tr("Recording to file"));
    m_controls[IDC_RECORDING_ON] = pOn;

    auto* pSpecial = new QLabel(tr("Special"), this);
    pSpecial->setGeometry(Units(47, 46, 40, 8));
    auto* pA5Label = new QLabel(tr("A5 freq"), this);
    pA5Label->setGeometry(Units(9, 46, 33, 8));
    // A screen reader names each list by its label.
    pA5Label->setBuddy(m_pA5List);
    pSpecial->setBuddy(m_pTranspositionList);
    auto* pFreezeText = new QLabel(tr("Freeze Spectrum"), this);
    pFreezeText->setGeometry(Units(317, 24, 35, 20));
    pFreezeText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pFreezeText->setWordWrap(true);
    m_controls[IDC_FREEZE_TEXT] = pFreezeText;
    auto* pSnapshotText = new QLabel(tr("Snapshot"), this);
    pSnapshotText->setGeometry(Units(280, 24, 35, 10));
    pSnapshotText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_controls[IDC_SNAPSHOT_TEXT] = pSnapshotText;

    connect(m_pA5List, &QComboBox::currentIndexChanged, this, [this] { OnA5Changed(); });
    connect(m_pTranspositionList, &QComboBox::currentIndexChanged, this,
            [this] { OnTranspositionChanged(); });
    connect(m_pLogButton, &QPushButton::clicked, this, [this] { ToggleLogRecording(); });
    connect(m_pWaveButton, &QPushButton::clicked, this, [this] { ToggleWaveRecording(); });
    connect(m_pMidiButton, &QPushButton::clicked, this, [this] { ToggleMidiRecording(); });
    connect(m_pFreezeButton, &QPushButton::clicked, this, [this] { ToggleFreeze(); });
    connect(pExit, &QPushButton::clicked, this, [this] { OnCancel(); });
    m_pReachWatch = new QTimer(this);
    connect(m_pReachWatch, &QTimer::timeout, this, [this] { CheckRecordingsReachable(); });
    // A snapshot is taken when the button gains the focus; the click only
    // restores the picture and hands the focus back.
    m_pSnapshotButton->installEventFilter(this);
    connect(m_pSnapshotButton, &QPushButton::clicked, this, [this] {
        if (m_pApp) m_pSnapshotButton->setIcon(m_pApp->m_hIconSnapshot);
        setFocus(Qt::OtherFocusReason);
    });
}

CControlPanel::~CControlPanel() {
    // The capture thread has ended by now (the main window closes the engine
    // first). Recordings still on are closed, so their files are complete.
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    if (m_pEngine) m_pEngine->SetWaveSink(nullptr);
    if (m_pSessionLog) m_pSessionLog->Close();
    if (m_pWaveRecorder) m_pWaveRecorder->Close();
    if (m_pMidiRecorder) m_pMidiRecorder->Stop();
    m_pSessionLog.reset();
    m_pWaveRecorder.reset();
    m_pMidiRecorder.reset();
}

QPushButton* CControlPanel::AddButton(unsigned nId, const char* pszText, int l, int t, int w,
                                      int h) {
    // A button that shows an icon: the text stays its accessible name only.
    auto* pButton = new QPushButton(this);
    pButton->setGeometry(Units(l, t, w, h));
    pButton->setAccessibleName(QString::fromLatin1(pszText));
    pButton->setObjectName(QString::fromLatin1(pszText));
    const int nSide = std::min({32, pButton->width() - 4, pButton->height() - 4});
    pButton->setIconSize(QSize(nSide, nSide));
    pButton->setAutoDefault(false);
    m_controls[nId] = pButton;
    return pButton;
}

QWidget* CControlPanel::GetDlgItem(unsigned nId) const {
    const auto it = m_controls.find(nId);
    return it == m_controls.end() ? nullptr : it->second;
}

void CControlPanel::OnInitDialog() {
    if (m_pApp) {
        m_pLogButton->setIcon(m_pApp->m_hIconLogOff);
        m_pWaveButton->setIcon(m_pApp->m_hIconWaveOff);
        m_pMidiButton->setIcon(m_pApp->m_hIconMidiOff);
        m_pFreezeButton->setIcon(m_pApp->m_hIconFreeze);
        m_pSnapshotButton->setIcon(m_pApp->m_hIconSnapshot);
    }
    setFocus(Qt::OtherFocusReason);
    ShowIndicator(false);

    {
        const QSignalBlocker block(m_pTranspositionList);
        m_pTranspositionList->clear();
        for (int nRow = 0; nRow < TRANSPOSITION_COUNT; ++nRow)
            m_pTranspositionList->addItem(TranspositionDisplayText(nRow));
        m_pTranspositionList->setCurrentIndex(0);
    }
    {
        const QSignalBlocker block(m_pA5List);
        m_pA5List->clear();
        const char* pszFormat = LoadResString(IDS_FORMAT_A5);
        for (int nA5 = MIN_A5; nA5 <= MAX_A5; ++nA5) {
            char szText[16];
            std::snprintf(szText, sizeof szText, pszFormat, nA5);
            m_pA5List->addItem(QString::fromLatin1(szText), nA5);
            if (nA5 == 440) m_nA5Index = m_pA5List->count() - 1;
        }
        m_pA5List->setCurrentIndex(m_nA5Index);
    }
    m_crBackground = RGB(255, 255, 240);
    ApplyColors();
    m_pReachWatch->start(REACH_CHECK_MS);
}

void CControlPanel::ApplyColors() {
    m_crText = m_crBackground ^ 0x00DFDFDF;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(m_crBackground));
    pal.setColor(QPalette::WindowText, ToQColor(m_crText));
    setPalette(pal);
    setAutoFillBackground(true);
}

void CControlPanel::SetBackgroundColor(COLORREF cr) {
    m_crBackground = cr;
    ApplyColors();
    update();
}

void CControlPanel::OnA5Changed() {
    const int nRow = m_pA5List->currentIndex();
    if (nRow < 0) return;
    m_nA5Index = nRow;
    m_nA5 = m_pA5List->itemData(nRow).toUInt();
    m_state.m_fA5Factor.store(A5Factor(static_cast<int>(m_nA5)), std::memory_order_relaxed);
    AddInfoEntry(FormatA5Entry(nRow + MIN_A5));
    if (m_fnOnA5Changed) m_fnOnA5Changed(static_cast<int>(m_nA5));
}

void CControlPanel::AddInfoEntry(const std::string& strEntry) {
    if (!(m_state.m_nRecordFlags.load(std::memory_order_relaxed) & REC_LOG)) return;
    uint64_t nSerial = 0;
    if (!AddLogEntry(strEntry, nSerial)) OnLogEntryFailed(nSerial);
}

void CControlPanel::OnTranspositionChanged() {
    const int nRow = m_pTranspositionList->currentIndex();
    m_state.m_fTransposition.store(TranspositionFactor(nRow), std::memory_order_relaxed);
    if (m_state.m_nRecordFlags.load(std::memory_order_relaxed) & REC_LOG) {
        uint64_t nSerial = 0;
        if (!AddLogEntry(FormatTranspositionEntry(nRow), nSerial)) OnLogEntryFailed(nSerial);
    }
}

void CControlPanel::OnLogEntryFailed(uint64_t nSerial) {
    RecordingProblem problem;
    {
        std::lock_guard<std::mutex> lock(m_recorderMutex);
        problem = m_lastProblem;
    }
    ShowMessage(IDS_LOG_ADD, MB_ICONEXCLAMATION, Detail(problem));
    // By serial: while the box was up, the capture thread may already have
    // switched this log off after a failure of its own.
    SwitchOffRecording(REC_LOG, nSerial);
}

CRecordingSystem& CControlPanel::RecordingSystem() {
    return m_pRecordingSystem ? *m_pRecordingSystem : *m_pFolderSystem;
}

uint64_t& CControlPanel::SerialOf(int nFlag) {
    return nFlag == REC_LOG ? m_nLogSerial : nFlag == REC_WAVE ? m_nWaveSerial : m_nMidiSerial;
}

// Each pair makes and starts, or stops and deletes, one writer. A new writer
// is started before the capture thread can see it; it is published, used,
// stopped and deleted under m_recorderMutex only.
bool CControlPanel::StartSessionLog() {
    auto pLog = std::make_unique<CSessionLog>(
        RecordingSystem(), m_pApp ? m_pApp->m_strVersion : CSessionLog::DefaultVersion());
    if (m_fnTuningTitle) pLog->SetTuningTitle(m_fnTuningTitle());
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    if (!pLog->Create()) {
        m_lastProblem = pLog->GetProblem();
        return false;
    }
    m_pSessionLog = std::move(pLog);
    ++m_nLogSerial;
    return true;
}

bool CControlPanel::StopSessionLog(bool bForce) {
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    const bool bStopped = !m_pSessionLog || m_pSessionLog->Close();
    if (m_pSessionLog) {
        NoteRecovery(*m_pSessionLog, IDS_LOG_CLOSE);
        if (!bStopped) m_lastProblem = m_pSessionLog->GetProblem();
    }
    if (!bStopped && !bForce) return false;
    m_pSessionLog.reset();
    return bStopped;
}

bool CControlPanel::StartWaveRecorder() {
    auto pWave = std::make_unique<CWaveRecorder>(RecordingSystem());
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    if (!pWave->Create()) {
        m_lastProblem = pWave->GetProblem();
        return false;
    }
    m_pWaveRecorder = std::move(pWave);
    ++m_nWaveSerial;
    if (m_pEngine) m_pEngine->SetWaveSink(&m_waveSink);
    return true;
}

bool CControlPanel::StopWaveRecorder(bool bForce) {
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    const bool bStopped = !m_pWaveRecorder || m_pWaveRecorder->Close();
    if (m_pWaveRecorder) {
        NoteRecovery(*m_pWaveRecorder, IDS_WAVE_CLOSE);
        if (!bStopped) m_lastProblem = m_pWaveRecorder->GetProblem();
    }
    if (!bStopped && !bForce) return false;
    if (m_pEngine) m_pEngine->SetWaveSink(nullptr);
    m_pWaveRecorder.reset();
    return bStopped;
}

bool CControlPanel::StartMidiRecorder() {
    if (!m_pApp) return false;
    auto pMidi = std::make_unique<CMidiRecorder>(m_pApp->m_midiPlugin, RecordingSystem());
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    if (!pMidi->Start()) {
        m_lastProblem = pMidi->GetProblem();
        return false;
    }
    m_pMidiRecorder = std::move(pMidi);
    ++m_nMidiSerial;
    return true;
}

bool CControlPanel::StopMidiRecorder(bool bForce) {
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    const bool bStopped = !m_pMidiRecorder || m_pMidiRecorder->Stop();
    if (m_pMidiRecorder) {
        NoteRecovery(*m_pMidiRecorder, IDS_MIDI_CLOSE);
        if (!bStopped) m_lastProblem = m_pMidiRecorder->GetProblem();
    }
    if (!bStopped && !bForce) return false;
    m_pMidiRecorder.reset();
    return bStopped;
}

bool CControlPanel::AddLogEntry(const std::string& entry, uint64_t& nSerial) {
    std::lock_guard<std::mutex> lock(m_recorderMutex);
    nSerial = m_nLogSerial;
    if (!m_pSessionLog) return false;
    if (m_pSessionLog->AddEntry(entry)) return true;
    m_lastProblem = m_pSessionLog->GetProblem();
    return false;
}

template <class Recorder>
void CControlPanel::NoteRecovery(Recorder& recorder, unsigned nMessage) {
    RecordingProblem problem;
    if (recorder.TakeRecovery(problem)) m_notices.push_back({nMessage, problem, 0, 0});
}

void CControlPanel::CheckRecordingsReachable() {
    if (m_bShowingNotices) return;
    {
        std::lock_guard<std::mutex> lock(m_recorderMutex);
        // A recovery made by a failed write on the capture thread is told
        // here too.
        if (m_pSessionLog) {
            if (!m_pSessionLog->KeepReachable())
                m_notices.push_back(
                    {IDS_LOG_ADD, m_pSessionLog->GetProblem(), REC_LOG, m_nLogSerial});
            NoteRecovery(*m_pSessionLog, IDS_LOG_ADD);
        }
        if (m_pWaveRecorder) {
            if (!m_pWaveRecorder->KeepReachable())
                m_notices.push_back(
                    {IDS_WAVE_WRITE, m_pWaveRecorder->GetProblem(), REC_WAVE, m_nWaveSerial});
            NoteRecovery(*m_pWaveRecorder, IDS_WAVE_WRITE);
        }
    }
    ShowNotices();
}

void CControlPanel::ShowNotices() {
    // A box runs its own event loop: the next check waits until it is read.
    if (m_bShowingNotices) return;
    m_bShowingNotices = true;
    for (;;) {
        Notice notice;
        {
            std::lock_guard<std::mutex> lock(m_recorderMutex);
            if (m_notices.empty()) break;
            notice = m_notices.front();
            m_notices.erase(m_notices.begin());
        }
        // A recording that was saved elsewhere is news, not a failure.
        if (!notice.problem.strSavedTo.empty())
            ShowMessageText(
                tr("A recording's folder was deleted or moved: the recording was saved "
                   "in %1")
                    .arg(QString::fromLocal8Bit(FolderOf(notice.problem.strSavedTo).c_str())),
                MB_ICONINFORMATION, Detail(notice.problem));
        else
            ShowMessage(notice.nMessage, MB_ICONEXCLAMATION, Detail(notice.problem));
        // Unreachable and not saved: as after a failed write, the recording
        // ends; what it held is lost with its folder.
        if (notice.nSwitchOffFlag) SwitchOffRecording(notice.nSwitchOffFlag, notice.nSerial);
    }
    m_bShowingNotices = false;
}

void CControlPanel::AddReadingLine(const std::string& line, int nRecordFlags) {
    // Log first, then MIDI; a failed log entry still lets the MIDI event of
    // the same block through. The messages and the switch-off come after the
    // lock is released: the GUI thread's toggle takes it.
    if (nRecordFlags & REC_LOG) {
        bool bFailed = false;
        uint64_t nSerial = 0;
        RecordingProblem problem;
        {
            std::lock_guard<std::mutex> lock(m_recorderMutex);
            if (m_pSessionLog && !m_pSessionLog->AddEntry(line)) {
                bFailed = true;
                nSerial = m_nLogSerial;
                problem = m_pSessionLog->GetProblem();
            }
        }
        if (bFailed) {
            ShowMessage(IDS_LOG_ADD, MB_ICONEXCLAMATION, Detail(problem));
            SwitchOffAfterFailure(REC_LOG, nSerial);
        }
    }
    if (nRecordFlags & REC_MIDI) {
        bool bFailed = false;
        uint64_t nSerial = 0;
        RecordingProblem problem;
        {
            std::lock_guard<std::mutex> lock(m_recorderMutex);
            if (m_pMidiRecorder && !m_pMidiRecorder->AddEvent(line)) {
                bFailed = true;
                nSerial = m_nMidiSerial;
                problem = m_pMidiRecorder->GetProblem();
            }
        }
        if (bFailed) {
            ShowMessage(IDS_MIDI_ADD, MB_ICONEXCLAMATION, Detail(problem));
            SwitchOffAfterFailure(REC_MIDI, nSerial);
        }
    }
}

bool CControlPanel::CWaveSink::WriteBlock(const int16_t* pBlock, unsigned nBytes) {
    std::lock_guard<std::mutex> lock(m_pPanel->m_recorderMutex);
    // Stopped since the engine read the flags: nothing to write, no failure.
    if (!m_pPanel->m_pWaveRecorder) return true;
    if (m_pPanel->m_pWaveRecorder->WriteBlock(pBlock, nBytes)) return true;
    m_pPanel->m_nFailedWaveSerial = m_pPanel->m_nWaveSerial;
    m_pPanel->m_failedWaveProblem = m_pPanel->m_pWaveRecorder->GetProblem();
    return false;
}

void CControlPanel::OnWaveWriteFailed() {
    uint64_t nSerial = 0;
    RecordingProblem problem;
    {
        std::lock_guard<std::mutex> lock(m_recorderMutex);
        nSerial = m_nFailedWaveSerial;
        problem = m_failedWaveProblem;
    }
    ShowMessage(IDS_WAVE_WRITE, MB_ICONEXCLAMATION, Detail(problem));
    SwitchOffAfterFailure(REC_WAVE, nSerial);
}

void CControlPanel::SwitchOffRecording(int nFlag, uint64_t nSerial) {
    if (!(m_state.m_nRecordFlags.load(std::memory_order_relaxed) & nFlag)) return;
    if (SerialOf(nFlag) != nSerial) return;
    ToggleRecording(ToggleFor(nFlag), true);
}

void CControlPanel::SwitchOffAfterFailure(int nFlag, uint64_t nSerial) {
    if (QThread::currentThread() == thread()) {
        SwitchOffRecording(nFlag, nSerial);
        return;
    }
    // As Qt::BlockingQueuedConnection, but the request and its completion
    // pass through standard mutexes: Qt's own hand-over is invisible to
    // ThreadSanitizer. The call posted by name carries no data of ours.
    std::lock_guard<std::mutex> caller(m_switchOffCallerMutex);
    {
        std::lock_guard<std::mutex> lock(m_switchOffMutex);
        m_nPendingFlag = nFlag;
        m_nPendingSerial = nSerial;
        m_bSwitchOffPosted = false;
        m_bSwitchOffDone = false;
    }
    QMetaObject::invokeMethod(this, "RunPendingSwitchOff", Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(m_switchOffMutex);
    m_bSwitchOffPosted = true;
    m_switchOffChanged.notify_all();
    m_switchOffChanged.wait(lock, [this] { return m_bSwitchOffDone; });
}

void CControlPanel::RunPendingSwitchOff() {
    int nFlag = 0;
    uint64_t nSerial = 0;
    {
        // Until the caller is back from posting, so that all it did is
        // ordered before this.
        std::unique_lock<std::mutex> lock(m_switchOffMutex);
        m_switchOffChanged.wait(lock, [this] { return m_bSwitchOffPosted; });
        nFlag = m_nPendingFlag;
        nSerial = m_nPendingSerial;
    }
    SwitchOffRecording(nFlag, nSerial);
    std::lock_guard<std::mutex> lock(m_switchOffMutex);
    m_bSwitchOffDone = true;
    m_switchOffChanged.notify_all();
}

const CControlPanel::RecordToggle& CControlPanel::ToggleFor(int nFlag) {
    static const RecordToggle log{REC_LOG,
                                  IDC_LOG,
                                  IDS_LOG_CREATE,
                                  IDS_LOG_CLOSE,
                                  QT_TR_NOOP("Stop Recording to Text File"),
                                  QT_TR_NOOP("Record to Text File"),
                                  &CTunerApp::m_hIconLogOn,
                                  &CTunerApp::m_hIconLogOff,
                                  &CControlPanel::StartSessionLog,
                                  &CControlPanel::StopSessionLog,
                                  false};
    static const RecordToggle wave{REC_WAVE,
                                   IDC_WAVE,
                                   IDS_WAVE_CREATE,
                                   IDS_WAVE_CLOSE,
                                   QT_TR_NOOP("Stop Recording to Wave File"),
                                   QT_TR_NOOP("Record to Wave File"),
                                   &CTunerApp::m_hIconWaveOn,
                                   &CTunerApp::m_hIconWaveOff,
                                   &CControlPanel::StartWaveRecorder,
                                   &CControlPanel::StopWaveRecorder,
                                   false};
    static const RecordToggle midi{REC_MIDI,
                                   IDC_MIDI,
                                   IDS_MIDI_CREATE,
                                   IDS_MIDI_CLOSE,
                                   QT_TR_NOOP("Stop Recording to Midi File"),
                                   QT_TR_NOOP("Record to MIDI File"),
                                   &CTunerApp::m_hIconMidiOn,
                                   &CTunerApp::m_hIconMidiOff,
                                   &CControlPanel::StartMidiRecorder,
                                   &CControlPanel::StopMidiRecorder,
                                   true};
    return nFlag == REC_LOG ? log : nFlag == REC_WAVE ? wave : midi;
}

void CControlPanel::ToggleRecording(const RecordToggle& t, bool bAfterFailure, bool bQuiet) {
    const int nFlags = m_state.m_nRecordFlags.load(std::memory_order_relaxed);
    auto* pButton = static_cast<QPushButton*>(GetDlgItem(t.nId));
    if (nFlags & t.nFlag) {
        // After a failed write the recording ends in any case: kept on, every
        // block would fail again. The log and the WAVE file keep all that was
        // written before the failure, which the user has just been told.
        const bool bStopped = (this->*t.pfnStop)(bAfterFailure);
        if (!bStopped && !bAfterFailure) {
            m_nStopFailedFlags |= t.nFlag;
            ShowMessage(t.nStopFailure, MB_ICONEXCLAMATION, Detail(m_lastProblem));
            ShowNotices();
            return;
        }
        m_nStopFailedFlags &= ~t.nFlag;
        SetMenuItemText(m_pMenu, t.nId, tr(t.pszMenuOff));
        if (m_pApp) pButton->setIcon(m_pApp->*t.pIconOff);
        pButton->setAccessibleDescription(tr("not recording"));
        const int nLeft = m_state.m_nRecordFlags.fetch_and(~t.nFlag) & ~t.nFlag;
        if (nLeft == 0) ShowIndicator(false);
        UpdateRecordingToolTip();
        // Last, so that a box with its own event loop finds the state done.
        if (!bStopped && t.bStopWritesFile && !bQuiet)
            ShowMessage(t.nStopFailure, MB_ICONEXCLAMATION, Detail(m_lastProblem));
        ShowNotices();
    } else {
        PrepareRecordingFolder();
        if (!(this->*t.pfnStart)()) {
            ShowMessage(t.nStartFailure, MB_ICONEXCLAMATION, Detail(m_lastProblem));
            return;
        }
        SetMenuItemText(m_pMenu, t.nId, tr(t.pszMenuOn));
        if (m_pApp) pButton->setIcon(m_pApp->*t.pIconOn);
        pButton->setAccessibleDescription(tr("recording"));
        m_state.m_nRecordFlags.fetch_or(t.nFlag);
        ShowIndicator(true);
        UpdateRecordingToolTip();
    }
}

void CControlPanel::ToggleLogRecording() {
    ToggleRecording(ToggleFor(REC_LOG));
}

void CControlPanel::ToggleWaveRecording() {
    ToggleRecording(ToggleFor(REC_WAVE));
}

void CControlPanel::ToggleMidiRecording() {
    if (!m_pApp || m_pApp->m_bMidiUnavailable) {
        ShowMessage(IDS_MIDI_PLUGIN_MISSING, MB_ICONINFORMATION);
        return;
    }
    ToggleRecording(ToggleFor(REC_MIDI));
}

void CControlPanel::ShowIndicator(bool bRecording) {
    GetDlgItem(IDC_RECORDING_ON)->setVisible(bRecording);
    GetDlgItem(IDC_RECORDING_OFF)->setVisible(!bRecording);
}

void CControlPanel::SetRecordingFolder(const std::string& strFolder) {
    m_strRecordingFolder = strFolder;
    m_pFolderSystem->SetFolder(strFolder);
    m_bFellBack = false;
}

std::string CControlPanel::FallbackRecordingFolder() {
    // The Music folder as the desktop names it (user-dirs.dirs), else home.
    const QString strMusic = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    std::string strReason;
    if (!strMusic.isEmpty() && strMusic != QDir::homePath() &&
        CanWriteFolder(strMusic.toLocal8Bit().toStdString(), strReason))
        return strMusic.toLocal8Bit().toStdString();
    return QDir::homePath().toLocal8Bit().toStdString();
}

void CControlPanel::PrepareRecordingFolder() {
    if (!m_strRecordingFolder.empty() || m_bFellBack) return;
    std::string strReason;
    if (CanWriteFolder(".", strReason)) return;
    const std::string strFolder = FallbackRecordingFolder();
    m_pFolderSystem->SetFolder(strFolder);
    m_bFellBack = true;
    ShowMessageText(tr("The working folder %1 cannot be written (%2): recordings go to %3")
                        .arg(QDir::currentPath(), QString::fromLocal8Bit(strReason.c_str()),
                             QString::fromLocal8Bit(strFolder.c_str())),
                    MB_ICONINFORMATION);
}

void CControlPanel::UpdateRecordingToolTip() {
    QStringList files;
    {
        std::lock_guard<std::mutex> lock(m_recorderMutex);
        if (m_pSessionLog) files << QString::fromLocal8Bit(m_pSessionLog->GetFileName().c_str());
        if (m_pWaveRecorder)
            files << QString::fromLocal8Bit(m_pWaveRecorder->GetFileName().c_str());
        if (m_pMidiRecorder) files << QString::fromLocal8Bit(m_pMidiRecorder->FileName().c_str());
    }
    for (QString& strFile : files) strFile = QFileInfo(strFile).absoluteFilePath();
    GetDlgItem(IDC_RECORDING_ON)
        ->setToolTip(files.isEmpty() ? QString()
                                     : tr("Recording to:") + QLatin1Char('\n') + files.join('\n'));
}

void CControlPanel::ToggleFreeze() {
    auto* pText = static_cast<QLabel*>(GetDlgItem(IDC_FREEZE_TEXT));
    if (m_state.m_bFrozen.load(std::memory_order_relaxed)) {
        SetMenuItemText(m_pMenu, IDC_FREEZE, tr("Freeze Spectrum"));
        if (m_pApp) m_pFreezeButton->setIcon(m_pApp->m_hIconFreeze);
        pText->setText(tr("Freeze Spectrum"));
        m_pFreezeButton->setAccessibleDescription(tr("running"));
        m_state.m_bFrozen.store(0, std::memory_order_relaxed);
    } else {
        SetMenuItemText(m_pMenu, IDC_FREEZE, tr("Thaw Spectrum"));
        if (m_pApp) m_pFreezeButton->setIcon(m_pApp->m_hIconFrozen);
        pText->setText(tr("Thaw Spectrum"));
        m_pFreezeButton->setAccessibleDescription(tr("frozen"));
        m_state.m_bFrozen.store(1, std::memory_order_relaxed);
    }
}

bool CControlPanel::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pObject == m_pSnapshotButton && pEvent->type() == QEvent::FocusIn) {
        if (m_pApp) m_pSnapshotButton->setIcon(m_pApp->m_hIconSnapshotDown);
        TakeSnapshot();
    }
    return QWidget::eventFilter(pObject, pEvent);
}

void CControlPanel::TakeSnapshot() {
    QWidget* pMain = window();
    // The whole window area, frame and caption included where the window
    // system gives one; the window's own picture otherwise.
    QImage image;
    const QRect frame = pMain->frameGeometry();
    if (QScreen* pScreen = pMain->screen())
        image =
            pScreen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    if (image.isNull() || image.size() != frame.size()) image = pMain->grab().toImage();
    ++m_nSnapshots;
    m_lastSnapshot = image;
    if (m_bSnapshotToClipboard) QGuiApplication::clipboard()->setImage(image);
}

bool CControlPanel::MayExit() {
    const int nFlags = m_state.m_nRecordFlags.load(std::memory_order_relaxed);
    if (nFlags == 0) return true;
    const int nStuck = nFlags & m_nStopFailedFlags;
    if (nStuck == 0) {
        ShowMessage(IDS_STOP_RECORDING, MB_ICONEXCLAMATION);
        return false;
    }
    // A stop that failed may fail for ever (a folder that is gone, a full
    // disk): the user decides, knowing what is lost.
    QStringList lost;
    {
        std::lock_guard<std::mutex> lock(m_recorderMutex);
        if ((nStuck & REC_MIDI) && m_pMidiRecorder)
            lost << tr("the MIDI recording %1, which is written only when it stops")
                        .arg(QString::fromLocal8Bit(m_pMidiRecorder->FileName().c_str()));
        if ((nStuck & REC_LOG) && m_pSessionLog)
            lost << tr("the end of the text log %1")
                        .arg(QString::fromLocal8Bit(m_pSessionLog->GetFileName().c_str()));
        if ((nStuck & REC_WAVE) && m_pWaveRecorder)
            lost << tr("the end of the wave file %1")
                        .arg(QString::fromLocal8Bit(m_pWaveRecorder->GetFileName().c_str()));
    }
    const QString text = tr("A recording could not be stopped. Exiting now loses %1.\nExit anyway?")
                             .arg(lost.join(QStringLiteral("; ")));
    if (!AskYesNo(text, MB_ICONEXCLAMATION)) return false;
    for (int nFlag : {REC_MIDI, REC_WAVE, REC_LOG})
        if (m_state.m_nRecordFlags.load(std::memory_order_relaxed) & nFlag)
            ToggleRecording(ToggleFor(nFlag), true, true);
    return true;
}

void CControlPanel::OnCancel() {
    if (!MayExit()) return;
    window()->close();
}
