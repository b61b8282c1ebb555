// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <map>

#include "analysis/NoteTable.h"
#include "app/AppIds.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "platform/sound/WaveFileCapture.h"
#include "platform/system/ProgramVersion.h"
#include "platform/ui/Menu.h"
#include "resources/AppResources.h"
#include "tests/app/WindowFixture.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"

namespace {

// Counts the paint events of a view.
class CPaintCounter : public QObject {
public:
    explicit CPaintCounter(QWidget* pView) { pView->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint) ++m_nPaints;
        return false;
    }
};

TEST(TunerDlg, InitialisationCaptionLayoutAndSizes) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(w.dlg->windowTitle().toStdString(), "Kalvo - version " + GetProgramVersion());
    EXPECT_EQ(w.app.m_strVersion, GetProgramVersion());
    EXPECT_EQ(w.dlg->GetClient()->size(), QSize(534, 330));
    EXPECT_EQ(w.dlg->GetClient()->y(), w.dlg->GetMenuBar()->height());
    EXPECT_EQ(w.dlg->m_pNoteArea->geometry(), QRect(10, 10, 120, 120));
    EXPECT_EQ(w.dlg->m_pCentMeter->geometry(), QRect(10, 130, 120, 35));
    EXPECT_EQ(w.dlg->m_pFrequencyDisplay->geometry(), QRect(10, 175, 119, 30));
    EXPECT_EQ(w.dlg->m_pSpectrumArea->geometry(), QRect(150, 10, 364, 195));
    EXPECT_EQ(w.Panel().pos(), QPoint(0, 205));
    // The tracking limits include the window's frame; the first size is
    // always allowed.
    const QSize frame = w.dlg->frameGeometry().size() - w.dlg->size();
    EXPECT_EQ(w.dlg->maximumSize(), QSize(800, 600) - frame);
    EXPECT_LE(w.dlg->minimumWidth(), w.dlg->width());
    EXPECT_EQ(w.dlg->minimumHeight(), std::min(355 - frame.height(), w.dlg->height()));
    EXPECT_FALSE(w.dlg->windowFlags() & Qt::WindowMaximizeButtonHint);
    // The capture engine runs on the listed device's default.
    ASSERT_NE(w.dlg->GetCaptureEngine(), nullptr);
    EXPECT_TRUE(w.dlg->GetCaptureEngine()->IsThreadRunning());
    EXPECT_EQ(w.system.GetOpenedId(), "");
}

// The window's icon is the sharp-and-flat mark at every size a desktop asks
// for: the designed 32 x 32 picture, and the installed theme sizes above it.
TEST(TunerDlg, WindowIconAtEverySize) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    const QIcon icon = w.dlg->windowIcon();
    for (int nSize : {32, 48, 64, 128, 256})
        EXPECT_EQ(icon.pixmap(QSize(nSize, nSize)).size(), QSize(nSize, nSize)) << nSize;
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
              LoadIconResource(IDR_MAINFRAME).toImage().convertToFormat(QImage::Format_ARGB32));
}

TEST(TunerDlg, RestoredResizeLaysOutWithMinimumsOnlyWithDisplayPlugin) {
    CMessageRecorder messages;
    CWindowFixture w;
    w.app.m_bDisplayUnavailable = 0;
    ASSERT_TRUE(w.Open());
    const int nMenu = w.dlg->GetMenuBar()->height();
    w.dlg->resize(600, nMenu + 400);
    EXPECT_EQ(w.dlg->GetClient()->size(), QSize(600, 400));
    EXPECT_EQ(w.dlg->m_pSpectrumArea->geometry(), QRect(150, 10, 430, 265));
    EXPECT_EQ(w.Panel().y(), 275);
    // The layout's own floor: 125 x 155 however small the client.
    w.dlg->LayoutChildren(QSize(200, 120));
    EXPECT_EQ(w.dlg->m_pSpectrumArea->size(), QSize(125, 155));
    EXPECT_EQ(w.Panel().y(), 165);
    w.dlg->LayoutChildren(QSize(534, 330));
    EXPECT_EQ(w.dlg->m_pSpectrumArea->geometry(), QRect(150, 10, 364, 195));
    EXPECT_EQ(w.Panel().y(), 205);
    // The window cannot be dragged past its limits.
    w.dlg->resize(2000, 2000);
    EXPECT_EQ(w.dlg->frameGeometry().size(), QSize(800, 600));
    EXPECT_TRUE(messages.Boxes().empty());

    // Without the plug-in a resize only says so.
    w.app.m_bDisplayUnavailable = 1;
    const QRect before = w.dlg->m_pSpectrumArea->geometry();
    w.dlg->resize(650, nMenu + 420);
    EXPECT_EQ(w.dlg->m_pSpectrumArea->geometry(), before);
    EXPECT_TRUE(messages.ShowedOnly(173, MB_ICONINFORMATION));
}

