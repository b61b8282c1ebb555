// SPDX-License-Identifier: GPL-3.0-or-later
// The Colors and Settings commands as the main window runs them.
#include <QColorDialog>
#include <QDeadlineTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <memory>

#include "analysis/Constants.h"
#include "analysis/Fft.h"
#include "analysis/NoteTable.h"
#include "app/AppIds.h"
#include "app/ControlPanel.h"
#include "app/StartUpChecks.h"
#include "app/TunerApp.h"
#include "app/TunerDlg.h"
#include "dialogs/FftParamsDlg.h"
#include "platform/sound/ScriptedCapture.h"
#include "platform/sound/WaveFileCapture.h"
#include "platform/ui/Gdi.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "views/SpectrumArea.h"

namespace {
// A platform that allows everything; the window never asks it here.
class CAllowingPlatform : public IStartUpPlatform {
public:
    OsVersionInfo GetOsVersion() override { return {6, 0, true}; }
    bool ReadCsdVersion(uint32_t& nValue) override {
        nValue = 4;
        return true;
    }
    bool ProbeDirectX() override { return true; }
    bool ClaimCaption(const std::string&) override { return true; }
    void ReleaseCaption() override {}
    unsigned TimeBeginPeriod(unsigned) override { return TIMERR_NOERROR; }
    unsigned TimeEndPeriod(unsigned) override { return TIMERR_NOERROR; }
};

struct Window {
    // Without the display plug-in every resize tells so.
    MessageRecorder messages;
    CAllowingPlatform platform;
    CTunerApp app{platform};
    CScriptedCaptureSystem system;
    std::unique_ptr<CTunerDlg> dlg;

