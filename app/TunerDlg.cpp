// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TunerDlg.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "analysis/NoteTable.h"
#include "app/AboutDlg.h"
#include "app/AppIds.h"
#include "app/ControlPanel.h"
#include "app/NoteNamesMenu.h"
#include "app/StrobeControl.h"
#include "app/TunerApp.h"
#include "app/TuningControl.h"
#include "capture/CaptureDevices.h"
#include "capture/CaptureEngine.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "dialogs/ReferenceToneDlg.h"
#include "platform/system/ProgramVersion.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "recording/LogToMidi.h"
#include "recording/RecordingRecovery.h"
#include "resources/AppResources.h"
#include "resources/CoreTexts.h"
#include "resources/Resource.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"

namespace {
// How long the close waits for the capture thread before it gives up on it.
constexpr uint32_t CLOSE_TIME_LIMIT_MS = 5000;
// How long the name of a file made by Convert Text File to MIDI stays shown.
constexpr int MADE_FILE_NOTICE_MS = 4000;

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}
COLORREF FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

void ConnectCommands(QMenu* pMenu, const std::function<void(unsigned)>& fnCommand) {
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->menu()) {
            ConnectCommands(pAction->menu(), fnCommand);
        } else if (!pAction->isSeparator()) {
            const unsigned nId = GetMenuItemId(pAction);
            QObject::connect(pAction, &QAction::triggered, pMenu,
                             [fnCommand, nId] { fnCommand(nId); });
        }
    }
}
}  // namespace

void CTunerClient::resizeEvent(QResizeEvent* pEvent) {
    QWidget::resizeEvent(pEvent);
    if (m_fnOnSize) m_fnOnSize(size());
}

CTunerDlg::CTunerDlg(CTunerApp* pApp, ICaptureSystem& system, QWidget* pParent)
    : QDialog(pParent),
      m_pApp(pApp),
      m_system(system),
      m_pAnalyser(std::make_unique<CPitchAnalyser>()) {
    m_hIcon = ApplicationIcon(IDR_MAINFRAME);
    // A top-level application window with a minimise box and no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_font.CreateDialogFont();
    setFont(m_font.GetQFont());
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setNativeMenuBar(false);
    m_pClient = new CTunerClient(this);
    m_pClient->setAutoFillBackground(true);
}