struct MenuEntry {
    QString path;  // menu texts down to the item
    unsigned nId;
    bool bChecked;
    bool bEnabled;
};

void CollectMenu(QMenu* pMenu, const QString& path, std::vector<MenuEntry>& out) {
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->menu())
            CollectMenu(pAction->menu(), path + pAction->text() + " > ", out);
        else if (pAction->isSeparator())
            out.push_back({path + "-", 0, false, true});
        else
            out.push_back({path + pAction->text(), GetMenuItemId(pAction), pAction->isChecked(),
                           pAction->isEnabled()});
    }
}

std::vector<MenuEntry> MenuOf(CTunerDlg& dlg) {
    std::vector<MenuEntry> entries;
    for (QAction* pTop : dlg.GetMenuBar()->actions())
        CollectMenu(pTop->menu(), pTop->text() + " > ", entries);
    return entries;
}

TEST(TunerDlg, MenuHasEveryItemWithItsTextIdAndState) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    const std::vector<MenuEntry> expected = {
        {"&File > Record to &Midi File", 1033, false, true},
        {"&File > Record to &Wave File", 1032, false, true},
        {"&File > Record to &Text File", 1029, false, true},
        {"&File > -", 0, false, true},
        {"&File > &Convert Text File to MIDI", 32793, false, true},
        {"&File > -", 0, false, true},
        {"&File > E&xit", 2, false, true},
        {"&Settings > &Midi", 32794, false, true},
        {"&Settings > &FFT Parameters", 32778, false, true},
        {"&Settings > &Spectrum", 32779, false, true},
        {"&Settings > Snapshot > to Clipboard", 32790, false, true},
        {"&Settings > Snapshot > to File", 32791, false, false},
        {"&Settings > &Pitch Method > &Dominant Frequency", 33000, true, true},
        {"&Settings > &Pitch Method > Fundamental (&Harmonic Instruments)", 33001, false, true},
        {"&Settings > &Tuning...", 33004, false, true},
        {"&Settings > Reference Ton&e...", 33005, false, true},
        {"&Settings > Note &Names > &English (C D E F G A B)", 33030, true, true},
        {"&Settings > Note &Names > &German (C D E F G A H)", 33031, false, true},
        {"&Settings > Note &Names > &Solfege (Do Re Mi Fa Sol La Si)", 33032, false, true},
        {"&Settings > -", 0, false, true},
        {"&Settings > Recording F&older...", 33002, false, true},
        {"&Settings > &Remember Settings", 33003, false, true},
        {"&View > Cent Meter &Damping", 32783, true, true},
        {"&View > &Refresh Rate > High", 32786, true, true},
        {"&View > &Refresh Rate > Normal", 32785, false, true},
        {"&View > &Refresh Rate > Low", 32787, false, true},
        {"&View > &Show Sharps in Note Area", 32782, false, true},
        {"&View > &Hold Last Reading", 33010, false, true},
        {"&View > &Freeze Spectrum", 1036, false, true},
        {"&View > -", 0, false, true},
        {"&View > S&trobe", 33020, false, true},
        {"&View > S&pectrum", 33021, true, true},
        {"&Colors > &Background", 32776, false, true},
        {"&Colors > &Spectrum", 32777, false, true},
        {"&Colors > Spectrum &Area", 32780, false, true},
        {"&Colors > -", 0, false, true},
        {"&Colors > &Default Colors", 32781, false, true},
        {"&About > About Kalvo...", 16, false, true},
        {"&About > Acknowledgements", 32792, false, true},
    };
    const std::vector<MenuEntry> actual = MenuOf(*w.dlg);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].path, expected[i].path);
        EXPECT_EQ(actual[i].nId, expected[i].nId) << actual[i].path.toStdString();
        EXPECT_EQ(actual[i].bChecked, expected[i].bChecked) << actual[i].path.toStdString();
        EXPECT_EQ(actual[i].bEnabled, expected[i].bEnabled) << actual[i].path.toStdString();
    }
}

