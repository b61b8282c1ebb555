// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QRadioButton>
#include <cstring>

#include "dialogs/MidiSettingsDlg.h"
#include "plugins/PluginBinding.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
QStringList Items(QComboBox* pList) {
    QStringList texts;
    for (int i = 0; i < pList->count(); ++i) texts << pList->itemText(i);
    return texts;
}

void TypeNote(CMidiSettingsDlg& dlg, const QString& text) {
    TypeInto(dlg.GetList(IDC_LOWEST_NOTE_LIST)->lineEdit(), text);
}

// The plug-in's own variables, read back through the binder's pointers.
MidiSettingsValues ReadPlugin(const CMidiPlugin& plugin) {
    MidiSettingsValues v;
    v.nAccidentals = *plugin.m_pnAccidentals;
    v.nSharpFlat = *plugin.m_pnSharpFlat;
    v.nMajorMinor = *plugin.m_pnMajorMinor;
    v.nPitch = *plugin.m_pnPitch;
    v.nInstrument = *plugin.m_pnInstrument;
    v.nTempo = *plugin.m_pnTempo;
    std::memcpy(v.chLow, plugin.m_pchLow, sizeof v.chLow);
    v.nDeltaCents = *plugin.m_pnDeltaCents;
    v.ndB = *plugin.m_pndB;
    return v;
}

void ExpectValues(const MidiSettingsValues& v, int nAccidentals, int nSharpFlat, int nMajorMinor,
                  int nPitch, int nInstrument, int nTempo, const char* pszLow, int nDeltaCents,
                  int ndB) {
    EXPECT_EQ(v.nAccidentals, nAccidentals);
    EXPECT_EQ(v.nSharpFlat, nSharpFlat);
    EXPECT_EQ(v.nMajorMinor, nMajorMinor);
    EXPECT_EQ(v.nPitch, nPitch);
    EXPECT_EQ(v.nInstrument, nInstrument);
    EXPECT_EQ(v.nTempo, nTempo);
    EXPECT_EQ(std::string(v.chLow, strnlen(v.chLow, sizeof v.chLow)), pszLow);
    EXPECT_EQ(v.nDeltaCents, nDeltaCents);
    EXPECT_EQ(v.ndB, ndB);
}
}  // namespace

TEST(MidiSettingsDlg, ListsHoldTheDesignedEntries) {
    CMidiSettingsDlg dlg;
    RunModal(dlg, [&] {
        const QStringList notes = Items(dlg.GetList(IDC_LOWEST_NOTE_LIST));
        ASSERT_EQ(notes.size(), 37);
        EXPECT_EQ(notes.mid(0, 5), (QStringList{"C3", "C3#", "D3", "D3#", "E3"}));
        EXPECT_EQ(notes.mid(34), (QStringList{"A5#", "B5", "C6"}));
        const QStringList instruments = Items(dlg.GetList(IDC_INSTRUMENT_LIST));
        ASSERT_EQ(instruments.size(), 128);
        EXPECT_EQ(instruments[52], "Choir \"ahh\" ");
        EXPECT_EQ(instruments[127], "Gunshot");
        // Filled at every opening, sorted as texts, which "%3d" keeps numeric.
        QComboBox* pTempo = dlg.GetList(IDC_TEMPO_LIST);
        ASSERT_EQ(pTempo->count(), 236);
        QStringList sorted = Items(pTempo);
        sorted.sort();
        EXPECT_EQ(sorted, Items(pTempo));
        EXPECT_EQ(pTempo->itemText(0), " 20");
        EXPECT_EQ(pTempo->itemText(235), "255");
        PressCancel(dlg);
    });
    // A second opening does not add the tempos again.
    RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetList(IDC_TEMPO_LIST)->count(), 236);
        PressCancel(dlg);
    });
}

TEST(MidiSettingsDlg, OkAtOnceGivesTheDesignedDefaultsAndWritesThemIntoThePlugin) {
    CMidiPlugin plugin;
    ASSERT_EQ(plugin.Load({KVMIDI_PLUGIN_DIR}, false).nStatus, PluginStatus::Loaded);
    // Values that differ from every default, so each write shows.
    *plugin.m_pnAccidentals = 5;
    *plugin.m_pnSharpFlat = *plugin.m_pnMajorMinor = 1;
    *plugin.m_pnPitch = 0;
    *plugin.m_pnInstrument = 77;
    *plugin.m_pnTempo = 33;
    std::memcpy(plugin.m_pchLow, "G4#", 4);
    *plugin.m_pnDeltaCents = 7;
    *plugin.m_pndB = -99;

    CMidiSettingsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetList(IDC_LOWEST_NOTE_LIST)->currentText(), "E3");
        EXPECT_EQ(dlg.GetList(IDC_TEMPO_LIST)->currentText(), "100");
        EXPECT_EQ(dlg.GetList(IDC_PITCH_CHANGE_LIST)->currentText(), "25 Cents");
        EXPECT_EQ(dlg.GetList(IDC_MIN_DB_LIST)->currentText(), "-40 dB");
        EXPECT_TRUE(dlg.GetRadio(IDC_ROUND_PITCH)->isChecked());
        EXPECT_TRUE(dlg.GetRadio(IDC_SHARP)->isChecked());
        EXPECT_TRUE(dlg.GetRadio(IDC_MAJOR)->isChecked());
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    // Without the plug-in nothing is written; the caller says it is missing.
    CMidiPlugin missing;
    EXPECT_FALSE(dlg.WriteToPlugin(missing));
    ASSERT_TRUE(dlg.WriteToPlugin(plugin));
    ExpectValues(ReadPlugin(plugin), 0, 0, 0, 1, 0, 100, "E3", 25, -40);
    plugin.Free();
}

