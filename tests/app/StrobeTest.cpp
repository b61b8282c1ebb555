// SPDX-License-Identifier: GPL-3.0-or-later
// View -> Strobe and View -> Spectrum on a window driven as a user would,
// remembered and asked for by --strobe.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>

#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "platform/ui/Menu.h"
#include "tests/app/WindowFixture.h"
#include "views/SpectrumArea.h"
#include "views/StrobeView.h"

namespace {

// (The views have no meta-object of their own: findChild<CStrobeView*> would
// take any widget.)
CStrobeView* Strobe(CWindowFixture& w) {
    for (QWidget* pChild : w.dlg->GetClient()->findChildren<QWidget*>())
        if (auto* pStrobe = dynamic_cast<CStrobeView*>(pChild)) return pStrobe;
    return nullptr;
}

// The strobe in the spectrum's place, or the spectrum, and the menu's check
// marks and the phase meter with it.
void ExpectStrobeShown(CWindowFixture& w, bool bStrobe) {
    ASSERT_NE(Strobe(w), nullptr);
    EXPECT_EQ(Strobe(w)->isVisible(), bStrobe);
    EXPECT_EQ(w.dlg->m_pSpectrumArea->isVisible(), !bStrobe);
    EXPECT_EQ(Strobe(w)->geometry(), w.dlg->m_pSpectrumArea->geometry());
    EXPECT_EQ(FindMenuItem(w.dlg->m_pMenu, ID_VIEW_STROBE)->isChecked(), bStrobe);
    EXPECT_EQ(FindMenuItem(w.dlg->m_pMenu, ID_VIEW_SPECTRUM)->isChecked(), !bStrobe);
    EXPECT_EQ(w.dlg->GetAnalyser().m_phaseMeter.IsEnabled(), bStrobe);
}

}  // namespace

TEST(Strobe, TakesTheSpectrumsPlaceAndGivesItBack) {
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    ExpectStrobeShown(w, false);
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(w.FeedBlockAndWait(440.0));
    EXPECT_FALSE(w.dlg->GetAnalyser().GetReading().bFine);

    FindMenuItem(w.dlg->m_pMenu, ID_VIEW_STROBE)->trigger();
    ExpectStrobeShown(w, true);
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(w.FeedBlockAndWait(440.0));
    EXPECT_TRUE(w.dlg->GetAnalyser().GetReading().bFine);
    // It follows the window's layout.
    w.dlg->LayoutChildren(QSize(640, 400));
    EXPECT_EQ(Strobe(w)->geometry(), w.dlg->m_pSpectrumArea->geometry());
    EXPECT_TRUE(w.dlg->CurrentSettings().bStrobe);

    FindMenuItem(w.dlg->m_pMenu, ID_VIEW_SPECTRUM)->trigger();
    ExpectStrobeShown(w, false);
    ASSERT_TRUE(w.FeedBlockAndWait(440.0));
    EXPECT_FALSE(w.dlg->GetAnalyser().GetReading().bFine);
}

TEST(Strobe, RememberedAndAskedForByTheCommandLine) {
    QFile::remove(SettingsFilePath());
    {
        CAppSettings s;
        s.bStrobe = true;
        std::string strReason;
        ASSERT_TRUE(WriteSettingsFile(SettingsFilePath(), s, strReason)) << strReason;
        CAppSettings back;
        QStringList bad;
        ASSERT_EQ(ReadSettingsFile(SettingsFilePath(), back, bad, strReason), ESettingsFile::Read);
        EXPECT_TRUE(back.bStrobe);
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        ExpectStrobeShown(w, true);
    }
    QFile::remove(SettingsFilePath());
    EXPECT_FALSE(ParseCommandLine({}).options.bStrobe);
    CWindowFixture w;
    CTunerApp app(w.platform, ParseCommandLine({"--strobe", "--defaults"}).options);
    app.LoadIcons();
    w.dlg = std::make_unique<CTunerDlg>(&app, w.system);
    ASSERT_TRUE(w.dlg->OnInitDialog());
    w.dlg->show();
    ExpectStrobeShown(w, true);
}
