// The Colors and Settings commands as the main window runs them.
#include <QColorDialog>
#include <QImage>
#include <memory>

#include "app/AppIds.h"
#include "app/ControlPanel.h"
#include "app/StartUpChecks.h"
#include "app/TunerApp.h"
#include "app/TunerDlg.h"
#include "platform/sound/ScriptedCapture.h"
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
