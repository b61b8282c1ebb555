// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window fits its control: measured with the control's own
// font, inside the rectangle the style leaves for the text. In English and in
// every language the program ships: where a translation is too long, the
// translation takes a shorter wording, not the layout more room.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/AppIds.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "platform/ui/MessageBox.h"
#include "resources/AppResources.h"
#include "resources/StringTable.h"
#include "tests/app/LocaleSupport.h"
#include "tests/app/WindowFixture.h"
#include "views/NoteArea.h"

namespace {

QString Plain(const QAbstractButton* pButton) {
    QString text = pButton->text();
    return text.remove(QLatin1Char('&'));
}

// The area a label or button leaves for its text.
QRect TextArea(const QWidget* pWidget) {
    if (const auto* pButton = qobject_cast<const QAbstractButton*>(pWidget)) {
        QStyleOptionButton opt;
        opt.initFrom(pButton);
        opt.text = pButton->text();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QRadioButton*>(pWidget)) element = QStyle::SE_RadioButtonContents;
        if (qobject_cast<const QCheckBox*>(pWidget)) element = QStyle::SE_CheckBoxContents;
        return pWidget->style()->subElementRect(element, &opt, pWidget);
    }
    const auto* pLabel = static_cast<const QLabel*>(pWidget);
    const int inset = pLabel->margin() + std::max(pLabel->indent(), 0);
    return pLabel->contentsRect().adjusted(inset, inset, -inset, -inset);
}

// What does not fit, as "text (needs W x H in W x H)", or "".
std::string Misfit(const QWidget* pWidget) {
    const QFontMetrics metrics(pWidget->font());
    const QRect area = TextArea(pWidget);
    QString text;
    int flags = Qt::AlignLeft | Qt::AlignTop;
    if (const auto* pButton = qobject_cast<const QAbstractButton*>(pWidget)) {
        text = Plain(pButton);
    } else {
        const auto* pLabel = static_cast<const QLabel*>(pWidget);
        text = pLabel->text();
        if (pLabel->wordWrap()) flags |= Qt::TextWordWrap;
    }
    if (text.isEmpty()) return {};
    // A word longer than the line sticks out of a wrapped text, so every
    // line's extent counts, and the ink of the first and last letters too.
    QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 100000), flags, text);
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
        needed.setWidth(std::max(needed.width(), metrics.boundingRect(word).width()));
    if (needed.width() <= area.width() && needed.height() <= area.height()) return {};
    return QStringLiteral("\"%1\" needs %2 x %3 in %4 x %5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(area.width())
        .arg(area.height())
        .toStdString();
}

// A group box's title: it sits in the frame's top line, between the corners.
std::string GroupMisfit(const QGroupBox* pGroup) {
    const QString title = QString(pGroup->title()).remove(QLatin1Char('&'));
    if (title.isEmpty()) return {};
    QStyleOptionGroupBox opt;
    opt.initFrom(pGroup);
    opt.text = title;
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect frame = pGroup->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                        QStyle::SC_GroupBoxFrame, pGroup);
    // The title's ink and the frame's rounded corner on either side.
    const int needed = QFontMetrics(pGroup->font()).boundingRect(title).width() + 2 * 4;
    if (needed <= frame.width()) return {};
    return QStringLiteral("group \"%1\" needs %2 in %3")
        .arg(title)
        .arg(needed)
        .arg(frame.width())
        .toStdString();
}

// The lists of a window, each by its window's class and its place among the
// window's lists; the rows' widths.
using RowWidths = std::map<std::string, std::vector<int>>;

std::string ListKey(const QWidget* pWindow, int nList) {
    return std::string(pWindow->metaObject()->className()) + "/" + std::to_string(nList);
}

