// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenu>
#include <QRadioButton>

#include "dialogs/SpectrumSettingsDlg.h"
#include "platform/ui/Menu.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "views/SpectrumArea.h"

namespace {
const std::string PROMPT = SPECTRUM_RANGE_PROMPT;
const std::string MSG_176 = LoadResString(IDS_RANGE_VALUE);
const std::string MSG_177 = LoadResString(IDS_RANGE_TOO_SMALL);

// Stands in for the display plug-in's SetRange: records the range and
// answers with the zoom level the test chose.
struct FakeSetRange {
    static inline int nCalls = 0;
    static inline float fFrom = 0, fTo = 0;
    static inline unsigned nLevel = 0;
    static void Call(float from, float to, unsigned* pnLevel, float* pfRange, double* pdLogRange) {
        ++nCalls;
        fFrom = from;
        fTo = to;
        *pnLevel = nLevel;
        *pfRange = to - from;
        *pdLogRange = 1.5;
    }
};

bool ItemEnabled(CSpectrumArea& area, unsigned nId) {
    QAction* pItem = FindMenuItem(area.GetZoomMenu(), nId);
    return pItem && pItem->isEnabled();
}

// Opens the dialog, types a range, presses OK; the texts afterwards.
struct RangeRun {
    ModalRun run;
    bool bFocusOnFrom = false, bFocusOnTo = false;
    QString from, to;
};
RangeRun TypeRange(CSpectrumSettingsDlg& dlg, const char* pszFrom, const char* pszTo) {
    RangeRun r;
    r.run = RunModal(dlg, [&] {
        TypeInto(dlg.GetFrom(), pszFrom);
        TypeInto(dlg.GetTo(), pszTo);
        PressOk(dlg);
        r.bFocusOnFrom = dlg.GetFrom()->hasFocus();
        r.bFocusOnTo = dlg.GetTo()->hasFocus();
        r.from = dlg.GetFrom()->text();
        r.to = dlg.GetTo()->text();
    });
    return r;
}
}  // namespace

// The OK checks in order: the fields' own range, then 176, then 177.
TEST(SpectrumSettingsDlg, RangeChecksOfOk) {
    struct Case {
        const char* pszFrom;
        const char* pszTo;
        std::string strMessage;  // empty: accepted
    };
    const Case cases[] = {
        {"40", "540", ""},       {"3500", "4000", ""},      {"40", "539", MSG_177},
        {"600", "500", MSG_176}, {"1000", "1000", MSG_177}, {"39", "4000", PROMPT},
        {"40", "4001", PROMPT},  {"abc", "4000", PROMPT},   {"40", "100.5", PROMPT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszFrom) + " / " + c.pszTo);
        MessageRecorder messages;
        CSpectrumSettingsDlg dlg;
        dlg.SetDisplayPluginAvailable(true);
        const RangeRun r = TypeRange(dlg, c.pszFrom, c.pszTo);
        if (c.strMessage.empty()) {
            EXPECT_EQ(r.run.nResult, QDialog::Accepted);
            EXPECT_TRUE(messages.boxes.empty());
            EXPECT_EQ(dlg.m_nFrom, atoi(c.pszFrom));
            EXPECT_EQ(dlg.m_nTo, atoi(c.pszTo));
            continue;
        }
        EXPECT_TRUE(r.run.bLeftOpen);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, c.strMessage);
        EXPECT_EQ(messages.boxes[0].nIcon, MB_ICONSTOP);
        EXPECT_EQ(r.from, c.pszFrom);  // everything stays as typed
        EXPECT_EQ(r.to, c.pszTo);
        // The field's own prompt sends the user back to that field.
        if (c.strMessage == PROMPT) {
            EXPECT_TRUE(std::string(c.pszTo) == "4000" ? r.bFocusOnFrom : r.bFocusOnTo);
        }
    }
}

