// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed into the dialogs' fields, for a bounded number of tries: the
// dialog either takes a value inside its range or stays open with one prompt;
// it never crashes, hangs or stores something out of range.
#include <QComboBox>
#include <QLineEdit>
#include <random>

#include "analysis/Fft.h"
#include "dialogs/FftParamsDlg.h"
#include "dialogs/MidiSettingsDlg.h"
#include "dialogs/SpectrumSettingsDlg.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

// Texts a user might type: numbers near and beyond the limits, signs,
// exponents, separators, letters, very long ones (typed key by key, so
// printable ASCII).
QString RandomText(std::mt19937& rng) {
    static const QString pieces[] = {"0",   "1",   "4",    "5",    "9",  ".",   ",",   "-",
                                     "+",   "e",   "E",    " ",    "x",  "C",   "#",   "b",
                                     "40",  "500", "4000", "4001", "39", "nan", "inf", "0x1",
                                     "1e3", "00",  "%d",   "'",    ";"};
    QString text;
    const int n = int(rng() % 9);
    for (int i = 0; i < n; ++i) text += pieces[rng() % std::size(pieces)];
    if (rng() % 25 == 0) text = QString(int(rng() % 300) + 1, QChar('9'));
    return text;
}

constexpr int ROUNDS = 40;

}  // namespace

TEST(TypedText, FftAlphaTakesOnlyNumbersFromZeroToOne) {
    std::mt19937 rng(1208);
    for (int round = 0; round < ROUNDS; ++round) {
        const QString text = RandomText(rng);
        SCOPED_TRACE(text.toStdString());
        MessageRecorder messages;
        CFftParamsDlg dlg;
        bool bOpenAfterOk = false;
        ModalRun run = RunModal(dlg, [&] {
            ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
            TypeInto(dlg.GetAlphaField(), text);
            PressOk(dlg);
            bOpenAfterOk = dlg.isVisible();
        });
        if (run.nResult == QDialog::Accepted) {
            EXPECT_GE(dlg.m_fAlpha, 0.0f);
            EXPECT_LE(dlg.m_fAlpha, 1.0f);
            EXPECT_TRUE(messages.boxes.empty());
        } else {
            EXPECT_TRUE(bOpenAfterOk);
            EXPECT_EQ(messages.boxes.size(), 1u);
        }
    }
}

TEST(TypedText, SpectrumRangeTakesOnlyAValidRange) {
    std::mt19937 rng(1209);
    for (int round = 0; round < ROUNDS; ++round) {
        const QString from = RandomText(rng), to = RandomText(rng);
        SCOPED_TRACE(from.toStdString() + " / " + to.toStdString());
        MessageRecorder messages;
        CSpectrumSettingsDlg dlg;
        dlg.SetDisplayPluginAvailable(true);
        bool bOpenAfterOk = false;
        ModalRun run = RunModal(dlg, [&] {
            TypeInto(dlg.GetFrom(), from);
            TypeInto(dlg.GetTo(), to);
            PressOk(dlg);
            bOpenAfterOk = dlg.isVisible();
        });
        if (run.nResult == QDialog::Accepted) {
            EXPECT_GE(dlg.m_nFrom, 40);
            EXPECT_LE(dlg.m_nTo, 4000);
            EXPECT_GE(dlg.m_nTo - dlg.m_nFrom, 500);
        } else {
            EXPECT_TRUE(bOpenAfterOk);
            EXPECT_EQ(messages.boxes.size(), 1u);
        }
    }
}

TEST(TypedText, LowestNoteTakesAtMostThreeCharacters) {
    std::mt19937 rng(1210);
    for (int round = 0; round < ROUNDS; ++round) {
        const QString text = RandomText(rng);
        SCOPED_TRACE(text.toStdString());
        MessageRecorder messages;
        CMidiSettingsDlg dlg;
        QComboBox* pList = dlg.GetList(IDC_LOWEST_NOTE_LIST);
        ASSERT_NE(pList, nullptr);
        if (!pList->isEditable()) GTEST_SKIP() << "the lowest note is chosen, not typed";
        ModalRun run = RunModal(dlg, [&] {
            TypeInto(pList->lineEdit(), text);
            PressOk(dlg);
        });
        if (run.nResult == QDialog::Accepted) {
            EXPECT_LE(dlg.m_strLowestNote.size(), 3);
        } else {
            EXPECT_EQ(messages.boxes.size(), 1u);
        }
    }
}