CTunerDlg::~CTunerDlg() {
    m_bClosing = true;
    if (m_pEngine)
        m_pEngine->Close(
            [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
            CLOSE_TIME_LIMIT_MS);
    // The views point into the analyser: they go before it does.
    delete m_pClient;
    m_pClient = nullptr;
    delete m_pMenu;
}

bool CTunerDlg::ChooseCaptureDevice() {
    if (!m_strSource.empty()) return true;
    CCaptureDeviceList list;
    EnumerateCaptureDevices(m_system, list);
    if (!NeedsDeviceSelection(list)) return true;
    CCaptureDeviceDlg dlg(this);
    dlg.FillList(list);
    if (dlg.exec() != QDialog::Accepted) return false;
    m_strSource = ChosenCaptureDevice(list, dlg.GetSelection());
    return true;
}

bool CTunerDlg::OnInitDialog() {
    LoadStartSettings();
    if (!ChooseCaptureDevice()) {
        m_bQuit = true;
        m_nQuitCode = 0;
        return false;
    }
    setWindowIcon(m_hIcon);

    const std::string strVersion = GetProgramVersion();
    if (strVersion.empty()) ShowMessage(174, MB_ICONINFORMATION);
    // The caption in the user's language; the single-instance lock keeps
    // the designed one (CTunerApp::MainWindowCaption) as its key.
    setWindowTitle(strVersion.empty()
                       ? QString::fromStdString(CTunerApp::MainWindowCaption(strVersion))
                       : tr("Kalvo - version %1").arg(QString::fromStdString(strVersion)));
    if (m_pApp) m_pApp->m_strVersion = strVersion;

    // The menu first: its bar's height decides the window's height.
    BuildMenu();
    const int nMenuHeight = m_pMenuBar->sizeHint().height();
    m_pMenuBar->setGeometry(0, 0, CLIENT_WIDTH, nMenuHeight);
    m_pClient->setGeometry(0, nMenuHeight, CLIENT_WIDTH, CLIENT_HEIGHT);
    m_initialSize = QSize(CLIENT_WIDTH, nMenuHeight + CLIENT_HEIGHT);
    resize(m_initialSize);

    m_pControlPanel = new CControlPanel(m_pApp, m_pClient);
    m_pControlPanel->OnInitDialog();
    m_pControlPanel->move(0, 205);
    m_pControlPanel->show();
    m_pAnalyser->SetControlState(&m_pControlPanel->m_state);
    m_pAnalyser->SetHost(this);

    m_pColorDialog = new QColorDialog(this);
    m_pControlPanel->SetMenu(m_pMenu);
    CreateViews();
    SetNoteNaming(m_nNoteNaming);
    m_pTuningControl = std::make_unique<CTuningControl>(*m_pAnalyser, *m_pControlPanel);
    m_pControlPanel->m_fnOnA5Changed = [this](int nA5) { m_pTuningControl->OnA5Changed(nA5); };
    m_pControlPanel->m_fnTuningTitle = [this] { return m_pTuningControl->GetTitle(); };

    m_crBackground = RGB(255, 255, 240);
    ApplyBackground();
    m_laidOutClient = m_pClient->size();
    m_pClient->m_fnOnSize = [this](const QSize& client) { OnSize(!isMinimized(), client); };

    if (m_bApplyStartSettings) ApplySettings(m_startSettings);
    StartCapture();
    return true;
}

int CTunerDlg::Run() {
    if (!OnInitDialog()) return m_nQuitCode;
    exec();
    return m_nQuitCode;
}

void CTunerDlg::BuildMenu() {
    m_pMenu = new QMenu();
    QMenu* pFile = m_pMenu->addMenu(tr("&File"));
    AppendMenuItem(pFile, IDC_MIDI, tr("Record to &Midi File"));
    AppendMenuItem(pFile, IDC_WAVE, tr("Record to &Wave File"));
    AppendMenuItem(pFile, IDC_LOG, tr("Record to &Text File"));
    pFile->addSeparator();
    AppendMenuItem(pFile, ID_CONVERT_TO_MIDI, tr("&Convert Text File to MIDI"));
    pFile->addSeparator();
    AppendMenuItem(pFile, ID_EXIT, tr("E&xit"));

    QMenu* pSettings = m_pMenu->addMenu(tr("&Settings"));
    AppendMenuItem(pSettings, ID_SETTINGS_MIDI, tr("&Midi"));
    AppendMenuItem(pSettings, ID_SETTINGS_FFT, tr("&FFT Parameters"));
    AppendMenuItem(pSettings, ID_SETTINGS_SPECTRUM, tr("&Spectrum", "Settings menu"));
    QMenu* pSnapshot = pSettings->addMenu(tr("Snapshot"));
    AppendMenuItem(pSnapshot, ID_SNAPSHOT_CLIPBOARD, tr("to Clipboard"));
    AppendMenuItem(pSnapshot, ID_SNAPSHOT_FILE, tr("to File"))->setEnabled(false);
    // Beyond the designed menu: the player's choice of pitch method, the
    // dominant frequency by default. Its access key is P: M opens Midi.
    QMenu* pMethod = pSettings->addMenu(tr("&Pitch Method"));
    auto* pMethodGroup = new QActionGroup(pMethod);
    pMethodGroup->addAction(AppendMenuItem(pMethod, ID_PITCH_DOMINANT, tr("&Dominant Frequency")));
    pMethodGroup->addAction(
        AppendMenuItem(pMethod, ID_PITCH_FUNDAMENTAL, tr("Fundamental (&Harmonic Instruments)")));
    CheckMenuItem(pMethod, ID_PITCH_DOMINANT, true);
    CheckMenuItem(pMethod, ID_PITCH_FUNDAMENTAL, false);
    AppendMenuItem(pSettings, ID_SETTINGS_TUNING, tr("&Tuning..."));
    AppendMenuItem(pSettings, ID_SETTINGS_REFERENCE_TONE, tr("Reference Ton&e..."));
    AppendNoteNamesMenu(pSettings);
    SetNoteNaming(m_nNoteNaming);
    // Also beyond it: where recordings go, and settings kept between runs
    // (off at first, so that nothing is stored unless asked).
    pSettings->addSeparator();
    AppendMenuItem(pSettings, ID_RECORDING_FOLDER, tr("Recording F&older..."));
    AppendMenuItem(pSettings, ID_REMEMBER_SETTINGS, tr("&Remember Settings"));
    CheckMenuItem(pSettings, ID_REMEMBER_SETTINGS, m_bRemember);

    QMenu* pView = m_pMenu->addMenu(tr("&View"));
    AppendMenuItem(pView, ID_VIEW_DAMPING, tr("Cent Meter &Damping"));
    CheckMenuItem(pView, ID_VIEW_DAMPING, true);
    QMenu* pRefresh = pView->addMenu(tr("&Refresh Rate"));
    AppendMenuItem(pRefresh, ID_REFRESH_HIGH, tr("High"));
    AppendMenuItem(pRefresh, ID_REFRESH_NORMAL, tr("Normal"));
    AppendMenuItem(pRefresh, ID_REFRESH_LOW, tr("Low"));
    CheckMenuItem(pRefresh, ID_REFRESH_HIGH, true);
    CheckMenuItem(pRefresh, ID_REFRESH_NORMAL, false);
    CheckMenuItem(pRefresh, ID_REFRESH_LOW, false);
    AppendMenuItem(pView, ID_VIEW_SHARPS, tr("&Show Sharps in Note Area"));
    // Beyond the designed menu: the last settled reading kept on show.
    AppendMenuItem(pView, ID_VIEW_HOLD, tr("&Hold Last Reading"));
    CheckMenuItem(pView, ID_VIEW_HOLD, false);
    AppendMenuItem(pView, IDC_FREEZE, tr("&Freeze Spectrum"));
    CStrobeControl::AppendMenuItems(pView);

    QMenu* pColors = m_pMenu->addMenu(tr("&Colors"));
    AppendMenuItem(pColors, ID_COLORS_BACKGROUND, tr("&Background"));
    AppendMenuItem(pColors, ID_COLORS_SPECTRUM, tr("&Spectrum", "Colors menu: the curve"));
    AppendMenuItem(pColors, ID_COLORS_SPECTRUM_AREA, tr("Spectrum &Area"));
    pColors->addSeparator();
    AppendMenuItem(pColors, ID_COLORS_DEFAULT, tr("&Default Colors"));

    QMenu* pAbout = m_pMenu->addMenu(tr("&About"));
    AppendMenuItem(pAbout, IDM_ABOUTBOX, tr("About Kalvo..."));
    AppendMenuItem(pAbout, ID_ACKNOWLEDGEMENTS, tr("Acknowledgements"));

    for (QAction* pAction : m_pMenu->actions()) m_pMenuBar->addAction(pAction);
    ConnectCommands(m_pMenu, [this](unsigned nId) { OnCommand(nId); });
}

void CTunerDlg::CreateViews() {
    const QSize client = m_pClient->size();
    if (!m_pNoteArea) {
        m_pNoteArea = new CNoteArea(&m_pAnalyser->m_noteSearch, m_pClient);
        m_pNoteArea->setGeometry(10, 10, 120, 120);
        m_pNoteArea->m_pFont = &m_font;
        m_pNoteArea->setFont(m_font.GetQFont());
        m_pNoteArea->SetReadingSources(&m_pAnalyser->m_centCounter,
                                       &m_pAnalyser->m_frequencyDigits);
        m_pNoteArea->SetHold(&m_pAnalyser->m_hold);
        m_pNoteArea->show();
    }
    if (!m_pCentMeter) {
        m_pCentMeter = new CCentMeter(&m_pAnalyser->m_centCounter, m_pClient);
        m_pCentMeter->SetHold(&m_pAnalyser->m_hold);
        m_pCentMeter->setGeometry(10, 130, CCentMeter::WIDTH, CCentMeter::HEIGHT);
        m_pCentMeter->show();
    }
    if (!m_pFrequencyDisplay) {
        m_pFrequencyDisplay = new CFrequencyDisplay(&m_pAnalyser->m_frequencyDigits, m_pClient);
        m_pFrequencyDisplay->SetHold(&m_pAnalyser->m_hold);
        m_pFrequencyDisplay->setGeometry(10, 175, CFrequencyDisplay::WIDTH,
                                         CFrequencyDisplay::HEIGHT);
        m_pFrequencyDisplay->show();
    }
    if (!m_pSpectrumArea) {
        m_pSpectrumArea = new CSpectrumArea(&m_pAnalyser->m_spectrum, m_pClient);
        m_pSpectrumArea->m_pFont = &m_font;
        m_pSpectrumArea->setFont(m_font.GetQFont());
        m_pSpectrumArea->GetColumns()->m_nDynamicRange.store(static_cast<int>(m_nDynamicRange));
        m_pSpectrumArea->SetZoomFunction(m_pApp ? m_pApp->m_pfnZoom : nullptr);
        m_pSpectrumArea->SetSize(client.width() - 170, client.height() - 135);
        m_pSpectrumArea->move(150, 10);
        m_pSpectrumArea->show();
    }
    if (!m_pStrobeControl)
        m_pStrobeControl = std::make_unique<CStrobeControl>(*m_pAnalyser, m_pSpectrumArea, &m_font);
}

void CTunerDlg::StartCapture() {
    m_pEngine = std::make_unique<CCaptureEngine>(m_system, *m_pAnalyser);
    m_pEngine->SetCaptureDevice(m_strSource);
    // The panel owns the WAVE recorder: it is the engine's sink while the
    // recording is on, and after a failed write it shows 161 and has the
    // recording switched off on this thread while the capture thread waits
    // (the close pumps events meanwhile).
    m_pControlPanel->SetCaptureEngine(m_pEngine.get());
    m_pEngine->SetWaveWriteFailedHandler([this] { m_pControlPanel->OnWaveWriteFailed(); });
    const CaptureStartUp s = m_pEngine->StartUp();
    if (s.bOk) {
        // The device reports a lost server only when asked: ask twice a second.
        m_pCaptureWatch = new QTimer(this);
        connect(m_pCaptureWatch, &QTimer::timeout, this, [this] { CheckCaptureStatus(); });
        m_pCaptureWatch->start(500);
        return;
    }
    // The designed boxes, each with the real cause beneath and a way on: the
    // window idles without sound.
    m_bCaptureFailed = true;
    QString detail = QString::fromLocal8Bit(s.strExplanation.c_str());
    if (!detail.isEmpty()) detail += QLatin1Char('\n');
    detail += tr("Start with --demo to try the tuner without a sound card");
    if (s.nMessage) ShowMessage(static_cast<unsigned>(s.nMessage), MB_ICONEXCLAMATION, detail);
    if (s.nDetailMessage) ShowMessage(static_cast<unsigned>(s.nDetailMessage), MB_ICONSTOP, detail);
    if (!s.strPlatformError.empty())
        std::fprintf(stderr, "kalvo: %s\n", s.strPlatformError.c_str());
}

void CTunerDlg::CheckCaptureStatus() {
    if (m_bClosing || !m_pEngine) return;
    uint32_t dwStatus = 0;
    if (SUCCEEDED(m_pEngine->GetCaptureStatus(&dwStatus))) return;
    // Once: the timer stops before the (modal) message is shown.
    m_pCaptureWatch->stop();
    ShowMessage(IDS_CAPTURE_LOST, MB_ICONEXCLAMATION);
}

void CTunerDlg::ApplyBackground() {
    m_crText = m_crBackground ^ 0x00DFDFDF;
    QPalette pal = m_pClient->palette();
    pal.setColor(QPalette::Window, ToQColor(m_crBackground));
    pal.setColor(QPalette::WindowText, ToQColor(m_crText));
    m_pClient->setPalette(pal);
    m_pClient->update();
}

void CTunerDlg::AddReadingLine(const std::string& line, int nRecordFlags) {
    if (m_pControlPanel && !m_bClosing) m_pControlPanel->AddReadingLine(line, nRecordFlags);
}

void CTunerDlg::RefreshViews() {
    unsigned nCounter = m_nRefreshCounter.load(std::memory_order_relaxed);
    switch (m_nRefreshRate.load(std::memory_order_relaxed)) {
        case 0:
            nCounter = 0;
            break;
        case 1:
            nCounter = (nCounter + 1) % 2;
            break;
        case 2:
            nCounter = (nCounter + 1) % 3;
            break;
        default:
            nCounter = 0;
            break;
    }
    m_nRefreshCounter.store(nCounter, std::memory_order_relaxed);
    // Once the close has begun nothing more is asked of the user-interface
    // thread; a request already queued finds the flag and returns.
    const bool bDue = nCounter == 0 && m_pControlPanel &&
                      !m_pControlPanel->m_state.m_bFrozen.load(std::memory_order_relaxed) &&
                      !m_bClosing;
    if (bDue) {
        if (QThread::currentThread() == thread())
            RepaintViews();
        else
            QMetaObject::invokeMethod(this, "RepaintViews", Qt::BlockingQueuedConnection);
    }
    m_nRefreshCalls.fetch_add(1);
}

void CTunerDlg::RepaintViews() {
    if (m_bClosing) return;
    // Only the views whose picture changed are drawn, and sent to the screen
    // together: one repaint paints everything scheduled in the window.
    CBufferedWindow* apViews[] = {m_pNoteArea, m_pFrequencyDisplay, m_pSpectrumArea, m_pCentMeter};
    CBufferedWindow* pChanged = nullptr;
    QRect changed;
    for (CBufferedWindow* pView : apViews) {
        const QRect rect = pView ? pView->UpdateIfChanged() : QRect();
        if (!rect.isEmpty()) {
            pChanged = pView;
            changed = rect;
        }
    }
    if (pChanged) pChanged->repaint(changed);
    m_nRepaints.fetch_add(1);
}

void CTunerDlg::OnFftSizeRefused() {
    if (!m_bClosing) ShowMessage(IDS_FFT_PARAMETER, MB_ICONSTOP);
}

void CTunerDlg::OnCancel() {
    if (m_bClosing) return;
    if (m_pControlPanel && !m_pControlPanel->MayExit()) return;
    SaveSettingsIfRemembered();
    m_bClosing = true;
    // The capture thread may be waiting for a repaint or a message box on
    // this thread: keep serving those until it has ended.
    if (m_pEngine)
        m_pEngine->Close(
            [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
            CLOSE_TIME_LIMIT_MS);
    // A run that never captured tells its caller so.
    m_nQuitCode = m_bCaptureFailed ? EXIT_CAPTURE_FAILED : 0;
    done(0);
}

void CTunerDlg::closeEvent(QCloseEvent* pEvent) {
    // The close box goes through the close procedure, which hides the
    // window itself when it agrees.
    pEvent->ignore();
    OnCancel();
}

void CTunerDlg::resizeEvent(QResizeEvent* pEvent) {
    QDialog::resizeEvent(pEvent);
    const int nMenuHeight = m_pMenuBar->sizeHint().height();
    m_pMenuBar->setGeometry(0, 0, width(), nMenuHeight);
    m_pClient->setGeometry(0, nMenuHeight, width(), std::max(0, height() - nMenuHeight));
}

void CTunerDlg::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    ApplySizeLimits();
}

void CTunerDlg::ApplySizeLimits() {
    // The tracking limits are for the whole window; the window system's frame
    // (none without a window manager) is taken off. The designed first size
    // is narrower than the designed minimum on a frameless window, so the
    // minimum never goes above the first size.
    const QSize frame = frameGeometry().size() - size();
    const QSize initial = m_initialSize.isValid() ? m_initialSize : size();
    setMinimumSize(std::min(MIN_TRACK_WIDTH - frame.width(), initial.width()),
                   std::min(MIN_TRACK_HEIGHT - frame.height(), initial.height()));
    setMaximumSize(MAX_TRACK_WIDTH - frame.width(), MAX_TRACK_HEIGHT - frame.height());
}

void CTunerDlg::OnSize(bool bRestored, const QSize& client) {
    if (!bRestored || !m_pSpectrumArea || m_bClosing) return;
    // The first layout is made at creation; a resize that leaves the client
    // as it is laid out is none of the user's.
    if (client == m_laidOutClient) return;
    if (m_pApp && m_pApp->m_bDisplayUnavailable) {
        if (m_bInSizeMessage) return;
        m_bInSizeMessage = true;
        ShowMessage(IDS_DISPLAY_PLUGIN_MISSING, MB_ICONINFORMATION);
        m_bInSizeMessage = false;
        return;
    }
    LayoutChildren(client);
}

void CTunerDlg::LayoutChildren(const QSize& client) {
    const int nWidth = std::max(client.width() - 170, CSpectrumArea::MIN_WIDTH);
    const int nHeight = std::max(client.height() - 135, CSpectrumArea::MIN_HEIGHT);
    m_pSpectrumArea->SetSize(nWidth, nHeight);
    m_pSpectrumArea->move(150, 10);
    m_pSpectrumArea->update();
    if (m_pStrobeControl) m_pStrobeControl->Layout();
    m_pControlPanel->move(0, 10 + nHeight);
    m_pControlPanel->repaint();
    m_laidOutClient = client;
}

void CTunerDlg::SetRefreshRate(int nRate) {
    m_nRefreshRate.store(nRate, std::memory_order_relaxed);
    CheckMenuItem(m_pMenu, ID_REFRESH_HIGH, nRate == 0);
    CheckMenuItem(m_pMenu, ID_REFRESH_NORMAL, nRate == 1);
    CheckMenuItem(m_pMenu, ID_REFRESH_LOW, nRate == 2);
}

void CTunerDlg::OnColorCommand(unsigned nId) {
    if (nId == ID_COLORS_DEFAULT) {
        m_crBackground = RGB(255, 255, 240);
        ApplyBackground();
        m_pClient->repaint();
        m_pSpectrumArea->SetDefaultColors();
        return;
    }
    if (m_pColorDialog->exec() != QDialog::Accepted) return;
    SetColor(nId, FromQColor(m_pColorDialog->selectedColor()));
}

void CTunerDlg::SetColor(unsigned nId, COLORREF cr) {
    switch (nId) {
        case ID_COLORS_BACKGROUND:
            m_pControlPanel->SetBackgroundColor(cr);
            m_crBackground = cr;
            ApplyBackground();
            m_pClient->repaint();
            m_pControlPanel->repaint();
            break;
        case ID_COLORS_SPECTRUM:
            m_pSpectrumArea->SetSpectrumColor(cr);
            break;
        case ID_COLORS_SPECTRUM_AREA:
            m_pSpectrumArea->m_crBackground = cr;
            break;
        default:
            break;
    }
}

namespace {
// The conversion's windows and the capture, for ConvertLogToMidi.
class CTunerLogToMidiHost : public CLogToMidiHost {
public:
    CTunerLogToMidiHost(CCaptureEngine* pEngine, QWidget* pClient,
                        std::function<bool(std::string&)> fnChoose)
        : m_pEngine(pEngine), m_pClient(pClient), m_fnChoose(std::move(fnChoose)) {}
    ~CTunerLogToMidiHost() override { HideNotice(); }

    bool StopCapture() override { return m_pEngine && SUCCEEDED(m_pEngine->Stop()); }
    bool ChooseLogFile(std::string& strPath) override { return m_fnChoose(strPath); }
    bool StartCapture() override { return m_pEngine && SUCCEEDED(m_pEngine->Start()); }
    void ShowNotice() override {
        auto* pNotice = new QLabel(LogToMidiNoticeText(), m_pClient);
        pNotice->setObjectName(QStringLiteral("ConvertToMidiNotice"));
        pNotice->setAlignment(Qt::AlignCenter);
        pNotice->setFrameStyle(QFrame::Box | QFrame::Plain);
        pNotice->setLineWidth(1);
        pNotice->setAutoFillBackground(true);
        pNotice->setGeometry((m_pClient->width() - LOG_TO_MIDI_NOTICE_WIDTH) / 2,
                             (m_pClient->height() - LOG_TO_MIDI_NOTICE_HEIGHT) / 2,
                             LOG_TO_MIDI_NOTICE_WIDTH, LOG_TO_MIDI_NOTICE_HEIGHT);
        pNotice->show();
        pNotice->raise();
        // The plug-in blocks this thread: paint now, or the notice would
        // only appear after it has gone.
        m_pClient->window()->repaint();
        m_pNotice = pNotice;
    }
    void HideNotice() override {
        delete m_pNotice;
        m_pNotice = nullptr;
    }
    // The made file's name stays in view a few seconds after the notice,
    // without holding up the window: it need not be the log's name with
    // .mid, as an existing file is never replaced.
    void ShowMadeFile(const std::string& strMidiFile) override {
        const QString path = QString::fromLocal8Bit(strMidiFile.c_str());
        auto* pLabel = new QLabel(QCoreApplication::translate("CTunerDlg", "MIDI file written: %1")
                                      .arg(QFileInfo(path).fileName()),
                                  m_pClient);
        pLabel->setObjectName(QStringLiteral("ConvertToMidiResult"));
        pLabel->setToolTip(path);
        pLabel->setAlignment(Qt::AlignCenter);
        pLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
        pLabel->setAutoFillBackground(true);
        const int nWidth = std::min(m_pClient->width(), std::max(LOG_TO_MIDI_NOTICE_WIDTH,
                                                                 pLabel->sizeHint().width() + 16));
        pLabel->setGeometry((m_pClient->width() - nWidth) / 2,
                            (m_pClient->height() - LOG_TO_MIDI_NOTICE_HEIGHT) / 2, nWidth,
                            LOG_TO_MIDI_NOTICE_HEIGHT);
        pLabel->show();
        pLabel->raise();
        QTimer::singleShot(MADE_FILE_NOTICE_MS, pLabel, &QObject::deleteLater);
    }

private:
    CCaptureEngine* m_pEngine;
    QWidget* m_pClient;
    std::function<bool(std::string&)> m_fnChoose;
    QLabel* m_pNotice = nullptr;
};
}  // namespace

bool CTunerDlg::ChooseLogFile(std::string& strPath) {
    if (m_fnChooseLogFile) return m_fnChooseLogFile(strPath);
    // Any name may be chosen; the conversion checks only that it can be read.
    QFileDialog dlg(this);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDirectory(QDir::currentPath());
    dlg.setNameFilter(QString::fromUtf8(LOG_TO_MIDI_INITIAL_NAME));
    dlg.setDefaultSuffix(QString::fromUtf8(LOG_TO_MIDI_DEFAULT_EXTENSION));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    strPath = dlg.selectedFiles().first().toStdString();
    return true;
}

void CTunerDlg::OnConvertToMidi() {
    if (!m_pApp || m_pApp->m_bMidiUnavailable || !m_pApp->m_midiPlugin.m_pfnLogToMidi) {
        ShowMessage(IDS_MIDI_PLUGIN_MISSING, MB_ICONINFORMATION);
        return;
    }
    CTunerLogToMidiHost host(m_pEngine.get(), m_pClient,
                             [this](std::string& strPath) { return ChooseLogFile(strPath); });
    const LogToMidiOutcome outcome = ConvertLogToMidi(m_pApp->m_midiPlugin, host);
    if (outcome.bPluginMissing) ShowMessage(IDS_MIDI_PLUGIN_MISSING, MB_ICONINFORMATION);
    for (unsigned nMessage : outcome.messages) {
        // The file and the system's reason beneath "Cannot open log file".
        const QString detail =
            nMessage == IDS_LOG_TO_MIDI_CANNOT_OPEN
                ? RecordingProblemText({outcome.strPath, outcome.nOpenError, {}, false})
                : QString();
        ShowMessage(nMessage,
                    nMessage == IDS_LOG_TO_MIDI_CANNOT_CAPTURE ? MB_ICONSTOP : MB_ICONEXCLAMATION,
                    detail);
    }
}

void CTunerDlg::OnCommand(unsigned nId) {
    if (m_bClosing) return;
    switch (nId) {
        case IDC_MIDI:
            m_pControlPanel->ToggleMidiRecording();
            break;
        case IDC_WAVE:
            m_pControlPanel->ToggleWaveRecording();
            break;
        case IDC_LOG:
            m_pControlPanel->ToggleLogRecording();
            break;
        case IDC_FREEZE:
            m_pControlPanel->ToggleFreeze();
            break;
        case ID_EXIT:
            OnCancel();
            break;
        case ID_CONVERT_TO_MIDI:
            OnConvertToMidi();
            break;
        case ID_SETTINGS_MIDI:
            if (m_dlgMidi.exec() != QDialog::Accepted) break;
            if (!m_pApp || m_pApp->m_bMidiUnavailable ||
                !m_dlgMidi.WriteToPlugin(m_pApp->m_midiPlugin))
                ShowMessage(IDS_MIDI_PLUGIN_MISSING, MB_ICONINFORMATION);
            break;
        case ID_SETTINGS_FFT:
            if (m_dlgFft.exec() == QDialog::Accepted) m_dlgFft.Apply(*m_pAnalyser);
            break;
        case ID_SETTINGS_TUNING:
            m_pTuningControl->OnCommand(this);
            break;
        case ID_SETTINGS_REFERENCE_TONE:
            ShowReferenceToneDlg(this, CurrentSettings().tuning);
            break;
        case ID_SETTINGS_SPECTRUM: {
            const bool bDisplay = m_pApp && !m_pApp->m_bDisplayUnavailable;
            m_dlgSpectrum.SetDisplayPluginAvailable(bDisplay);
            if (m_dlgSpectrum.exec() == QDialog::Accepted)
                m_dlgSpectrum.Apply(&m_nDynamicRange, m_pSpectrumArea,
                                    bDisplay ? m_pApp->m_pfnSetRange : nullptr);
            break;
        }
        case ID_SNAPSHOT_CLIPBOARD:
            m_pControlPanel->m_bSnapshotToClipboard = 1;
            break;
        case ID_PITCH_DOMINANT:
        case ID_PITCH_FUNDAMENTAL: {
            // Read in the snapshot at the start of each block: the next block
            // uses it.
            const int nMethod =
                nId == ID_PITCH_FUNDAMENTAL ? PITCH_METHOD_FUNDAMENTAL : PITCH_METHOD_DOMINANT;
            m_pAnalyser->m_nPitchMethod.store(nMethod, std::memory_order_relaxed);
            CheckMenuItem(m_pMenu, ID_PITCH_DOMINANT, nMethod == PITCH_METHOD_DOMINANT);
            CheckMenuItem(m_pMenu, ID_PITCH_FUNDAMENTAL, nMethod == PITCH_METHOD_FUNDAMENTAL);
            break;
        }
        case ID_VIEW_DAMPING: {
            std::atomic<int>& bDamping = m_pAnalyser->m_centCounter.m_bDamping;
            const int bNew = bDamping.load() ? 0 : 1;
            bDamping.store(bNew);
            CheckMenuItem(m_pMenu, ID_VIEW_DAMPING, bNew == 1);
            break;
        }
        case ID_REFRESH_HIGH:
            SetRefreshRate(0);
            break;
        case ID_REFRESH_NORMAL:
            SetRefreshRate(1);
            break;
        case ID_REFRESH_LOW:
            SetRefreshRate(2);
            break;
        case ID_VIEW_SHARPS:
            m_pNoteArea->m_bSharps = m_pNoteArea->m_bSharps ? 0 : 1;
            SetMenuItemText(m_pMenu, ID_VIEW_SHARPS,
                            m_pNoteArea->m_bSharps ? tr("Show flats in note area")
                                                   : tr("Show sharps in note area"));
            break;
        case ID_VIEW_HOLD:
            m_pAnalyser->m_hold.SetEnabled(!m_pAnalyser->m_hold.IsEnabled());
            CheckMenuItem(m_pMenu, ID_VIEW_HOLD, m_pAnalyser->m_hold.IsEnabled());
            RepaintViews();
            break;
        case ID_COLORS_BACKGROUND:
        case ID_COLORS_SPECTRUM:
        case ID_COLORS_SPECTRUM_AREA:
        case ID_COLORS_DEFAULT:
            OnColorCommand(nId);
            break;
        case IDM_ABOUTBOX: {
            CAboutDlg dlg(this);
            dlg.exec();
            break;
        }
        case ID_RECORDING_FOLDER:
            OnRecordingFolder();
            break;
        case ID_REMEMBER_SETTINGS:
            OnRememberSettings();
            break;
        case ID_ACKNOWLEDGEMENTS: {
            CAcknowledgementsDlg dlg(this);
            dlg.exec();
            break;
        }
        default:
            if (NoteNamingOfCommand(nId) >= 0) SetNoteNaming(NoteNamingOfCommand(nId));
            if (m_pStrobeControl) m_pStrobeControl->OnCommand(nId, m_pMenu);
            break;
    }
}

void CTunerDlg::LoadStartSettings() {
    const CAppOptions options = m_pApp ? m_pApp->GetOptions() : CAppOptions{};
    const QString strPath = SettingsFilePath();
    CAppSettings s;
    QStringList bad;
    std::string strReason;
    const ESettingsFile read =
        options.bDefaults ? ESettingsFile::None : ReadSettingsFile(strPath, s, bad, strReason);
    m_bRemember = read != ESettingsFile::None || QFileInfo(strPath).isFile();
    // A file that could not be read is the user's, not ours to replace.
    m_bSaveAtExit = read == ESettingsFile::Read;
    if (read == ESettingsFile::Refused)
        ShowMessageText(tr("Cannot read the remembered settings in %1 (%2). This run "
                           "starts with the default settings and leaves the file as "
                           "it is.")
                            .arg(strPath, QString::fromLocal8Bit(strReason.c_str())),
                        MB_ICONEXCLAMATION);
    if (read == ESettingsFile::Read) {
        m_bApplyStartSettings = true;
        m_strRememberedSource = s.strSource;
        // The remembered source only when listening to the sound server, and
        // only while the server lists it; without an answer it is tried, and
        // the capture's message says why it fails.
        const bool bServer = options.strInput.empty() && !options.bDemo;
        if (bServer && m_strSource.empty() && !s.strSource.empty()) {
            CCaptureDeviceList list;
            bool bFound = FAILED(EnumerateCaptureDevices(m_system, list));
            for (int i = 0; i < list.m_nCaptureDevices; ++i)
                bFound = bFound || list.m_astrCaptureDeviceIds[i] == s.strSource;
            // A source that is missing now (a USB interface unplugged) is
            // still the one to try next time.
            if (bFound)
                m_strSource = s.strSource;
            else
                m_bRememberedSourceMissing = true;
        }
    }
    // The command line wins for this run.
    for (const auto& [strName, strValue] : options.tuning) {
        std::string strError;
        if (const TuningOption* pOption = FindTuningOption(strName))
            pOption->parse(strValue, s.tuning, strError);
        m_bApplyStartSettings = true;
    }
    if (!options.strRecordDir.empty()) {
        s.strRecordFolder = options.strRecordDir;
        m_bApplyStartSettings = true;
    }
    if (options.bHold) {
        s.bHold = true;
        m_bApplyStartSettings = true;
    }
    if (options.bStrobe) {
        s.bStrobe = true;
        m_bApplyStartSettings = true;
    }
    if (!bad.isEmpty())
        std::fprintf(stderr, "kalvo: %s: %s not valid here, left at the default\n",
                     strPath.toLocal8Bit().constData(), bad.join(", ").toLocal8Bit().constData());
    m_startSettings = s;
}

CAppSettings CTunerDlg::CurrentSettings() const {
    CAppSettings s;
    s.tuning.nA5 = static_cast<int>(m_pControlPanel->m_nA5);
    const auto* pTransposition =
        static_cast<QComboBox*>(m_pControlPanel->GetDlgItem(IDC_TRANSPOSITION_LIST));
    s.tuning.nTransposition = std::max(0, pTransposition->currentIndex());
    s.tuning.nPitchMethod = m_pAnalyser->m_nPitchMethod.load(std::memory_order_relaxed);
    // What the analysis uses: a cancelled dialog keeps its lists, not
    // applied.
    s.tuning.nFftSizeIndex = m_dlgFft.m_nAppliedSizeIndex;
    s.tuning.nWindowType = m_dlgFft.m_nAppliedWindowIndex;
    s.tuning.fAlpha = m_dlgFft.m_fAppliedAlpha;
    m_pTuningControl->Fill(s.tuning);

    s.nSpectrumScale = m_dlgSpectrum.m_nScale;
    s.nDynamicIndex = m_dlgSpectrum.m_nDynamicIndex;
    s.nFrom = m_dlgSpectrum.m_nFrom;
    s.nTo = m_dlgSpectrum.m_nTo;

    s.nAccidentals = m_dlgMidi.m_nAccidentalsIndex;
    s.nSharpFlat = m_dlgMidi.m_nSharpFlatMode;
    s.nMajorMinor = m_dlgMidi.m_nMajorMinorMode;
    s.nPitchMode = m_dlgMidi.m_nPitchMode;
    s.nInstrument = m_dlgMidi.m_nInstrumentIndex;
    s.nTempo = m_dlgMidi.m_nTempoBpm;
    s.nPitchChangeIndex = m_dlgMidi.m_nPitchChangeIndex;
    s.nMinDbIndex = m_dlgMidi.m_nMinDbIndex;

    s.crBackground = m_crBackground;
    if (m_pSpectrumArea->m_pSpectrumPen) s.crSpectrum = m_pSpectrumArea->m_pSpectrumPen->m_crColor;
    s.crSpectrumArea = m_pSpectrumArea->m_crBackground;
    s.nRefreshRate = m_nRefreshRate.load(std::memory_order_relaxed);
    s.bDamping = m_pAnalyser->m_centCounter.m_bDamping.load() != 0;
    s.bSharps = m_pNoteArea->m_bSharps != 0;
    s.bHold = m_pAnalyser->m_hold.IsEnabled();
    s.nNoteNaming = m_nNoteNaming;
    s.bStrobe = m_pStrobeControl->IsShown();
    s.bSnapshotToClipboard = m_pControlPanel->m_bSnapshotToClipboard != 0;

    s.strRecordFolder = m_pControlPanel->GetRecordingFolder();
    const CAppOptions options = m_pApp ? m_pApp->GetOptions() : CAppOptions{};
    const bool bServer = options.strInput.empty() && !options.bDemo;
    s.strSource = bServer && !m_bRememberedSourceMissing ? m_strSource : m_strRememberedSource;
    s.bPlaced = true;
    s.nX = x();
    s.nY = y();
    s.nWidth = width();
    s.nHeight = height();
    return s;
}

void CTunerDlg::ApplySettings(const CAppSettings& s) {
    const CAppSettings now = CurrentSettings();
    // The panel's lists as if chosen: their handlers set what the analysis
    // reads.
    static_cast<QComboBox*>(m_pControlPanel->GetDlgItem(IDC_A5_LIST))
        ->setCurrentIndex(s.tuning.nA5 - MIN_A5);
    static_cast<QComboBox*>(m_pControlPanel->GetDlgItem(IDC_TRANSPOSITION_LIST))
        ->setCurrentIndex(s.tuning.nTransposition);
    if (s.tuning.nPitchMethod != now.tuning.nPitchMethod)
        OnCommand(s.tuning.nPitchMethod == PITCH_METHOD_FUNDAMENTAL ? ID_PITCH_FUNDAMENTAL
                                                                    : ID_PITCH_DOMINANT);
    if (s.tuning.nFftSizeIndex != now.tuning.nFftSizeIndex ||
        s.tuning.nWindowType != now.tuning.nWindowType || s.tuning.fAlpha != now.tuning.fAlpha) {
        m_dlgFft.m_nFftSizeIndex = s.tuning.nFftSizeIndex;
        m_dlgFft.m_nWindowIndex = s.tuning.nWindowType;
        m_dlgFft.m_fAlpha = s.tuning.fAlpha;
        m_dlgFft.Apply(*m_pAnalyser);
    }
    if (s.tuning != now.tuning) {
        std::string strError;
        if (!m_pTuningControl->Apply(s.tuning, strError))
            ShowMessageText(QString::fromLocal8Bit(strError.c_str()), MB_ICONEXCLAMATION);
    }
    if (s.nSpectrumScale != now.nSpectrumScale || s.nDynamicIndex != now.nDynamicIndex ||
        s.nFrom != now.nFrom || s.nTo != now.nTo) {
        m_dlgSpectrum.m_nScale = s.nSpectrumScale;
        m_dlgSpectrum.m_nDynamicIndex = s.nDynamicIndex;
        m_dlgSpectrum.m_nFrom = s.nFrom;
        m_dlgSpectrum.m_nTo = s.nTo;
        const bool bDisplay = m_pApp && !m_pApp->m_bDisplayUnavailable;
        m_dlgSpectrum.SetDisplayPluginAvailable(bDisplay);
        m_dlgSpectrum.Apply(&m_nDynamicRange, m_pSpectrumArea,
                            bDisplay ? m_pApp->m_pfnSetRange : nullptr);
    }
    if (s.nAccidentals != now.nAccidentals || s.nSharpFlat != now.nSharpFlat ||
        s.nMajorMinor != now.nMajorMinor || s.nPitchMode != now.nPitchMode ||
        s.nInstrument != now.nInstrument || s.nTempo != now.nTempo ||
        s.nPitchChangeIndex != now.nPitchChangeIndex || s.nMinDbIndex != now.nMinDbIndex) {
        m_dlgMidi.m_nAccidentalsIndex = s.nAccidentals;
        m_dlgMidi.m_nSharpFlatMode = s.nSharpFlat;
        m_dlgMidi.m_nMajorMinorMode = s.nMajorMinor;
        m_dlgMidi.m_nPitchMode = s.nPitchMode;
        m_dlgMidi.m_nInstrumentIndex = s.nInstrument;
        m_dlgMidi.m_nTempoBpm = s.nTempo;
        m_dlgMidi.m_nPitchChangeIndex = s.nPitchChangeIndex;
        m_dlgMidi.m_nMinDbIndex = s.nMinDbIndex;
        // As OK in a fresh opening: the lowest note at its reset value.
        m_dlgMidi.m_strLowestNote = m_dlgMidi.GetList(IDC_LOWEST_NOTE_LIST)
                                        ->itemText(CMidiSettingsDlg::LOWEST_NOTE_DEFAULT_ROW);
        if (m_pApp && !m_pApp->m_bMidiUnavailable) m_dlgMidi.WriteToPlugin(m_pApp->m_midiPlugin);
    }
    if (s.crBackground != now.crBackground) SetColor(ID_COLORS_BACKGROUND, s.crBackground);
    if (s.crSpectrum != now.crSpectrum) SetColor(ID_COLORS_SPECTRUM, s.crSpectrum);
    if (s.crSpectrumArea != now.crSpectrumArea) SetColor(ID_COLORS_SPECTRUM_AREA, s.crSpectrumArea);
    if (s.nRefreshRate != now.nRefreshRate) SetRefreshRate(s.nRefreshRate);
    if (s.bDamping != now.bDamping) OnCommand(ID_VIEW_DAMPING);
    if (s.bSharps != now.bSharps) OnCommand(ID_VIEW_SHARPS);
    if (s.bHold != now.bHold) OnCommand(ID_VIEW_HOLD);
    if (s.nNoteNaming != now.nNoteNaming) SetNoteNaming(s.nNoteNaming);
    if (s.bStrobe != now.bStrobe) OnCommand(s.bStrobe ? ID_VIEW_STROBE : ID_VIEW_SPECTRUM);
    if (s.bSnapshotToClipboard != now.bSnapshotToClipboard) OnCommand(ID_SNAPSHOT_CLIPBOARD);
    if (s.strRecordFolder != now.strRecordFolder)
        m_pControlPanel->SetRecordingFolder(s.strRecordFolder);
    if (s.bPlaced) {
        move(OnSomeScreen(QRect(s.nX, s.nY, s.nWidth, s.nHeight)));
        // A size of the user's own needs the display plug-in's layout.
        if (m_pApp && !m_pApp->m_bDisplayUnavailable)
            resize(std::clamp(s.nWidth, m_initialSize.width(), MAX_TRACK_WIDTH),
                   std::clamp(s.nHeight, m_initialSize.height(), MAX_TRACK_HEIGHT));
    }
}

bool CTunerDlg::SaveSettingsIfRemembered() {
    if (!m_bSaveAtExit || !m_pControlPanel) return true;
    const QString strPath = SettingsFilePath();
    std::string strReason;
    if (WriteSettingsFile(strPath, CurrentSettings(), strReason)) return true;
    ShowMessageText(tr("Cannot save the settings in %1 (%2); the file stays as it was.")
                        .arg(strPath, QString::fromLocal8Bit(strReason.c_str())),
                    MB_ICONEXCLAMATION);
    return false;
}

void CTunerDlg::OnRememberSettings() {
    m_bRemember = !m_bRemember;
    m_bSaveAtExit = m_bRemember;
    const QString strPath = SettingsFilePath();
    if (m_bRemember) {
        // Written now as well, so the choice holds even if the run ends
        // badly; the close writes the settings of then. When it cannot be
        // written, nothing is remembered.
        if (!SaveSettingsIfRemembered()) m_bRemember = m_bSaveAtExit = false;
    } else if (QFileInfo::exists(strPath) && !QFile::remove(strPath)) {
        ShowMessageText(tr("Cannot remove the remembered settings %1.").arg(strPath),
                        MB_ICONEXCLAMATION);
    }
    CheckMenuItem(m_pMenu, ID_REMEMBER_SETTINGS, m_bRemember);
}

QPoint CTunerDlg::OnSomeScreen(const QRect& placed) const {
    // A place remembered on a monitor that is gone would hide the window
    // for good: it must keep some of its top on a screen.
    const QRect top(placed.x(), placed.y(), std::max(placed.width(), 1), 32);
    for (const QScreen* pScreen : QGuiApplication::screens())
        if (pScreen->availableGeometry().intersects(top)) return placed.topLeft();
    const QScreen* pPrimary = QGuiApplication::primaryScreen();
    return pPrimary ? pPrimary->availableGeometry().topLeft() : QPoint(0, 0);
}

void CTunerDlg::SetNoteNaming(int nChosen) {
    m_nNoteNaming = ApplyNoteNaming(nChosen, m_pMenu, m_pNoteArea);
}

void CTunerDlg::OnRecordingFolder() {
    std::string strFolder = m_pControlPanel->GetRecordingFolder();
    if (m_fnChooseFolder) {
        if (!m_fnChooseFolder(strFolder)) return;
    } else {
        const QString strStart =
            strFolder.empty() ? QDir::currentPath() : QString::fromLocal8Bit(strFolder.c_str());
        const QString strChosen =
            QFileDialog::getExistingDirectory(this, tr("Recording Folder"), strStart);
        if (strChosen.isEmpty()) return;
        strFolder = strChosen.toLocal8Bit().toStdString();
    }
    const QFileInfo folder(QString::fromLocal8Bit(strFolder.c_str()));
    std::string strReason;
    if (!CanWriteFolder(strFolder, strReason)) {
        ShowMessageText(
            tr("Cannot write to the folder %1 (%2): recordings stay where "
               "they were")
                .arg(folder.absoluteFilePath(), QString::fromLocal8Bit(strReason.c_str())),
            MB_ICONEXCLAMATION);
        return;
    }
    m_pControlPanel->SetRecordingFolder(folder.absoluteFilePath().toLocal8Bit().toStdString());
}