TEST(SpectrumSettingsDlg, WithoutDisplayPluginRangeIsGreyedAndScaleAndDynamicStillApply) {
    CSpectrumArea area;
    CSpectrumColumns& columns = *area.GetColumns();
    unsigned nWindowDynamicRange = 45;
    CSpectrumSettingsDlg dlg;
    ModalRun run = RunModal(dlg, [&] {
        EXPECT_FALSE(dlg.GetFrom()->isEnabled());
        EXPECT_FALSE(dlg.GetTo()->isEnabled());
        EXPECT_EQ(dlg.GetFrom()->text(), "40");
        EXPECT_EQ(dlg.GetDynamicList()->currentText(), "  45dB");
        QTest::mouseClick(dlg.GetLogarithmic(), Qt::LeftButton);
        ChooseRow(dlg.GetDynamicList(), 1);
        EXPECT_EQ(dlg.GetDynamicList()->currentText(), "  35db");
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    FakeSetRange::nCalls = 0;
    dlg.Apply(&nWindowDynamicRange, &area, nullptr);
    EXPECT_EQ(nWindowDynamicRange, 35u);
    EXPECT_EQ(columns.m_nDynamicRange.load(), 35);
    EXPECT_EQ(columns.m_bLogarithmic.load(), 1);
    EXPECT_EQ(columns.m_fFrom.load(), 40.0f);
    EXPECT_EQ(columns.m_fTo.load(), 4000.0f);
    EXPECT_EQ(FakeSetRange::nCalls, 0);
}

TEST(SpectrumSettingsDlg, WithDisplayPluginRangeGoesThroughSetRangeAndSetsTheZoomItems) {
    CSpectrumArea area;
    CSpectrumColumns& columns = *area.GetColumns();
    unsigned nWindowDynamicRange = 45;
    CSpectrumSettingsDlg dlg;
    dlg.SetDisplayPluginAvailable(true);
    ModalRun run = RunModal(dlg, [&] {
        TypeInto(dlg.GetFrom(), "100");
        TypeInto(dlg.GetTo(), "2000");
        ChooseRow(dlg.GetDynamicList(), 7);
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);

    FakeSetRange::nLevel = 3;
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_EQ(FakeSetRange::fFrom, 100.0f);
    EXPECT_EQ(FakeSetRange::fTo, 2000.0f);
    EXPECT_EQ(nWindowDynamicRange, 80u);
    EXPECT_EQ(columns.m_nDynamicRange.load(), 80);
    EXPECT_EQ(columns.m_fFrom.load(), 100.0f);
    EXPECT_EQ(columns.m_fTo.load(), 2000.0f);
    EXPECT_EQ(columns.m_nZoomLevel.load(), 3u);
    EXPECT_EQ(columns.m_fRange.load(), 1900.0f);
    EXPECT_EQ(columns.m_dLogRange.load(), 1.5);
    EXPECT_FALSE(ItemEnabled(area, ID_ZOOM_IN));
    EXPECT_TRUE(ItemEnabled(area, ID_ZOOM_OUT));

    // Level 1 after level 3: both directions can zoom again.
    FakeSetRange::nLevel = 1;
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_TRUE(ItemEnabled(area, ID_ZOOM_IN));
    EXPECT_TRUE(ItemEnabled(area, ID_ZOOM_OUT));

    FakeSetRange::nLevel = 0;
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_TRUE(ItemEnabled(area, ID_ZOOM_IN));
    EXPECT_FALSE(ItemEnabled(area, ID_ZOOM_OUT));
}

TEST(SpectrumSettingsDlg, LogarithmicChangesOnlyTheScaleAndCancelReadsNothing) {
    CSpectrumArea area;
    CSpectrumColumns& columns = *area.GetColumns();
    unsigned nWindowDynamicRange = 45;
    CSpectrumSettingsDlg dlg;
    dlg.SetDisplayPluginAvailable(true);
    ASSERT_EQ(TypeRange(dlg, "200", "3000").run.nResult, QDialog::Accepted);
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);

    ModalRun run = RunModal(dlg, [&] {
        QTest::mouseClick(dlg.GetLogarithmic(), Qt::LeftButton);
        ChooseRow(dlg.GetDynamicList(), 0);
        TypeInto(dlg.GetTo(), "3900");
        PressCancel(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Rejected);
    EXPECT_EQ(dlg.m_nScale, 0);
    EXPECT_EQ(dlg.m_nDynamicIndex, 3);
    EXPECT_EQ(dlg.m_nTo, 3000);

    run = RunModal(dlg, [&] {
        EXPECT_TRUE(dlg.GetLinear()->isChecked());
        EXPECT_EQ(dlg.GetTo()->text(), "3000");
        QTest::mouseClick(dlg.GetLogarithmic(), Qt::LeftButton);
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_EQ(columns.m_bLogarithmic.load(), 1);
    EXPECT_EQ(columns.m_fFrom.load(), 200.0f);
    EXPECT_EQ(columns.m_fTo.load(), 3000.0f);
    EXPECT_EQ(nWindowDynamicRange, 45u);
    EXPECT_EQ(columns.m_nDynamicRange.load(), 45);
}