// A key pressed in an open menu goes straight to its item only when no
// other item of that menu shares the letter.
void ExpectAccessKeysUnique(QMenu* pMenu) {
    std::map<QChar, QString> owners;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->menu()) ExpectAccessKeysUnique(pAction->menu());
        const QString text = pAction->text();
        const qsizetype i = text.indexOf(QLatin1Char('&'));
        if (i < 0 || i + 1 >= text.size()) continue;
        const QChar key = text[i + 1].toLower();
        const auto [it, bNew] = owners.emplace(key, text);
        EXPECT_TRUE(bNew) << text.toStdString() << " and " << it->second.toStdString();
    }
}

TEST(TunerDlg, MenuAccessKeysAreUniqueWithinEachMenu) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    for (QAction* pTop : w.dlg->GetMenuBar()->actions()) ExpectAccessKeysUnique(pTop->menu());
}

// Ends the next modal dialog that opens, with OK or Cancel.
void EndModalDialog(bool bOk) {
    QTimer::singleShot(0, [bOk] {
        if (auto* pDlg = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            bOk ? pDlg->accept() : pDlg->reject();
    });
}

TEST(TunerDlg, ViewMenuCommands) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    QMenu* pMenu = w.dlg->m_pMenu;
    auto trigger = [&](unsigned nId) { FindMenuItem(pMenu, nId)->trigger(); };

    trigger(ID_REFRESH_LOW);
    EXPECT_EQ(w.dlg->m_nRefreshRate.load(), 2);
    EXPECT_FALSE(FindMenuItem(pMenu, ID_REFRESH_HIGH)->isChecked());
    EXPECT_FALSE(FindMenuItem(pMenu, ID_REFRESH_NORMAL)->isChecked());
    EXPECT_TRUE(FindMenuItem(pMenu, ID_REFRESH_LOW)->isChecked());
    trigger(ID_REFRESH_LOW);  // choosing the checked rate keeps it checked
    EXPECT_TRUE(FindMenuItem(pMenu, ID_REFRESH_LOW)->isChecked());
    trigger(ID_REFRESH_NORMAL);
    EXPECT_EQ(w.dlg->m_nRefreshRate.load(), 1);
    EXPECT_FALSE(FindMenuItem(pMenu, ID_REFRESH_LOW)->isChecked());

    trigger(ID_VIEW_DAMPING);
    EXPECT_EQ(w.dlg->GetAnalyser().m_centCounter.m_bDamping.load(), 0);
    EXPECT_FALSE(FindMenuItem(pMenu, ID_VIEW_DAMPING)->isChecked());
    trigger(ID_VIEW_DAMPING);
    EXPECT_EQ(w.dlg->GetAnalyser().m_centCounter.m_bDamping.load(), 1);
    EXPECT_TRUE(FindMenuItem(pMenu, ID_VIEW_DAMPING)->isChecked());

    trigger(ID_VIEW_SHARPS);
    EXPECT_EQ(w.dlg->m_pNoteArea->m_bSharps, 1);
    EXPECT_EQ(FindMenuItem(pMenu, ID_VIEW_SHARPS)->text(), "Show flats in note area");
    trigger(ID_VIEW_SHARPS);
    EXPECT_EQ(w.dlg->m_pNoteArea->m_bSharps, 0);
    EXPECT_EQ(FindMenuItem(pMenu, ID_VIEW_SHARPS)->text(), "Show sharps in note area");

    // Freeze from the menu is the panel's FREEZE.
    auto* pFreezeText = static_cast<QLabel*>(w.Panel().GetDlgItem(IDC_FREEZE_TEXT));
    trigger(IDC_FREEZE);
    EXPECT_EQ(w.Panel().m_state.m_bFrozen.load(), 1);
    EXPECT_EQ(FindMenuItem(pMenu, IDC_FREEZE)->text(), "Thaw Spectrum");
    EXPECT_EQ(pFreezeText->text(), "Thaw Spectrum");
    trigger(IDC_FREEZE);
    EXPECT_EQ(w.Panel().m_state.m_bFrozen.load(), 0);
    EXPECT_EQ(FindMenuItem(pMenu, IDC_FREEZE)->text(), "Freeze Spectrum");
    EXPECT_EQ(pFreezeText->text(), "Freeze Spectrum");
    EXPECT_TRUE(messages.Boxes().empty());

    // Without the MIDI plug-in the MIDI commands only say so; the settings
    // say it once confirmed.
    for (unsigned nId : {ID_CONVERT_TO_MIDI, unsigned(IDC_MIDI)}) {
        messages.Clear();
        trigger(nId);
        EXPECT_TRUE(messages.ShowedOnly(164, MB_ICONINFORMATION)) << nId;
    }
    EXPECT_EQ(FindMenuItem(pMenu, IDC_MIDI)->text(), "Record to &Midi File");
    messages.Clear();
    EndModalDialog(false);
    trigger(ID_SETTINGS_MIDI);
    EXPECT_TRUE(messages.Boxes().empty());
    EndModalDialog(true);
    trigger(ID_SETTINGS_MIDI);
    EXPECT_TRUE(messages.ShowedOnly(164, MB_ICONINFORMATION));
}