// A drop-down list's rows that are texts: each must fit the field that shows
// the chosen one, or at least be no wider than the designed English row
// (some of which the designed lists cut off).
std::string ComboMisfit(const QComboBox* pList, const std::vector<int>* pEnglish) {
    QStyleOptionComboBox opt;
    opt.initFrom(pList);
    opt.editable = pList->isEditable();
    const QRect field = pList->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                       QStyle::SC_ComboBoxEditField, pList);
    const QFontMetrics metrics(pList->font());
    std::string misfits;
    for (int i = 0; i < pList->count(); ++i) {
        const QString text = pList->itemText(i);
        const int needed = metrics.boundingRect(text).width();
        const int allowed =
            std::max(field.width(), pEnglish && i < static_cast<int>(pEnglish->size())
                                        ? (*pEnglish)[static_cast<size_t>(i)]
                                        : 0);
        if (needed > allowed)
            misfits += QStringLiteral("list item \"%1\" needs %2 in %3; ")
                           .arg(text)
                           .arg(needed)
                           .arg(allowed)
                           .toStdString();
    }
    return misfits;
}

void RecordRowWidths(QWidget* pWindow, RowWidths& widths) {
    int nList = 0;
    for (QComboBox* p : pWindow->findChildren<QComboBox*>()) {
        std::vector<int>& row = widths[ListKey(pWindow, nList++)];
        for (int i = 0; i < p->count(); ++i)
            row.push_back(QFontMetrics(p->font()).boundingRect(p->itemText(i)).width());
    }
}

// The visible labels, buttons, group boxes and lists of a shown window that do
// not fit.
void CollectMisfits(QWidget* pWindow, std::vector<std::string>& misfits,
                    const RowWidths& english = {}) {
    pWindow->show();
    (void)QTest::qWaitForWindowExposed(pWindow);
    std::vector<QWidget*> controls;
    for (QLabel* p : pWindow->findChildren<QLabel*>()) controls.push_back(p);
    for (QAbstractButton* p : pWindow->findChildren<QAbstractButton*>()) controls.push_back(p);
    for (QWidget* p : controls) {
        if (!p->isVisibleTo(pWindow)) continue;
        const std::string misfit = Misfit(p);
        if (!misfit.empty())
            misfits.push_back(pWindow->windowTitle().toStdString() + ": " + misfit);
    }
    for (QGroupBox* p : pWindow->findChildren<QGroupBox*>()) {
        if (!p->isVisibleTo(pWindow)) continue;
        const std::string misfit = GroupMisfit(p);
        if (!misfit.empty())
            misfits.push_back(pWindow->windowTitle().toStdString() + ": " + misfit);
    }
    // The lists of fixed size whose rows are words (not the instruments,
    // whose list is wider when it drops down, as in English).
    int nList = 0;
    for (QComboBox* p : pWindow->findChildren<QComboBox*>()) {
        const auto it = english.find(ListKey(pWindow, nList++));
        if (!p->isVisibleTo(pWindow) || p->isEditable()) continue;
        const std::string misfit = ComboMisfit(p, it == english.end() ? nullptr : &it->second);
        if (!misfit.empty())
            misfits.push_back(pWindow->windowTitle().toStdString() + ": " + misfit);
    }
}

// The note area draws its two words itself, in the views' font.
void CollectNoteAreaMisfits(CNoteArea* pArea, std::vector<std::string>& misfits) {
    ASSERT_NE(pArea->m_pFont, nullptr);
    const QFontMetrics metrics(pArea->m_pFont->GetQFont());
    const std::pair<int, QString> texts[] = {
        {9, QCoreApplication::translate("CNoteArea", "Out of range")},
        {88, QCoreApplication::translate("CNoteArea", "held")}};
    for (const auto& [x, text] : texts)
        if (x + metrics.horizontalAdvance(text) > CNoteArea::SIZE - 1)
            misfits.push_back(QStringLiteral("note area: \"%1\" ends at %2 of %3")
                                  .arg(text)
                                  .arg(x + metrics.horizontalAdvance(text))
                                  .arg(CNoteArea::SIZE)
                                  .toStdString());
}

// The recording banners are pictures of 116 x 20 pixels.
void CollectBannerMisfits(std::vector<std::string>& misfits) {
    const QFontMetrics metrics(BannerFont());
    for (const char* pszText : {"Recording off", "Recording to file"}) {
        const QString text = QCoreApplication::translate("CControlPanel", pszText,
                                                         "banner picture, 116 pixels wide");
        const QRect ink = metrics.tightBoundingRect(text);
        if (ink.width() > 116 - 6 || ink.height() > 20 - 4)
            misfits.push_back(QStringLiteral("banner \"%1\" needs %2 x %3 in 110 x 16")
                                  .arg(text)
                                  .arg(ink.width())
                                  .arg(ink.height())
                                  .toStdString());
    }
}

