#include "app/TunerDlg.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QMetaObject>
#include <QThread>
#include <cstdio>

#include "app/AboutDlg.h"
#include "app/AppIds.h"
#include "app/ControlPanel.h"
#include "app/TunerApp.h"
#include "capture/CaptureDevices.h"
#include "capture/CaptureEngine.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "platform/system/ProgramVersion.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "recording/LogToMidi.h"
#include "resources/AppResources.h"
#include "resources/Resource.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"

namespace {
// How long the close waits for the capture thread before it gives up on it.
constexpr uint32_t CLOSE_TIME_LIMIT_MS = 5000;

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
    : QDialog(pParent), m_pApp(pApp), m_system(system),
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
        m_pEngine->Close([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
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
    if (!ChooseCaptureDevice()) {
        m_bQuit = true;
        m_nQuitCode = 0;
        return false;
    }
    setWindowIcon(m_hIcon);

    const std::string strVersion = GetProgramVersion();
    if (strVersion.empty()) ShowMessage(174, MB_ICONINFORMATION);
    setWindowTitle(QString::fromStdString(CTunerApp::MainWindowCaption(strVersion)));
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

    m_crBackground = RGB(255, 255, 240);
    ApplyBackground();
    m_laidOutClient = m_pClient->size();
    m_pClient->m_fnOnSize = [this](const QSize& client) { OnSize(!isMinimized(), client); };

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
    QMenu* pFile = m_pMenu->addMenu(QStringLiteral("&File"));
    AppendMenuItem(pFile, IDC_MIDI, QStringLiteral("Record to &Midi File"));
    AppendMenuItem(pFile, IDC_WAVE, QStringLiteral("Record to &Wave File"));
    AppendMenuItem(pFile, IDC_LOG, QStringLiteral("Record to &Text File"));
    pFile->addSeparator();
    AppendMenuItem(pFile, ID_CONVERT_TO_MIDI, QStringLiteral("&Convert Text File to MIDI"));
    pFile->addSeparator();
    AppendMenuItem(pFile, ID_EXIT, QStringLiteral("E&xit"));

    QMenu* pSettings = m_pMenu->addMenu(QStringLiteral("&Settings"));
    AppendMenuItem(pSettings, ID_SETTINGS_MIDI, QStringLiteral("&Midi"));
    AppendMenuItem(pSettings, ID_SETTINGS_FFT, QStringLiteral("&FFT Parameters"));
    AppendMenuItem(pSettings, ID_SETTINGS_SPECTRUM, QStringLiteral("&Spectrum"));
    QMenu* pSnapshot = pSettings->addMenu(QStringLiteral("Snapshot"));
    AppendMenuItem(pSnapshot, ID_SNAPSHOT_CLIPBOARD, QStringLiteral("to Clipboard"));
    AppendMenuItem(pSnapshot, ID_SNAPSHOT_FILE, QStringLiteral("to File"))->setEnabled(false);
    // Beyond the designed menu: the player's choice of pitch method, the
    // dominant frequency by default.
    QMenu* pMethod = pSettings->addMenu(QStringLiteral("Pitch &Method"));
    auto* pMethodGroup = new QActionGroup(pMethod);
    pMethodGroup->addAction(
        AppendMenuItem(pMethod, ID_PITCH_DOMINANT, QStringLiteral("&Dominant Frequency")));
    pMethodGroup->addAction(AppendMenuItem(pMethod, ID_PITCH_FUNDAMENTAL,
                                           QStringLiteral("Fundamental (&Harmonic Instruments)")));
    CheckMenuItem(pMethod, ID_PITCH_DOMINANT, true);
    CheckMenuItem(pMethod, ID_PITCH_FUNDAMENTAL, false);

    QMenu* pView = m_pMenu->addMenu(QStringLiteral("&View"));
    AppendMenuItem(pView, ID_VIEW_DAMPING, QStringLiteral("Cent Meter &Damping"));
    CheckMenuItem(pView, ID_VIEW_DAMPING, true);
    QMenu* pRefresh = pView->addMenu(QStringLiteral("&Refresh Rate"));
    AppendMenuItem(pRefresh, ID_REFRESH_HIGH, QStringLiteral("High"));
    AppendMenuItem(pRefresh, ID_REFRESH_NORMAL, QStringLiteral("Normal"));
    AppendMenuItem(pRefresh, ID_REFRESH_LOW, QStringLiteral("Low"));
    CheckMenuItem(pRefresh, ID_REFRESH_HIGH, true);
    CheckMenuItem(pRefresh, ID_REFRESH_NORMAL, false);
    CheckMenuItem(pRefresh, ID_REFRESH_LOW, false);
    AppendMenuItem(pView, ID_VIEW_SHARPS, QStringLiteral("&Show Sharps in Note Area"));
    AppendMenuItem(pView, IDC_FREEZE, QStringLiteral("&Freeze Spectrum"));

    QMenu* pColors = m_pMenu->addMenu(QStringLiteral("&Colors"));
    AppendMenuItem(pColors, ID_COLORS_BACKGROUND, QStringLiteral("&Background"));
    AppendMenuItem(pColors, ID_COLORS_SPECTRUM, QStringLiteral("&Spectrum"));
    AppendMenuItem(pColors, ID_COLORS_SPECTRUM_AREA, QStringLiteral("Spectrum &Area"));
    pColors->addSeparator();
    AppendMenuItem(pColors, ID_COLORS_DEFAULT, QStringLiteral("&Default Colors"));

    QMenu* pAbout = m_pMenu->addMenu(QStringLiteral("&About"));
    AppendMenuItem(pAbout, IDM_ABOUTBOX, QStringLiteral("About Kalvo..."));
    AppendMenuItem(pAbout, ID_ACKNOWLEDGEMENTS, QStringLiteral("Acknowledgements"));

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
        m_pNoteArea->show();
    }
    if (!m_pCentMeter) {
        m_pCentMeter = new CCentMeter(&m_pAnalyser->m_centCounter, m_pClient);
        m_pCentMeter->setGeometry(10, 130, CCentMeter::WIDTH, CCentMeter::HEIGHT);
        m_pCentMeter->show();
    }
    if (!m_pFrequencyDisplay) {
        m_pFrequencyDisplay = new CFrequencyDisplay(&m_pAnalyser->m_frequencyDigits, m_pClient);
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
    if (s.nMessage) ShowMessage(static_cast<unsigned>(s.nMessage), MB_ICONEXCLAMATION);
    if (s.nDetailMessage) ShowMessage(static_cast<unsigned>(s.nDetailMessage), MB_ICONSTOP);
    if (!s.strPlatformError.empty()) std::fprintf(stderr, "kalvo: %s\n", s.strPlatformError.c_str());
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
    QWidget* apViews[] = {m_pNoteArea, m_pFrequencyDisplay, m_pSpectrumArea, m_pCentMeter};
    for (QWidget* pView : apViews)
        if (pView) pView->repaint();
    m_nRepaints.fetch_add(1);
}

void CTunerDlg::OnFftSizeRefused() {
    if (!m_bClosing) ShowMessage(IDS_FFT_PARAMETER, MB_ICONSTOP);
}

void CTunerDlg::OnCancel() {
    if (m_bClosing) return;
    if (m_pControlPanel && m_pControlPanel->m_state.m_nRecordFlags.load() != 0) {
        ShowMessage(IDS_STOP_RECORDING, MB_ICONEXCLAMATION);
        return;
    }
    m_bClosing = true;
    // The capture thread may be waiting for a repaint or a message box on
    // this thread: keep serving those until it has ended.
    if (m_pEngine)
        m_pEngine->Close([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); },
                         CLOSE_TIME_LIMIT_MS);
    m_nQuitCode = 0;
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
    const COLORREF cr = FromQColor(m_pColorDialog->selectedColor());
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
        auto* pNotice = new QLabel(QString::fromUtf8(LOG_TO_MIDI_NOTICE), m_pClient);
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
    for (unsigned nMessage : outcome.messages)
        ShowMessage(nMessage, nMessage == IDS_LOG_TO_MIDI_CANNOT_CAPTURE ? MB_ICONSTOP
                                                                          : MB_ICONEXCLAMATION);
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
                            m_pNoteArea->m_bSharps ? QStringLiteral("Show flats in note area")
                                                   : QStringLiteral("Show sharps in note area"));
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
        case ID_ACKNOWLEDGEMENTS: {
            CAcknowledgementsDlg dlg(this);
            dlg.exec();
            break;
        }
        default:
            break;
    }
}