TEST(TunerDlg, SettingsDialogsChangeTheAnalysisAndTheSpectrum) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    w.dlg->m_dlgFft.m_nFftSizeIndex = 0;
    EndModalDialog(true);
    FindMenuItem(w.dlg->m_pMenu, ID_SETTINGS_FFT)->trigger();
    EXPECT_EQ(w.dlg->GetAnalyser().m_nFftSize.load(), 4096u);
    EXPECT_EQ(w.dlg->GetAnalyser().m_fBinWidth.load(), 16000.0f / 4096);

    w.dlg->m_dlgSpectrum.m_nDynamicIndex = 7;
    EndModalDialog(false);  // cancelled: nothing changes
    FindMenuItem(w.dlg->m_pMenu, ID_SETTINGS_SPECTRUM)->trigger();
    EXPECT_EQ(w.dlg->m_nDynamicRange, 45u);
    EndModalDialog(true);
    FindMenuItem(w.dlg->m_pMenu, ID_SETTINGS_SPECTRUM)->trigger();
    EXPECT_EQ(w.dlg->m_nDynamicRange, 80u);
    EXPECT_EQ(w.dlg->m_pSpectrumArea->GetColumns()->m_nDynamicRange.load(), 80);
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST(TunerDlg, RefreshRateDecidesAfterWhichBlocksTheViewsRepaint) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    std::vector<std::unique_ptr<CPaintCounter>> counters;
    QWidget* apViews[] = {w.dlg->m_pNoteArea, w.dlg->m_pFrequencyDisplay, w.dlg->m_pSpectrumArea,
                          w.dlg->m_pCentMeter};
    for (QWidget* pView : apViews) counters.push_back(std::make_unique<CPaintCounter>(pView));

    FindMenuItem(w.dlg->m_pMenu, ID_REFRESH_LOW)->trigger();
    std::vector<unsigned> repaintsAfterBlock;
    for (int i = 0; i < 9; ++i) {
        ASSERT_TRUE(w.FeedBlockAndWait());
        repaintsAfterBlock.push_back(w.dlg->GetRepaintCount());
    }
    EXPECT_EQ(repaintsAfterBlock, (std::vector<unsigned>{0, 0, 1, 1, 1, 2, 2, 2, 3}));

    // Switching to Normal continues from the counter (0 after block 9).
    FindMenuItem(w.dlg->m_pMenu, ID_REFRESH_NORMAL)->trigger();
    repaintsAfterBlock.clear();
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(w.FeedBlockAndWait());
        repaintsAfterBlock.push_back(w.dlg->GetRepaintCount());
    }
    EXPECT_EQ(repaintsAfterBlock, (std::vector<unsigned>{3, 4, 4, 5}));

    // The same note again: the note and its digits are not drawn again.
    FindMenuItem(w.dlg->m_pMenu, ID_REFRESH_HIGH)->trigger();
    for (const auto& c : counters) c->m_nPaints = 0;
    ASSERT_TRUE(w.FeedBlockAndWait());
    ASSERT_TRUE(w.FeedBlockAndWait());
    EXPECT_EQ(w.dlg->GetRepaintCount(), 7u);
    EXPECT_EQ(counters[0]->m_nPaints, 0);
    EXPECT_EQ(counters[1]->m_nPaints, 0);

    // Frozen: the analysis goes on, no view is repainted.
    w.Panel().ToggleFreeze();
    for (const auto& c : counters) c->m_nPaints = 0;
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(w.FeedBlockAndWait(523.25));
    EXPECT_EQ(w.dlg->GetRepaintCount(), 7u);
    for (const auto& c : counters) EXPECT_EQ(c->m_nPaints, 0);
    EXPECT_EQ(w.dlg->GetAnalyser().m_noteSearch.GetNoteIndex(), 48);  // C6 analysed meanwhile
    w.Panel().ToggleFreeze();
    ASSERT_TRUE(w.FeedBlockAndWait(523.25));
    EXPECT_EQ(w.dlg->GetRepaintCount(), 8u);
    // A new note (in tune, like the last): its note and digits are drawn
    // before the block is done.
    EXPECT_EQ(counters[0]->m_nPaints, 1);
    EXPECT_EQ(counters[1]->m_nPaints, 1);
}

