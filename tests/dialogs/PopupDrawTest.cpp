// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down lists and the prompt over every dialog, drawn on a real X
// display and read back from the screen: each shows its items, not a
// rectangle of one colour. Run under xvfb-run (ctest: dialogs_popups_x11).
// The screen is read from the root window, as the server holds it; xwd and
// import (without -screen) rebuild the picture window by window and show
// these popups, and often the dialogs, as black rectangles that are not on
// the screen.
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <memory>
#include <set>

#include "capture/CaptureDevices.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "dialogs/FftParamsDlg.h"
#include "dialogs/MidiSettingsDlg.h"
#include "dialogs/SpectrumSettingsDlg.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
int ColoursOnScreen(const QRect& rect) {
    const QImage image = QGuiApplication::primaryScreen()
                             ->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
                             .toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Opens each list of the running dialog, as a click on its arrow does.
void ExpectPopupsDrawn(QDialog& dlg, const char* pszName) {
    for (QComboBox* pList : dlg.findChildren<QComboBox*>()) {
        pList->showPopup();
        QWidget* pPopup = pList->view()->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pPopup));
        QTest::qWait(200);
        EXPECT_GT(ColoursOnScreen(pPopup->geometry()), 2)
            << pszName << " list " << pList->objectName().toStdString();
        pList->hidePopup();
    }
}

TEST(PopupsUnderX, DISABLED_EveryListAndPromptDraws) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run me under xvfb-run";
    CFftParamsDlg fft;
    CSpectrumSettingsDlg spectrum;
    CMidiSettingsDlg midi;
    CCaptureDeviceDlg device;
    CCaptureDeviceList devices;
    devices.m_nCaptureDevices = 2;
    devices.m_astrCaptureDeviceNames[0] = "Default";
    devices.m_astrCaptureDeviceNames[1] = "Monitor of the null sink";
    device.FillList(devices);
    const std::pair<QDialog*, const char*> dialogs[] = {
        {&fft, "FFT"}, {&spectrum, "Spectrum"}, {&midi, "MIDI"}, {&device, "device"}};
    for (auto [pDialog, pszName] : dialogs)
        RunModal(*pDialog, [&, pDialog = pDialog, pszName = pszName] {
            ExpectPopupsDrawn(*pDialog, pszName);
        });
    // The MIDI dialog's prompt for a long lowest note.
    RunModal(midi, [&] {
        const std::unique_ptr<QMessageBox> pBox(
            CreateMessageBox(QString::fromLatin1(MIDI_LOWEST_NOTE_PROMPT), MB_ICONSTOP, &midi));
        pBox->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pBox.get()));
        QTest::qWait(200);
        EXPECT_GT(ColoursOnScreen(pBox->frameGeometry()), 2);
    });
}
}  // namespace
