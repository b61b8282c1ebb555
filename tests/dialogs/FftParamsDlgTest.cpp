// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>

#include "analysis/Fft.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"
#include "dialogs/FftParamsDlg.h"
#include "tests/analysis/Signals.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
const std::string PROMPT = FFT_ALPHA_PROMPT;
}

TEST(FftParamsDlg, GaussianEnablesAlphaAtOnceAndAnotherWindowDisablesItWithoutClearing) {
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetSizeList()->currentText(), "  8192");
        EXPECT_EQ(dlg.GetWindowList()->currentText(), "Hanning");
        EXPECT_FALSE(dlg.GetAlphaField()->isEnabled());
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        EXPECT_EQ(dlg.GetWindowList()->currentText(), "Gaussian");
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_TRUE(dlg.GetAlphaGroup()->isEnabled());
        TypeInto(dlg.GetAlphaField(), "0.25");
        ChooseRow(dlg.GetWindowList(), WINDOW_WELCH);
        EXPECT_FALSE(dlg.GetAlphaField()->isEnabled());
        EXPECT_FALSE(dlg.GetAlphaGroup()->isEnabled());
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.25");
        // The change read every control back.
        EXPECT_EQ(dlg.m_fAlpha, 0.25f);
        PressOk(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(dlg.m_nWindowIndex, WINDOW_WELCH);
}

TEST(FftParamsDlg, AlphaLimitsAreAcceptedAndOtherTextsRefusedWithTheDialogOpen) {
    for (const char* pszAlpha : {"0", "1"}) {
        MessageRecorder messages;
        CFftParamsDlg dlg;
        ModalRun run = RunModal(dlg, [&] {
            ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
            TypeInto(dlg.GetAlphaField(), pszAlpha);
            PressOk(dlg);
        });
        EXPECT_EQ(run.nResult, QDialog::Accepted) << pszAlpha;
        EXPECT_TRUE(messages.boxes.empty());
        EXPECT_EQ(dlg.m_fAlpha, pszAlpha[0] == '1' ? 1.0f : 0.0f);
    }
    for (const char* pszAlpha : {"1.5", "abc", "-0.1"}) {
        SCOPED_TRACE(pszAlpha);
        MessageRecorder messages;
        CFftParamsDlg dlg;
        bool bOpenAfterOk = false, bFocusOnField = false;
        ModalRun run = RunModal(dlg, [&] {
            ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
            TypeInto(dlg.GetAlphaField(), pszAlpha);
            PressOk(dlg);
            bOpenAfterOk = dlg.isVisible();
            bFocusOnField = dlg.GetAlphaField()->hasFocus();
            // Corrected, the same OK goes through.
            TypeInto(dlg.GetAlphaField(), "1");
            PressOk(dlg);
        });
        EXPECT_TRUE(bOpenAfterOk);
        EXPECT_TRUE(bFocusOnField);
        EXPECT_EQ(run.nResult, QDialog::Accepted);
        EXPECT_FALSE(run.bLeftOpen);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, PROMPT);
        EXPECT_EQ(messages.boxes[0].nIcon, MB_ICONSTOP);
    }
}

TEST(FftParamsDlg, ListChangeWithARefusedAlphaPromptsAndKeepsTheFieldCorrectable) {
    MessageRecorder messages;
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        TypeInto(dlg.GetAlphaField(), "2");
        ChooseRow(dlg.GetWindowList(), WINDOW_HAMMING);  // one step, one read
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{PROMPT});
        // A refused value stays where the user can correct it.
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_TRUE(dlg.GetAlphaField()->hasFocus());
        TypeInto(dlg.GetAlphaField(), "0.5");
        ChooseRow(dlg.GetSizeList(), 0);
        // Once the value reads, the field follows the chosen window again.
        EXPECT_FALSE(dlg.GetAlphaField()->isEnabled());
        PressOk(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(dlg.m_nWindowIndex, WINDOW_HAMMING);
    EXPECT_EQ(dlg.m_nFftSizeIndex, 0);
}

TEST(FftParamsDlg, CancelAppliesNothingButTheNextOpeningShowsTheChangedLists) {
    CPitchAnalyser analyser;
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetSizeList(), 0);
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        TypeInto(dlg.GetAlphaField(), "0.75");  // typed, never read back
        PressCancel(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Rejected);

    run = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetSizeList()->currentText(), "  4096");
        EXPECT_EQ(dlg.GetWindowList()->currentText(), "Gaussian");
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.5");
        TypeInto(dlg.GetAlphaField(), "0.125");
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    dlg.Apply(analyser);
    EXPECT_EQ(analyser.m_nWindowType.load(), WINDOW_GAUSSIAN);
    EXPECT_EQ(analyser.m_nFftSize.load(), 4096u);
    EXPECT_EQ(analyser.m_fBinWidth.load(), 3.90625f);
    EXPECT_EQ(analyser.m_fGaussAlpha.load(), -0.125f);
}

// The choice reaches the analysis: a 440 Hz tone still reads A5 with the
// small FFT and the Blackman window.
TEST(FftParamsDlg, SmallFftWithBlackmanStillReadsA5) {
    CPitchAnalyser analyser;
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetSizeList(), 0);
        ChooseRow(dlg.GetWindowList(), WINDOW_BLACKMAN);
        EXPECT_EQ(dlg.GetWindowList()->currentText(), "Blackmann");
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    dlg.Apply(analyser);
    ASSERT_EQ(analyser.m_nFftSize.load(), 4096u);
    for (long block = 0; block < 4; ++block) {
        const std::vector<int16_t> samples = ToneBlock(440.0, 8000.0, block * BLOCK_FRAMES);
        ASSERT_TRUE(analyser.AnalyseBlock(samples.data()));
    }
    EXPECT_NEAR(analyser.GetReading().dFrequency, 440.0, 0.5);
    EXPECT_EQ(analyser.GetReading().nNoteIndex, NOTE_A5);
}