    Window() {
        app.LoadIcons();
        system.m_devices = {{"scripted.0", "Scripted input"}};
        dlg = std::make_unique<CTunerDlg>(&app, system);
        EXPECT_TRUE(dlg->OnInitDialog());
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    ~Window() {
        dlg->OnCancel();
        dlg.reset();
    }

    // Chooses a colour in the window's colour chooser while the command runs.
    void ColorCommand(unsigned nId, QColor color) {
        QColorDialog* pChooser = dlg->m_pColorDialog;
        QTimer::singleShot(0, pChooser, [pChooser, color] {
            pChooser->setCurrentColor(color);
            pChooser->accept();
        });
        dlg->OnCommand(nId);
    }

    static COLORREF Pixel(QWidget* pWidget, QPoint pt) {
        const QImage image = pWidget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return FromQRgb(image.pixel(pt));
    }
    // The client area between the note area and the spectrum: only the
    // window's background.
    COLORREF WindowPixel() { return Pixel(dlg->GetClient(), QPoint(140, 100)); }
    // The panel's own background, right of its last control.
    COLORREF PanelPixel() {
        QWidget* pPanel = dlg->m_pControlPanel;
        return Pixel(pPanel, QPoint(pPanel->width() - 2, pPanel->height() - 2));
    }
};

constexpr COLORREF IVORY = RGB(255, 255, 240);
constexpr COLORREF CUSTOM = RGB(40, 90, 160);
}  // namespace

TEST(WindowColors, DefaultColorsRestoreTheWindowButLeaveThePanelsColour) {
    Window w;
    ASSERT_EQ(w.WindowPixel(), IVORY);
    ASSERT_EQ(w.PanelPixel(), IVORY);
    QColorDialog* pChooser = w.dlg->m_pColorDialog;

    w.ColorCommand(ID_COLORS_BACKGROUND, QColor(40, 90, 160));
    EXPECT_EQ(w.WindowPixel(), CUSTOM);
    EXPECT_EQ(w.PanelPixel(), CUSTOM);
    w.ColorCommand(ID_COLORS_SPECTRUM, QColor(200, 0, 0));
    w.ColorCommand(ID_COLORS_SPECTRUM_AREA, QColor(0, 0, 50));
    CSpectrumArea* pArea = w.dlg->m_pSpectrumArea;
    EXPECT_EQ(pArea->m_pSpectrumPen->m_crColor, RGB(200, 0, 0));
    EXPECT_EQ(pArea->m_crBackground, RGB(0, 0, 50));
    // One chooser serves every command.
    EXPECT_EQ(w.dlg->m_pColorDialog, pChooser);

    w.dlg->OnCommand(ID_COLORS_DEFAULT);
    EXPECT_EQ(w.WindowPixel(), IVORY);
    EXPECT_EQ(w.PanelPixel(), CUSTOM);
    EXPECT_EQ(w.dlg->m_crBackground, IVORY);
    EXPECT_EQ(pArea->m_pSpectrumPen->m_crColor, RGB(0, 128, 0));
    EXPECT_EQ(pArea->m_crBackground, RGB(255, 255, 255));
}

TEST(WindowColors, CancelledChooserChangesNothing) {
    Window w;
    QColorDialog* pChooser = w.dlg->m_pColorDialog;
    QTimer::singleShot(0, pChooser, [pChooser] {
        pChooser->setCurrentColor(QColor(1, 2, 3));
        pChooser->reject();
    });
    w.dlg->OnCommand(ID_COLORS_BACKGROUND);
    EXPECT_EQ(w.WindowPixel(), IVORY);
    EXPECT_EQ(w.PanelPixel(), IVORY);
}

namespace {
// A WAVE file of a steady tone for the WAVE-file device: 16 kHz, 16-bit stereo.
std::string WriteToneFile(const QTemporaryDir& dir, double dHz, unsigned nSeconds) {
    const std::string strPath = dir.filePath("tone.wav").toStdString();
    std::vector<int16_t> samples(2u * SAMPLE_RATE * nSeconds);
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        const double v = 8000.0 * std::sin(2 * M_PI * dHz * static_cast<double>(i) / SAMPLE_RATE);
        samples[2 * i] = samples[2 * i + 1] = static_cast<int16_t>(std::lround(v));
    }
    FILE* f = std::fopen(strPath.c_str(), "wb");
    if (!f) return {};
    const uint32_t nData = static_cast<uint32_t>(samples.size() * 2);
    const uint32_t header[] = {0x46464952u, 36 + nData,  0x45564157u, 0x20746d66u,
                               16,          0x00020001u, SAMPLE_RATE, SAMPLE_RATE * 4,
                               0x00100004u, 0x61746164u, nData};
    std::fwrite(header, sizeof header, 1, f);
    std::fwrite(samples.data(), 2, samples.size(), f);
    std::fclose(f);
    return strPath;
}

bool WaitFor(const std::function<bool()>& fnDone) {
    QDeadlineTimer deadline(10000);
    while (!fnDone()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}
}  // namespace

// Settings -> FFT Parameters in the running window, fed by the WAVE-file
// device: after size 4096 and the Blackman window a 440 Hz tone still reads A5.
TEST(WindowSettings, SmallFftWithBlackmanStillReadsA5ThroughTheWindow) {
    QTemporaryDir dir;
    MessageRecorder messages;
    CAllowingPlatform platform;
    CTunerApp app(platform);
    app.LoadIcons();
    CWaveFileCaptureSystem system(WriteToneFile(dir, 440.0, 10));
    CTunerDlg dlg(&app, system);
    ASSERT_TRUE(dlg.OnInitDialog());
    dlg.show();
    ASSERT_TRUE(WaitFor([&] { return dlg.GetRepaintCount() >= 2; }));

    // Settings -> FFT Parameters, answered as a user would.
    bool bDriven = false;
    QTimer::singleShot(0, &dlg, [&] {
        auto* pFft = qobject_cast<CFftParamsDlg*>(QApplication::activeModalWidget());
        if (!pFft) return;
        bDriven = true;
        ChooseRow(pFft->GetSizeList(), 0);
        ChooseRow(pFft->GetWindowList(), WINDOW_BLACKMAN);
        PressOk(*pFft);
    });
    dlg.OnCommand(ID_SETTINGS_FFT);
    ASSERT_TRUE(bDriven);
    EXPECT_EQ(dlg.GetAnalyser().m_nFftSize.load(), 4096u);
    EXPECT_EQ(dlg.GetAnalyser().m_nWindowType.load(), WINDOW_BLACKMAN);

    const unsigned nApplied = dlg.GetRepaintCount();
    ASSERT_TRUE(WaitFor([&] { return dlg.GetRepaintCount() >= nApplied + 4; }));
    dlg.OnCancel();
    EXPECT_NEAR(dlg.GetAnalyser().GetReading().dFrequency, 440.0, 0.5);
    EXPECT_EQ(dlg.GetAnalyser().m_noteSearch.GetNoteIndex(), NOTE_A5);
}
