// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <cmath>

#include "DialogTestSupport.h"
#include "analysis/ReferenceTone.h"
#include "analysis/Temperaments.h"
#include "dialogs/ReferenceToneDlg.h"

namespace {

// What the dialog asked of its output; it opens or fails as told.
struct ToneLog {
    bool bOpens = true;
    bool bPlaying = false;
    int nPlays = 0;
    double dHz = 0, dVolume = 0;
    ToneShape shape = ToneShape::Sine;
};

class CFakePlayer : public ITonePlayer {
public:
    explicit CFakePlayer(ToneLog& log) : m_log(log) {}
    bool Play(double dHz, ToneShape shape, double dVolume) override {
        ++m_log.nPlays;
        m_log.dHz = dHz;
        m_log.shape = shape;
        m_log.dVolume = dVolume;
        m_log.bPlaying = m_log.bOpens;
        return m_log.bOpens;
    }
    void Stop() override { m_log.bPlaying = false; }
    bool IsPlaying() const override { return m_log.bPlaying; }
    std::string GetLastErrorText() const override { return "The sound server has no output"; }

private:
    ToneLog& m_log;
};

double Cents(double a, double b) {
    return 1200.0 * std::log2(a / b);
}

}  // namespace

// A note of the tuning in use, then its shape and volume, each heard as it is
// chosen; closing the dialog stops the tone.
TEST(ReferenceToneDlg, PlaysTheChosenNoteOfTheTuningAndStopsOnClose) {
    CTuningValues values;
    values.nA5 = 442;
    values.nTemperament = FindTemperament("meantone4");
    ToneLog log;
    CReferenceToneDlg dlg(values, std::make_unique<CFakePlayer>(log));
    EXPECT_EQ(dlg.GetNoteList()->currentText(), QStringLiteral("A5"));
    const ModalRun run = RunModal(dlg, [&] {
        QTest::mouseClick(dlg.GetPlayButton(), Qt::LeftButton);
        EXPECT_TRUE(log.bPlaying);
        EXPECT_EQ(log.dHz, 442.0);
        dlg.GetNoteList()->setCurrentText(QStringLiteral("E5"));
        EXPECT_NEAR(Cents(log.dHz, 442.0 * 1.5 * std::pow(80.0 / 81.0, 0.25) / 2), 0, 1e-6);
        dlg.GetShapeList()->setCurrentIndex(1);
        dlg.GetVolumeSlider()->setValue(20);
        EXPECT_EQ(log.shape, ToneShape::Soft);
        EXPECT_DOUBLE_EQ(log.dVolume, 0.2);
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_FALSE(run.bLeftOpen);
    EXPECT_FALSE(log.bPlaying);
}

// The strings of the instrument in use are the notes offered.
TEST(ReferenceToneDlg, OffersTheStringsOfAnInstrument) {
    CTuningValues values;
    values.strStrings = "E3 A3 D4 G4 B4 E5";
    ToneLog log;
    CReferenceToneDlg dlg(values, std::make_unique<CFakePlayer>(log));
    QStringList names;
    for (int i = 0; i < dlg.GetNoteList()->count(); ++i) names << dlg.GetNoteList()->itemText(i);
    EXPECT_EQ(names.join(' '), QStringLiteral("E3 A3 D4 G4 B4 E5"));
}

// No output: a message box with the server's reason, and nothing left
// playing; a tone the server drops later is told as well.
TEST(ReferenceToneDlg, AToneThatCannotPlayOrIsDroppedIsToldInAMessage) {
    MessageRecorder messages;
    ToneLog log;
    log.bOpens = false;
    CReferenceToneDlg dlg(CTuningValues{}, std::make_unique<CFakePlayer>(log));
    QTest::mouseClick(dlg.GetPlayButton(), Qt::LeftButton);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_NE(messages.boxes[0].text.find("Cannot play the reference tone"), std::string::npos);
    EXPECT_NE(messages.boxes[0].text.find("has no output"), std::string::npos);
    EXPECT_FALSE(dlg.GetStopButton()->isEnabled());
    EXPECT_EQ(log.nPlays, 1);

    log.bOpens = true;
    QTest::mouseClick(dlg.GetPlayButton(), Qt::LeftButton);
    ASSERT_TRUE(dlg.GetStopButton()->isEnabled());
    log.bPlaying = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.boxes.size() == 2; }, 5000));
    EXPECT_NE(messages.boxes[1].text.find("stopped the reference tone"), std::string::npos);
    EXPECT_FALSE(dlg.GetStopButton()->isEnabled());
}
