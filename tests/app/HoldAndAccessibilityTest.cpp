// SPDX-License-Identifier: GPL-3.0-or-later
// View -> Hold Last Reading, and what a screen reader finds on the control
// panel, on the window driven as a user would.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>

#include "analysis/NoteNaming.h"
#include "app/AppIds.h"
#include "platform/ui/Menu.h"
#include "tests/app/WindowFixture.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"

namespace {

QString Text(QWidget* pWidget, QAccessible::Text t) {
    QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pWidget);
    return pInterface ? pInterface->text(t) : QStringLiteral("(no interface)");
}

// Silence as the device would give it.
bool FeedSilence(CWindowFixture& w) {
    const std::vector<int16_t> block(BLOCK_VALUES, 0);
    const unsigned nBefore = w.dlg->GetRefreshCalls();
    w.system.GetBuffer()->ring.Write(block.data(), BLOCK_BYTES);
    return WaitFor([&] { return w.dlg->GetRefreshCalls() == nBefore + 1; });
}

TEST(HoldLastReading, ASettledNoteStaysInGreyAfterTheSoundStopsOnlyWhenAsked) {
    for (const bool bHold : {false, true}) {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        if (bHold) FindMenuItem(w.dlg->m_pMenu, ID_VIEW_HOLD)->trigger();
        for (int i = 0; i < 8; ++i) ASSERT_TRUE(w.FeedBlockAndWait(441.2));
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(FeedSilence(w));
        CNoteArea* pNote = w.dlg->m_pNoteArea;
        CFrequencyDisplay* pFrequency = w.dlg->m_pFrequencyDisplay;
        const QString strNote = Text(pNote, QAccessible::Description);
        if (!bHold) {
            EXPECT_EQ(strNote, "no input signal");
            EXPECT_EQ(Text(pFrequency, QAccessible::Description), "no input signal");
            continue;
        }
        EXPECT_EQ(strNote, "A5, 5 cents sharp, 441.2 Hz, held");
        EXPECT_EQ(Text(pFrequency, QAccessible::Description), "441.2 Hz, held");
        // The seven segments of the held value are grey, not green.
        const QImage image = pFrequency->grab().toImage();
        int nGreen = 0, nGrey = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < CFrequencyDisplay::H_X; ++x) {
                const QColor c = image.pixelColor(x, y);
                nGreen += c.green() > 150 && c.red() < 60;
                nGrey += c.red() == 128 && c.green() == 128 && c.blue() == 128;
            }
        EXPECT_EQ(nGreen, 0);
        EXPECT_GT(nGrey, 50);
        // A new note replaces it.
        ASSERT_TRUE(w.FeedBlockAndWait(523.25));
        EXPECT_FALSE(Text(pNote, QAccessible::Description).endsWith("held"));
        // The analysis and what the log gets do not change: no signal is
        // still no signal there.
        ASSERT_TRUE(FeedSilence(w));
        EXPECT_FALSE(w.dlg->GetAnalyser().m_centCounter.HasSignal());
    }
}

TEST(NoteNames, TheNoteAreaSpeaksTheChosenNaming) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    FindMenuItem(w.dlg->m_pMenu, ID_NOTE_NAMES_FIRST + NOTE_NAMES_SOLFEGE)->trigger();
    EXPECT_TRUE(
        FindMenuItem(w.dlg->m_pMenu, ID_NOTE_NAMES_FIRST + NOTE_NAMES_SOLFEGE)->isChecked());
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(w.FeedBlockAndWait(440.0));
    EXPECT_TRUE(Text(w.dlg->m_pNoteArea, QAccessible::Description).startsWith("La5, "))
        << Text(w.dlg->m_pNoteArea, QAccessible::Description).toStdString();
    FindMenuItem(w.dlg->m_pMenu, ID_NOTE_NAMES_FIRST + NOTE_NAMES_GERMAN)->trigger();
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(w.FeedBlockAndWait(440.0 * std::pow(2.0, -10.0 / 12)));
    EXPECT_TRUE(Text(w.dlg->m_pNoteArea, QAccessible::Description).startsWith("H4, "));
}

TEST(PanelAccessibility, ListsByTheirLabelsButtonsWithTheirStateAndNoHiddenDummy) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    CControlPanel& panel = w.Panel();
    // On this platform a list is named by the label that has it as buddy.
    for (const auto& [nId, strLabel] :
         {std::pair{IDC_A5_LIST, "A5 freq"}, std::pair{IDC_TRANSPOSITION_LIST, "Special"}}) {
        QAccessibleInterface* pList = QAccessible::queryAccessibleInterface(panel.GetDlgItem(nId));
        ASSERT_TRUE(pList);
        const auto labels = pList->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << strLabel;
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), strLabel);
    }
    EXPECT_EQ(Text(panel.GetDlgItem(IDC_RECORDING_OFF), QAccessible::Name), "Recording off");
    EXPECT_EQ(Text(panel.GetDlgItem(IDC_RECORDING_ON), QAccessible::Name), "Recording to file");
    QWidget* pLog = panel.GetDlgItem(IDC_LOG);
    EXPECT_EQ(Text(pLog, QAccessible::Description), "not recording");
    panel.ToggleLogRecording();
    EXPECT_EQ(Text(pLog, QAccessible::Description), "recording");
    panel.ToggleLogRecording();
    EXPECT_EQ(Text(pLog, QAccessible::Description), "not recording");
    QWidget* pFreeze = panel.GetDlgItem(IDC_FREEZE);
    EXPECT_EQ(Text(pFreeze, QAccessible::Description), "running");
    static_cast<QPushButton*>(pFreeze)->click();
    EXPECT_EQ(Text(pFreeze, QAccessible::Description), "frozen");
    // Nothing named "dummy" among the panel's accessible children.
    QAccessibleInterface* pPanel = QAccessible::queryAccessibleInterface(&panel);
    ASSERT_TRUE(pPanel);
    for (int i = 0; i < pPanel->childCount(); ++i)
        EXPECT_NE(pPanel->child(i)->text(QAccessible::Name), "dummy");
}

}  // namespace
