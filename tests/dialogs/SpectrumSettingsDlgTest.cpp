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

// A stand-in for the display plug-in's SetRange: records its call and
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
    static void Reset(unsigned level) {
        nCalls = 0;
        nLevel = level;
    }
};

bool ItemEnabled(CSpectrumArea& area, unsigned nId) {
    QAction* pItem = FindMenuItem(area.GetZoomMenu(), nId);
    return pItem && pItem->isEnabled();
}
}  // namespace

TEST(SpectrumSettingsDlg, DynamicListAndDefaults) {
    CSpectrumSettingsDlg dlg;
    QStringList texts;
    ModalRun run = RunModal(dlg, [&] {
        for (int i = 0; i < dlg.GetDynamicList()->count(); ++i)
            texts << dlg.GetDynamicList()->itemText(i);
        EXPECT_EQ(dlg.GetDynamicList()->currentText(), "  45dB");
        EXPECT_TRUE(dlg.GetLinear()->isChecked());
        EXPECT_FALSE(dlg.GetLogarithmic()->isChecked());
        EXPECT_EQ(dlg.GetFrom()->text(), "40");
        EXPECT_EQ(dlg.GetTo()->text(), "4000");
        PressOk(dlg);
    });
    EXPECT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_EQ(texts, (QStringList{"  30dB", "  35db", "  40dB", "  45dB", "  50dB", "  60dB",
                                  "  70dB", "  80dB"}));
    unsigned anRanges[8];
    for (int i = 0; i < 8; ++i) anRanges[i] = CSpectrumSettingsDlg::DynamicRangeOf(i);
    EXPECT_EQ(std::vector<unsigned>(anRanges, anRanges + 8),
              (std::vector<unsigned>{30, 35, 40, 45, 50, 60, 70, 80}));
    EXPECT_EQ(CSpectrumSettingsDlg::DynamicRangeOf(8), 0u);
    EXPECT_EQ(CSpectrumSettingsDlg::DynamicRangeOf(-1), 0u);
}

// The OK checks in order: the fields' own range, then 176, then 177.
TEST(SpectrumSettingsDlg, RangeChecksOfOk) {
    struct Case {
        const char* pszFrom;
        const char* pszTo;
        std::string strMessage;  // empty: accepted
        bool bFocusOnTo;         // where a refused field's prompt leaves the focus
    };
    const Case cases[] = {
        {"40", "540", "", false},       {"40", "539", MSG_177, false},
        {"600", "500", MSG_176, false}, {"1000", "1000", MSG_177, false},
        {"3500", "4000", "", false},    {"39", "4000", PROMPT, false},
        {"40", "4001", PROMPT, true},   {"abc", "4000", PROMPT, false},
        {"40", "1e3", PROMPT, true},    {"100.5", "4000", PROMPT, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszFrom) + " / " + c.pszTo);
        MessageRecorder messages;
        CSpectrumSettingsDlg dlg;
        dlg.SetDisplayPluginAvailable(true);
        bool bOpen = false, bFocus = false;
        QString from, to;
        ModalRun run = RunModal(dlg, [&] {
            EXPECT_TRUE(dlg.GetFrom()->isEnabled());
            EXPECT_TRUE(dlg.GetTo()->isEnabled());
            TypeInto(dlg.GetFrom(), c.pszFrom);
            TypeInto(dlg.GetTo(), c.pszTo);
            PressOk(dlg);
            bOpen = dlg.isVisible();
            bFocus = (c.bFocusOnTo ? dlg.GetTo() : dlg.GetFrom())->hasFocus();
            from = dlg.GetFrom()->text();
            to = dlg.GetTo()->text();
        });
        if (c.strMessage.empty()) {
            EXPECT_EQ(run.nResult, QDialog::Accepted);
            EXPECT_TRUE(messages.boxes.empty());
            EXPECT_EQ(dlg.m_nFrom, QString(c.pszFrom).toInt());
            EXPECT_EQ(dlg.m_nTo, QString(c.pszTo).toInt());
            continue;
        }
        EXPECT_TRUE(bOpen);
        EXPECT_TRUE(run.bLeftOpen);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, c.strMessage);
        EXPECT_EQ(messages.boxes[0].nIcon, MB_ICONSTOP);
        // Everything stays as typed.
        EXPECT_EQ(from, c.pszFrom);
        EXPECT_EQ(to, c.pszTo);
        if (c.strMessage == PROMPT) {
            EXPECT_TRUE(bFocus);
        }
    }
}