TEST(TunerDlg, EnterDoesNothingEscCloses) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    QTest::keyClick(w.dlg.get(), Qt::Key_Return);
    QTest::keyClick(w.dlg.get(), Qt::Key_Enter);
    EXPECT_TRUE(w.dlg->isVisible());
    EXPECT_FALSE(w.dlg->IsClosing());
    EXPECT_TRUE(w.dlg->GetCaptureEngine()->IsThreadRunning());
    QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(w.dlg->isVisible());
    EXPECT_TRUE(w.dlg->IsClosing());
    EXPECT_FALSE(w.dlg->GetCaptureEngine()->IsThreadRunning());
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST(TunerDlg, EveryExitRouteIsRefusedWithMessage158WhileRecording) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    auto* pExit = static_cast<QPushButton*>(w.Panel().GetDlgItem(IDCANCEL_COMMAND));
    const std::vector<std::pair<const char*, std::function<void()>>> routes = {
        {"Esc", [&] { QTest::keyClick(w.dlg.get(), Qt::Key_Escape); }},
        {"close box", [&] { w.dlg->close(); }},
        {"File > Exit", [&] { FindMenuItem(w.dlg->m_pMenu, ID_EXIT)->trigger(); }},
        {"Exit button", [&] { QTest::mouseClick(pExit, Qt::LeftButton); }},
    };
    for (int nFlag : {REC_LOG, REC_WAVE, REC_MIDI}) {
        w.Panel().m_state.m_nRecordFlags.store(nFlag);
        for (const auto& route : routes) {
            messages.Clear();
            route.second();
            EXPECT_TRUE(messages.ShowedOnly(158, MB_ICONEXCLAMATION)) << route.first;
            EXPECT_TRUE(w.dlg->isVisible()) << route.first;
            EXPECT_TRUE(w.dlg->GetCaptureEngine()->IsThreadRunning()) << route.first;
        }
    }
    // The window still works, and closes once nothing records.
    ASSERT_TRUE(w.FeedBlockAndWait());
    w.Panel().m_state.m_nRecordFlags.store(0);
    messages.Clear();
    QTest::mouseClick(pExit, Qt::LeftButton);
    EXPECT_FALSE(w.dlg->isVisible());
    EXPECT_FALSE(w.dlg->GetCaptureEngine()->IsThreadRunning());
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST(TunerDlg, ClosingWhileTheCaptureThreadWaitsForARepaintNeverHangs) {
    CWatchdog watchdog("closing 200 windows", std::chrono::seconds(240));
    int nClosedMidBlock = 0;
    for (int i = 0; i < 200; ++i) {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        if (i % 2) FindMenuItem(w.dlg->m_pMenu, ID_REFRESH_HIGH)->trigger();
        // The capture thread takes the block and asks this thread for the
        // repaint, which it cannot serve while it sleeps: the close begins
        // with the capture thread waiting on it (or about to).
        w.FeedBlock();
        w.FeedBlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(i % 4 == 0 ? 20 : 2));
        // A block taken whose RefreshViews has not returned: mid-block.
        if (w.dlg->GetCaptureEngine()->GetWakeUpsWithData() > w.dlg->GetRefreshCalls())
            ++nClosedMidBlock;
        w.dlg->OnCancel();
        EXPECT_FALSE(w.dlg->GetCaptureEngine()->IsThreadRunning());
        EXPECT_FALSE(w.dlg->isVisible());
        // Blocks that come after the close are not taken.
        const uint64_t nTaken = w.dlg->GetCaptureEngine()->GetBlocksTaken();
        w.FeedBlock();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.dlg->GetCaptureEngine()->GetBlocksTaken(), nTaken);
    }
    // The loop did close windows whose capture thread was inside a block.
    EXPECT_GT(nClosedMidBlock, 0);
}

