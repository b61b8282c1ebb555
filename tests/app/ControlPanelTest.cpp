// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <cerrno>

#include "analysis/NoteTable.h"
#include "app/AboutDlg.h"
#include "app/AppIds.h"
#include "platform/ui/Menu.h"
#include "recording/RecordingFileName.h"
#include "resources/AppResources.h"
#include "tests/app/WindowFixture.h"

namespace {

QComboBox* List(CControlPanel& panel, unsigned nId) {
    return static_cast<QComboBox*>(panel.GetDlgItem(nId));
}
QPushButton* Button(CControlPanel& panel, unsigned nId) {
    return static_cast<QPushButton*>(panel.GetDlgItem(nId));
}

TEST(ControlPanel, ListsAndTheFactorsTheAnalysisReads) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    CControlPanel& panel = w.Panel();
    // The panel's state is the one the analysis reads.
    EXPECT_EQ(&w.dlg->GetAnalyser().GetControlState(), &panel.m_state);

    QComboBox* pA5 = List(panel, IDC_A5_LIST);
    ASSERT_EQ(pA5->count(), 101);
    EXPECT_EQ(pA5->itemText(0), "380");
    EXPECT_EQ(pA5->itemText(100), "480");
    EXPECT_EQ(pA5->currentIndex(), 60);
    EXPECT_EQ(pA5->currentText(), "440");
    EXPECT_EQ(panel.m_state.m_fA5Factor.load(), 1.0f);
    pA5->setCurrentIndex(35);
    EXPECT_EQ(panel.m_nA5, 415u);
    EXPECT_EQ(panel.m_nA5Index, 35);
    EXPECT_EQ(panel.m_state.m_fA5Factor.load(), static_cast<float>(440.0 / 415.0));

    QComboBox* pTrans = List(panel, IDC_TRANSPOSITION_LIST);
    ASSERT_EQ(pTrans->count(), 9);
    EXPECT_EQ(pTrans->currentText(), "None");
    EXPECT_EQ(pTrans->itemText(3), "B flat instr.");
    EXPECT_EQ(pTrans->itemText(8), "E flat instr. -1 octave");
    pTrans->setCurrentIndex(3);
    EXPECT_FLOAT_EQ(panel.m_state.m_fTransposition.load(), 1.1224620f);
    pTrans->setCurrentIndex(6);
    EXPECT_FLOAT_EQ(panel.m_state.m_fTransposition.load(), 0.8408964f);
    // Without the log nothing is written, and nothing is said.
    EXPECT_TRUE(messages.Boxes().empty());

    // The factors reach the reading: 440 Hz with A5 = 415 is named A#5.
    pTrans->setCurrentIndex(0);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(w.FeedBlockAndWait(440.0));
    EXPECT_EQ(w.dlg->GetAnalyser().m_noteSearch.GetNoteIndex(), 46);
}

// A file system on which no recording file can be created.
class CNoFilesSystem : public CRecordingSystem {
public:
    FILE* CreateFile(const char*, const char*, std::string& strName) override {
        strName.clear();
        errno = EACCES;
        return nullptr;
    }
};

TEST(ControlPanel, RecordTogglesReportThatTheRecordingCannotStart) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    CControlPanel& panel = w.Panel();
    CNoFilesSystem noFiles;
    panel.SetRecordingSystem(&noFiles);
    QWidget* pOff = panel.GetDlgItem(IDC_RECORDING_OFF);
    QWidget* pOn = panel.GetDlgItem(IDC_RECORDING_ON);
    EXPECT_TRUE(pOff->isVisible());
    EXPECT_FALSE(pOn->isVisible());

    struct Case {
        unsigned nButton;
        unsigned nMessage;
        unsigned nIcon;
        const char* pszMenuText;
    };
    for (const Case& c : {Case{IDC_LOG, 155, MB_ICONEXCLAMATION, "Record to &Text File"},
                          Case{IDC_WAVE, 159, MB_ICONEXCLAMATION, "Record to &Wave File"},
                          Case{IDC_MIDI, 164, MB_ICONINFORMATION, "Record to &Midi File"}}) {
        messages.Clear();
        const QImage iconBefore = Button(panel, c.nButton)->icon().pixmap(32).toImage();
        QTest::mouseClick(Button(panel, c.nButton), Qt::LeftButton);
        EXPECT_TRUE(messages.ShowedOnly(c.nMessage, c.nIcon)) << c.nButton;
        // Nothing changed: flag, picture, menu text, indicator.
        EXPECT_EQ(panel.m_state.m_nRecordFlags.load(), 0);
        EXPECT_EQ(Button(panel, c.nButton)->icon().pixmap(32).toImage(), iconBefore);
        EXPECT_EQ(FindMenuItem(w.dlg->m_pMenu, c.nButton)->text(), c.pszMenuText);
        EXPECT_TRUE(pOff->isVisible());
        EXPECT_FALSE(pOn->isVisible());
    }
    // The indicator pictures are the two bitmaps of the template.
    EXPECT_EQ(static_cast<QLabel*>(pOff)->pixmap().size(), QSize(116, 20));
    EXPECT_EQ(static_cast<QLabel*>(pOn)->pixmap().size(), QSize(116, 20));
}