// The menu bar keeps one row: the window's height below it is designed.
void CollectMenuBarMisfits(QMenuBar* pBar, std::vector<std::string>& misfits) {
    const QList<QAction*> actions = pBar->actions();
    for (QAction* pAction : actions)
        if (pBar->actionGeometry(pAction).top() != pBar->actionGeometry(actions.first()).top())
            misfits.push_back("menu bar: \"" + pAction->text().toStdString() +
                              "\" wraps to a second row");
}

// The main window with its control panel, and every dialog of fixed size.
template <class Fn>
void ForEachWindow(CWindowFixture& w, Fn fn) {
    fn(w.dlg.get());
    CAboutDlg about(w.dlg.get());
    CAcknowledgementsDlg thanks(w.dlg.get());
    CCaptureDeviceDlg device(w.dlg.get());
    for (QDialog* pDialog :
         std::initializer_list<QDialog*>{&about, &thanks, &device, &w.dlg->m_dlgFft,
                                         &w.dlg->m_dlgSpectrum, &w.dlg->m_dlgMidi}) {
        fn(pDialog);
        pDialog->hide();
    }
}

// The designed English lists' rows, measured once.
const RowWidths& EnglishRowWidths() {
    static const RowWidths widths = [] {
        RowWidths result;
        CMessageRecorder messages;
        CWindowFixture w;
        if (w.Open()) ForEachWindow(w, [&](QWidget* p) { RecordRowWidths(p, result); });
        return result;
    }();
    return widths;
}

class TextFit : public ::testing::TestWithParam<std::string> {};

TEST_P(TextFit, EveryTextFitsItsControlInEveryWindow) {
    const RowWidths& english = EnglishRowWidths();
    ASSERT_FALSE(english.empty());
    const CLanguageScope language(GetParam());
    ASSERT_TRUE(language.Ok(GetParam())) << GetParam();
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    std::vector<std::string> misfits;
    ForEachWindow(w, [&](QWidget* p) { CollectMisfits(p, misfits, english); });
    CollectNoteAreaMisfits(w.dlg->m_pNoteArea, misfits);
    CollectBannerMisfits(misfits);
    CollectMenuBarMisfits(w.dlg->GetMenuBar(), misfits);
    // The message boxes with the three longest texts.
    std::vector<QString> texts;
    for (unsigned nId = 128; nId <= 177; ++nId) texts.push_back(LoadResText(nId));
    std::sort(texts.begin(), texts.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (int i = 0; i < 3; ++i) {
        const std::unique_ptr<QMessageBox> pBox(
            CreateMessageBox(texts[i], MB_ICONEXCLAMATION, w.dlg.get()));
        CollectMisfits(pBox.get(), misfits);
    }
    EXPECT_TRUE(misfits.empty()) << ::testing::PrintToString(misfits);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::ValuesIn(Languages()),
                         [](const auto& info) {
                             return info.param.empty() ? std::string("English") : info.param;
                         });

TEST(TextFitEnglish, IconButtonsHaveATooltipAndAName) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    const std::pair<unsigned, const char*> buttons[] = {{IDC_MIDI, "MIDI"},
                                                        {IDC_WAVE, "WAVE"},
                                                        {IDC_LOG, "LOG"},
                                                        {IDC_SNAPSHOT, "Snapshot"},
                                                        {IDC_FREEZE, "Freeze Spectrum"}};
    for (auto [nId, pszName] : buttons) {
        QWidget* pButton = w.Panel().GetDlgItem(nId);
        ASSERT_NE(pButton, nullptr);
        QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pButton);
        ASSERT_NE(pInterface, nullptr);
        EXPECT_EQ(pInterface->text(QAccessible::Name), pszName);
        EXPECT_FALSE(pButton->toolTip().isEmpty()) << pszName;
    }
}

}  // namespace