TEST(MidiSettingsDlg, EveryChoiceReachesItsValue) {
    CMidiSettingsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetList(IDC_ACCIDENTALS_LIST), 7);
        QTest::mouseClick(dlg.GetRadio(IDC_FLAT), Qt::LeftButton);
        QTest::mouseClick(dlg.GetRadio(IDC_MINOR), Qt::LeftButton);
        QTest::mouseClick(dlg.GetRadio(IDC_KEEP_PITCH), Qt::LeftButton);
        ChooseRow(dlg.GetList(IDC_INSTRUMENT_LIST), 127);
        ChooseRow(dlg.GetList(IDC_TEMPO_LIST), 235);
        ChooseRow(dlg.GetList(IDC_PITCH_CHANGE_LIST), 0);
        ChooseRow(dlg.GetList(IDC_MIN_DB_LIST), 4);
        TypeNote(dlg, "C4#");
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    ExpectValues(dlg.GetValues(), 7, 1, 1, 0, 127, 255, "C4#", 5, -50);

    run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetList(IDC_TEMPO_LIST), 0);
        EXPECT_EQ(dlg.GetList(IDC_TEMPO_LIST)->currentText(), " 20");
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(dlg.GetValues().nTempo, 20);
}

TEST(MidiSettingsDlg, PitchChangeAndLevelMapping) {
    const int anCents[] = {5, 10, 25, 50};
    const int anDb[] = {-10, -20, -30, -40, -50};
    CMidiSettingsDlg dlg;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        ModalRun run = RunModal(dlg, [&] {
            if (i < 4) ChooseRow(dlg.GetList(IDC_PITCH_CHANGE_LIST), i);
            ChooseRow(dlg.GetList(IDC_MIN_DB_LIST), i);
            PressOk(dlg);
        });
        ASSERT_EQ(run.nResult, QDialog::Accepted);
        if (i < 4) {
            EXPECT_EQ(dlg.GetValues().nDeltaCents, anCents[i]);
        }
        EXPECT_EQ(dlg.GetValues().ndB, anDb[i]);
    }
    // An index no list entry has falls back as the plug-in expects.
    dlg.m_nPitchChangeIndex = -1;
    dlg.m_nMinDbIndex = 5;
    EXPECT_EQ(dlg.GetValues().nDeltaCents, 25);
    EXPECT_EQ(dlg.GetValues().ndB, -50);
    EXPECT_EQ(CMidiSettingsDlg::DeltaCentsOf(4), 25);
    EXPECT_EQ(CMidiSettingsDlg::MinDbOf(-1), -50);
}

TEST(MidiSettingsDlg, LowestNoteIsE3AtEveryOpeningAndLongTextsAreRefused) {
    MessageRecorder messages;
    CMidiSettingsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetList(IDC_LOWEST_NOTE_LIST), 12);  // "C4"
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(dlg.m_strLowestNote, "C4");

    bool bOpen = false, bFocus = false;
    run = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetList(IDC_LOWEST_NOTE_LIST)->currentText(), "E3");
        TypeNote(dlg, "C4#x");
        PressOk(dlg);
        bOpen = dlg.isVisible();
        bFocus = dlg.GetList(IDC_LOWEST_NOTE_LIST)->lineEdit()->hasFocus();
        PressCancel(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Rejected);
    EXPECT_TRUE(bOpen);
    EXPECT_TRUE(bFocus);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, MIDI_LOWEST_NOTE_PROMPT);
    EXPECT_EQ(messages.boxes[0].nIcon, MB_ICONSTOP);
    EXPECT_EQ(dlg.m_strLowestNote, "C4");

    // Untouched, the field gives "E3" again.
    run = RunModal(dlg, [&] { PressOk(dlg); });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(std::string(dlg.GetValues().chLow), "E3");
}

TEST(MidiSettingsDlg, CancelKeepsListChoicesButNotTheButtons) {
    CMidiSettingsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetList(IDC_ACCIDENTALS_LIST), 3);
        ChooseRow(dlg.GetList(IDC_TEMPO_LIST), 100);
        QTest::mouseClick(dlg.GetRadio(IDC_FLAT), Qt::LeftButton);
        QTest::mouseClick(dlg.GetRadio(IDC_KEEP_PITCH), Qt::LeftButton);
        PressCancel(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Rejected);
    EXPECT_EQ(dlg.m_nAccidentalsIndex, 3);
    EXPECT_EQ(dlg.m_nTempoBpm, 120);
    EXPECT_EQ(dlg.m_nSharpFlatMode, 0);
    EXPECT_EQ(dlg.m_nPitchMode, 1);
    run = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetList(IDC_ACCIDENTALS_LIST)->currentText(), "3");
        EXPECT_EQ(dlg.GetList(IDC_TEMPO_LIST)->currentText(), "120");
        EXPECT_TRUE(dlg.GetRadio(IDC_SHARP)->isChecked());
        EXPECT_TRUE(dlg.GetRadio(IDC_ROUND_PITCH)->isChecked());
        PressCancel(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Rejected);
}