// The device dialog, driven while OnInitDialog waits in it.
void WhenDeviceDialogOpens(std::function<void(CCaptureDeviceDlg&)> fn, bool* pbSeen) {
    QTimer::singleShot(0, [fn, pbSeen] {
        auto* pDlg = qobject_cast<CCaptureDeviceDlg*>(QApplication::activeModalWidget());
        if (!pDlg) return;
        *pbSeen = true;
        fn(*pDlg);
    });
}

TEST(TunerDlg, DeviceDialogOnlyWithSeveralDevicesAndCancelEndsTheProgram) {
    CMessageRecorder messages;
    {
        // One device: no dialog.
        CWindowFixture w;
        bool bSeen = false;
        WhenDeviceDialogOpens([](CCaptureDeviceDlg& d) { d.reject(); }, &bSeen);
        ASSERT_TRUE(w.Open());
        QCoreApplication::processEvents();
        EXPECT_FALSE(bSeen);
    }
    {
        // Two devices, Cancel: the window does not run and nothing captures.
        CWindowFixture w;
        w.system.m_devices = {{"mic.0", "Microphone"}, {"line.1", "Line in"}};
        bool bSeen = false;
        QStringList titles, items;
        WhenDeviceDialogOpens(
            [&](CCaptureDeviceDlg& d) {
                titles << d.windowTitle();
                for (int i = 0; i < d.GetList()->count(); ++i) items << d.GetList()->itemText(i);
                EXPECT_EQ(d.GetList()->currentIndex(), 0);
                QTest::mouseClick(d.findChild<QPushButton*>("2"), Qt::LeftButton);
            },
            &bSeen);
        w.dlg = std::make_unique<CTunerDlg>(&w.app, w.system);
        EXPECT_FALSE(w.dlg->OnInitDialog());
        EXPECT_TRUE(bSeen);
        EXPECT_EQ(titles, QStringList{"Select Capture Device"});
        EXPECT_EQ(items, (QStringList{"Microphone", "Line in"}));
        EXPECT_EQ(w.dlg->GetCaptureEngine(), nullptr);
        EXPECT_EQ(w.dlg->GetQuitCode(), 0);
        EXPECT_EQ(w.system.GetBuffer(), nullptr);
    }
    {
        // OK on the second row opens that device.
        CWindowFixture w;
        w.system.m_devices = {{"mic.0", "Microphone"}, {"line.1", "Line in"}};
        bool bSeen = false;
        WhenDeviceDialogOpens(
            [](CCaptureDeviceDlg& d) {
                d.GetList()->setCurrentIndex(1);
                QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
            },
            &bSeen);
        ASSERT_TRUE(w.Open());
        EXPECT_TRUE(bSeen);
        EXPECT_EQ(w.system.GetOpenedId(), "line.1");
    }
    {
        // A typed text that names no device opens the default device.
        CWindowFixture w;
        w.system.m_devices = {{"mic.0", "Microphone"}, {"line.1", "Line in"}};
        bool bSeen = false;
        WhenDeviceDialogOpens(
            [](CCaptureDeviceDlg& d) {
                d.GetList()->setEditText("Line");
                QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
            },
            &bSeen);
        ASSERT_TRUE(w.Open());
        EXPECT_TRUE(bSeen);
        EXPECT_EQ(w.system.GetOpenedId(), "");
    }
    EXPECT_TRUE(messages.Boxes().empty());
}