TEST(SpectrumSettingsDlg, WithoutDisplayPluginRangeIsGreyedAndScaleAndDynamicStillApply) {
    MessageRecorder messages;
    CSpectrumArea area;
    CSpectrumColumns& columns = *area.GetColumns();
    unsigned nWindowDynamicRange = 45;
    CSpectrumSettingsDlg dlg;
    dlg.SetDisplayPluginAvailable(false);
    ModalRun run = RunModal(dlg, [&] {
        EXPECT_FALSE(dlg.GetFrom()->isEnabled());
        EXPECT_FALSE(dlg.GetTo()->isEnabled());
        EXPECT_EQ(dlg.GetFrom()->text(), "40");
        // Typing into a greyed field does nothing.
        QTest::keyClicks(dlg.GetFrom(), "9");
        EXPECT_EQ(dlg.GetFrom()->text(), "40");
        QTest::mouseClick(dlg.GetLogarithmic(), Qt::LeftButton);
        ChooseRow(dlg.GetDynamicList(), 1);
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    EXPECT_TRUE(messages.boxes.empty());
    FakeSetRange::Reset(2);
    dlg.Apply(&nWindowDynamicRange, &area, nullptr);
    EXPECT_EQ(nWindowDynamicRange, 35u);
    EXPECT_EQ(columns.m_nDynamicRange.load(), 35);
    EXPECT_EQ(columns.m_bLogarithmic.load(), 1);
    EXPECT_EQ(columns.m_fFrom.load(), 40.0f);
    EXPECT_EQ(columns.m_fTo.load(), 4000.0f);
    EXPECT_EQ(columns.m_nZoomLevel.load(), 0u);
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

    FakeSetRange::Reset(3);
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_EQ(FakeSetRange::nCalls, 1);
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
    FakeSetRange::Reset(1);
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_TRUE(ItemEnabled(area, ID_ZOOM_IN));
    EXPECT_TRUE(ItemEnabled(area, ID_ZOOM_OUT));

    FakeSetRange::Reset(0);
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
    ModalRun run = RunModal(dlg, [&] {
        TypeInto(dlg.GetFrom(), "200");
        TypeInto(dlg.GetTo(), "3000");
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    FakeSetRange::Reset(1);
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);

    // Changes that Cancel throws away.
    run = RunModal(dlg, [&] {
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
        EXPECT_EQ(dlg.GetDynamicList()->currentText(), "  45dB");
        EXPECT_EQ(dlg.GetFrom()->text(), "200");
        EXPECT_EQ(dlg.GetTo()->text(), "3000");
        QTest::mouseClick(dlg.GetLogarithmic(), Qt::LeftButton);
        PressOk(dlg);
    });
    ASSERT_EQ(run.nResult, QDialog::Accepted);
    dlg.Apply(&nWindowDynamicRange, &area, &FakeSetRange::Call);
    EXPECT_EQ(columns.m_bLogarithmic.load(), 1);
    EXPECT_EQ(columns.m_fFrom.load(), 200.0f);
    EXPECT_EQ(columns.m_fTo.load(), 3000.0f);
    EXPECT_EQ(FakeSetRange::fFrom, 200.0f);
    EXPECT_EQ(FakeSetRange::fTo, 3000.0f);
    EXPECT_EQ(nWindowDynamicRange, 45u);
    EXPECT_EQ(columns.m_nDynamicRange.load(), 45);
}
