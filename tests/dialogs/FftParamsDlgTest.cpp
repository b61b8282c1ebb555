#include <QGroupBox>
#include <cmath>

#include "analysis/Fft.h"
#include "analysis/NoteTable.h"
#include "analysis/PitchAnalyser.h"
#include "dialogs/FftParamsDlg.h"
#include "tests/analysis/Signals.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
const std::string PROMPT = FFT_ALPHA_PROMPT;
}

TEST(FftParamsDlg, ListsHoldTheDesignedTextsAndTheDefaultsShowOnFirstOpening) {
    CFftParamsDlg dlg;
    QStringList sizes, windows;
    ModalRun run = RunModal(dlg, [&] {
        for (int i = 0; i < dlg.GetSizeList()->count(); ++i)
            sizes << dlg.GetSizeList()->itemText(i);
        for (int i = 0; i < dlg.GetWindowList()->count(); ++i)
            windows << dlg.GetWindowList()->itemText(i);
        EXPECT_EQ(dlg.GetSizeList()->currentText(), "  8192");
        EXPECT_EQ(dlg.GetWindowList()->currentText(), "Hanning");
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.5");
        EXPECT_FALSE(dlg.GetAlphaField()->isEnabled());
        EXPECT_FALSE(dlg.GetAlphaGroup()->isEnabled());
        PressOk(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(sizes, (QStringList{"  4096", "  8192"}));
    EXPECT_EQ(windows, (QStringList{"Blackmann", "Gaussian", "Hamming", "Hanning", "Parzen",
                                    "Rectangular", "Welch"}));
    // A sorted list keeps its texts in order, and the indexes are the window types.
    QStringList sorted = windows;
    sorted.sort();
    EXPECT_EQ(windows, sorted);
    EXPECT_EQ(dlg.GetWindowList()->itemText(WINDOW_GAUSSIAN), "Gaussian");
    EXPECT_EQ(dlg.size(), QSize(324, 107));  // 216 x 66 units
}

TEST(FftParamsDlg, GaussianEnablesAlphaAtOnceAndAnotherWindowDisablesItWithoutClearing) {
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_TRUE(dlg.GetAlphaGroup()->isEnabled());
        TypeInto(dlg.GetAlphaField(), "0.25");
        ChooseRow(dlg.GetWindowList(), WINDOW_WELCH);
        EXPECT_FALSE(dlg.GetAlphaField()->isEnabled());
        EXPECT_FALSE(dlg.GetAlphaGroup()->isEnabled());
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.25");
        // The change read every control back.
        EXPECT_EQ(dlg.m_fAlpha, 0.25f);
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.25");
        PressOk(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(dlg.m_nWindowIndex, WINDOW_GAUSSIAN);

    // The next opening starts with the field enabled for the Gaussian window.
    run = RunModal(dlg, [&] {
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.25");
        PressCancel(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Rejected);
}

TEST(FftParamsDlg, AlphaLimitsAreAcceptedAndOtherTextsRefusedWithTheDialogOpen) {
    for (const char* pszAlpha : {"0", "1", "0.0", "1.0", " 0.75 "}) {
        SCOPED_TRACE(pszAlpha);
        MessageRecorder messages;
        CFftParamsDlg dlg;
        ModalRun run = RunModal(dlg, [&] {
            ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
            TypeInto(dlg.GetAlphaField(), pszAlpha);
            PressOk(dlg);
        });
        EXPECT_EQ(run.nResult, QDialog::Accepted);
        EXPECT_FALSE(run.bLeftOpen);
        EXPECT_TRUE(messages.boxes.empty());
        EXPECT_EQ(dlg.m_fAlpha, QString::fromLatin1(pszAlpha).toFloat());
    }
    for (const char* pszAlpha : {"1.5", "abc", "-0.1", "", "1.0000001x", "nan"}) {
        SCOPED_TRACE(pszAlpha);
        MessageRecorder messages;
        CFftParamsDlg dlg;
        bool bOpenAfterOk = false, bFocusOnField = false, bStillOpenAfterFix = true;
        ModalRun run = RunModal(dlg, [&] {
            ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
            TypeInto(dlg.GetAlphaField(), pszAlpha);
            PressOk(dlg);
            bOpenAfterOk = dlg.isVisible();
            bFocusOnField = dlg.GetAlphaField()->hasFocus();
            // The user corrects the value and the same OK goes through.
            TypeInto(dlg.GetAlphaField(), "1");
            PressOk(dlg);
            bStillOpenAfterFix = dlg.isVisible();
        });
        EXPECT_TRUE(bOpenAfterOk);
        EXPECT_TRUE(bFocusOnField);
        EXPECT_FALSE(bStillOpenAfterFix);
        EXPECT_EQ(run.nResult, QDialog::Accepted);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, PROMPT);
        EXPECT_EQ(messages.boxes[0].nIcon, MB_ICONSTOP);
        EXPECT_EQ(dlg.m_fAlpha, 1.0f);
    }
}

TEST(FftParamsDlg, ListChangeWithARefusedAlphaPromptsAndKeepsTheFieldCorrectable) {
    MessageRecorder messages;
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        TypeInto(dlg.GetAlphaField(), "2");
        // One step of the list: one read, one prompt.
        ChooseRow(dlg.GetWindowList(), WINDOW_HAMMING);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{PROMPT});
        // The field holding the refused value stays usable and focused.
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
        EXPECT_TRUE(dlg.GetAlphaField()->hasFocus());
        TypeInto(dlg.GetAlphaField(), "0.5");
        ChooseRow(dlg.GetSizeList(), 0);
        EXPECT_EQ(messages.boxes.size(), 1u);
        // Once the value reads, the field follows the chosen window again.
        EXPECT_FALSE(dlg.GetAlphaField()->isEnabled());
        PressOk(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(dlg.m_nWindowIndex, WINDOW_HAMMING);
    EXPECT_EQ(dlg.m_nFftSizeIndex, 0);
    EXPECT_EQ(dlg.m_fAlpha, 0.5f);
}

TEST(FftParamsDlg, CancelAppliesNothingButTheNextOpeningShowsTheChangedLists) {
    CPitchAnalyser analyser;
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetSizeList(), 0);
        ChooseRow(dlg.GetWindowList(), WINDOW_GAUSSIAN);
        // Typed but never read back: Cancel reads nothing.
        TypeInto(dlg.GetAlphaField(), "0.75");
        PressCancel(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Rejected);
    // The main window applies on OK only; the analysis keeps its settings.
    EXPECT_EQ(analyser.m_nFftSize.load(), 8192u);
    EXPECT_EQ(analyser.m_nWindowType.load(), WINDOW_HANNING);

    run = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.GetSizeList()->currentText(), "  4096");
        EXPECT_EQ(dlg.GetWindowList()->currentText(), "Gaussian");
        EXPECT_EQ(dlg.GetAlphaField()->text(), "0.5");
        EXPECT_TRUE(dlg.GetAlphaField()->isEnabled());
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

// The dialog's choice reaches the analysis: a 440 Hz tone still reads A5 with
// the small FFT and the Blackman window.
TEST(FftParamsDlg, SmallFftWithBlackmanStillReadsA5) {
    CPitchAnalyser analyser;
    CFftParamsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        ChooseRow(dlg.GetSizeList(), 0);
        ChooseRow(dlg.GetWindowList(), WINDOW_BLACKMAN);
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    dlg.Apply(analyser);
    ASSERT_EQ(analyser.m_nFftSize.load(), 4096u);
    ASSERT_EQ(analyser.m_nWindowType.load(), WINDOW_BLACKMAN);
    for (long block = 0; block < 4; ++block) {
        const std::vector<int16_t> samples = ToneBlock(440.0, 8000.0, block * BLOCK_FRAMES);
        ASSERT_TRUE(analyser.AnalyseBlock(samples.data()));
    }
    const PitchReading& r = analyser.GetReading();
    EXPECT_NEAR(r.dFrequency, 440.0, 0.5);
    EXPECT_EQ(r.nNoteIndex, NOTE_A5);
}