// A WAVE file of a steady tone, played through the WAVE-file device.
std::string WriteToneFile(const QTemporaryDir& dir, const char* pszName, double dHz) {
    const std::string strPath = dir.filePath(pszName).toStdString();
    std::vector<int16_t> samples;
    for (unsigned nBlock = 0; nBlock < 60; ++nBlock) {
        const auto block = ToneBlock(dHz, nBlock);
        samples.insert(samples.end(), block.begin(), block.end());
    }
    FILE* f = std::fopen(strPath.c_str(), "wb");
    if (!f) return {};
    const uint32_t nData = static_cast<uint32_t>(samples.size() * 2);
    const uint32_t header[] = {0x46464952u, 36 + nData, 0x45564157u, 0x20746d66u, 16,   0x00020001u,
                               16000,       64000,      0x00100004u, 0x61746164u, nData};
    std::fwrite(header, sizeof header, 1, f);
    std::fwrite(samples.data(), 2, samples.size(), f);
    std::fclose(f);
    return strPath;
}

// The note area as it draws a note, on its own.
QImage ReferenceNoteArea(int nNote) {
    CFont font;
    font.CreateDialogFont();
    CNoteArea area;
    area.m_pFont = &font;
    area.SetFrequency(NoteTable[nNote]);
    return area.RenderImage();
}

QImage ReferenceFrequencyDisplay(float fHz) {
    CFrequencyDisplay display;
    display.ShowFrequency(fHz);
    return display.RenderImage();
}

TEST(TunerDlg, WaveFileInputShowsA5ThenC6ForBFlatInstrument) {
    QTemporaryDir dir;
    struct Case {
        double dHz;
        int nTransposition;
        int nNote;
        float fShown;
    };
    for (const Case& c : {Case{440.0, 0, 45, 440.0f}, Case{466.16, 3, 48, 466.1f}}) {
        SCOPED_TRACE(c.dHz);
        CMessageRecorder messages;
        CFakeStartUpPlatform platform;
        CTunerApp app(platform);
        app.LoadIcons();
        CWaveFileCaptureSystem system(WriteToneFile(dir, "tone.wav", c.dHz));
        CTunerDlg dlg(&app, system);
        ASSERT_TRUE(dlg.OnInitDialog());
        dlg.show();
        auto* pTransposition =
            static_cast<QComboBox*>(dlg.m_pControlPanel->GetDlgItem(IDC_TRANSPOSITION_LIST));
        pTransposition->setCurrentIndex(c.nTransposition);
        // A few readings after the first, which sees the device's start.
        ASSERT_TRUE(WaitFor([&] { return dlg.GetRepaintCount() >= 6; }));
        dlg.OnCancel();
        EXPECT_TRUE(messages.Boxes().empty());

        EXPECT_EQ(dlg.GetAnalyser().m_noteSearch.GetNoteIndex(), c.nNote);
        EXPECT_EQ(dlg.m_pNoteArea->RenderImage(), ReferenceNoteArea(c.nNote));
        EXPECT_EQ(dlg.m_pFrequencyDisplay->RenderImage(), ReferenceFrequencyDisplay(c.fShown))
            << dlg.GetAnalyser().m_frequencyDigits.GetFrequency();
    }
}

}  // namespace