TEST(ControlPanel, SnapshotOnEveryFocusGainPutsTheWindowOnTheClipboard) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    w.dlg->activateWindow();
    CControlPanel& panel = w.Panel();
    QPushButton* pSnap = Button(panel, IDC_SNAPSHOT);
    // No visible button holds the focus at the start.
    QWidget* pFocus = QApplication::focusWidget();
    EXPECT_FALSE(pFocus && qobject_cast<QPushButton*>(pFocus) && pFocus->isVisible());

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(pSnap, Qt::LeftButton);
    EXPECT_EQ(panel.m_nSnapshots, 1);
    const QImage clip = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(clip.isNull());
    EXPECT_EQ(clip.size(), w.dlg->frameGeometry().size());
    // The picture is the window: the control panel's ivory is in it where
    // the panel lies, below the menu bar.
    const QPoint inPanel(3, w.dlg->GetMenuBar()->height() + 205 + 3);
    EXPECT_EQ(clip.pixelColor(inPanel), QColor(255, 255, 240));
    // The click handed the focus back: the next press takes the next one.
    EXPECT_FALSE(pSnap->hasFocus());
    EXPECT_EQ(pSnap->icon().pixmap(32).toImage(), w.app.m_hIconSnapshot.toImage());
    QTest::mouseClick(pSnap, Qt::LeftButton);
    EXPECT_EQ(panel.m_nSnapshots, 2);
    // Reaching it with the keyboard takes one too.
    pSnap->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(panel.m_nSnapshots, 3);
    EXPECT_EQ(pSnap->icon().pixmap(32).toImage(), w.app.m_hIconSnapshotDown.toImage());
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST(ControlPanel, TemplatePlacesAndColours) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    CControlPanel& panel = w.Panel();
    EXPECT_EQ(panel.size(), QSize(542, 132));  // 361 x 81 dialog units
    EXPECT_EQ(Button(panel, IDC_MIDI)->geometry(), QRect(240, 73, 38, 41));
    EXPECT_EQ(Button(panel, IDCANCEL_COMMAND)->geometry(), QRect(450, 73, 68, 41));
    EXPECT_EQ(Button(panel, IDCANCEL_COMMAND)->text(), "Exit");
    EXPECT_FALSE(panel.GetDlgItem(IDC_FOCUS_HOLDER)->isVisible());
    EXPECT_EQ(panel.m_crText, RGB(32, 32, 47));
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 255, 240));
    // Default Colors leaves the panel's own colour alone.
    panel.SetBackgroundColor(RGB(200, 100, 50));
    FindMenuItem(w.dlg->m_pMenu, ID_COLORS_DEFAULT)->trigger();
    EXPECT_EQ(panel.m_crBackground, RGB(200, 100, 50));
    EXPECT_EQ(panel.grab().toImage().pixelColor(2, 2), QColor(200, 100, 50));
    EXPECT_EQ(w.dlg->m_crBackground, RGB(255, 255, 240));
}

TEST(AboutDialogs, TextsAndTheDocumentationButton) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About kalvo");
    EXPECT_EQ(about.size(), QSize(278, 154));
    QStringList texts;
    for (QLabel* pLabel : about.findChildren<QLabel*>())
        if (!pLabel->text().isEmpty()) texts << pLabel->text();
    EXPECT_TRUE(texts.contains("kalvo version 2.3.2.0"));
    EXPECT_TRUE(texts.contains("15 September 2006"));
    std::vector<QUrl> opened;
    CAboutDlg::s_fnOpenUrl = [&opened](const QUrl& url) {
        opened.push_back(url);
        return false;  // no browser: the dialog stays as it is
    };
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("1058"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl("https://kalvo.org/"));
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(about.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    CAcknowledgementsDlg thanks;
    EXPECT_EQ(thanks.windowTitle(), "Acknowledgements");
    EXPECT_EQ(thanks.size(), QSize(248, 124));
    QString all;
    for (QLabel* pLabel : thanks.findChildren<QLabel*>()) all += pLabel->text();
    EXPECT_TRUE(all.contains("https://www.qt.io"));
}

}  // namespace
