// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window fits its control: measured with the control's own
// font, inside the rectangle the style leaves for the text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/AppIds.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "platform/ui/MessageBox.h"
#include "resources/StringTable.h"
#include "tests/app/WindowFixture.h"

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

// The visible labels and buttons of a shown window that do not fit.
void CollectMisfits(QWidget* pWindow, std::vector<std::string>& misfits) {
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
}

TEST(TextFit, EveryTextFitsItsControlInEveryWindow) {
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    std::vector<std::string> misfits;
    // The main window with its control panel, and every dialog.
    CollectMisfits(w.dlg.get(), misfits);
    CAboutDlg about(w.dlg.get());
    CAcknowledgementsDlg thanks(w.dlg.get());
    CCaptureDeviceDlg device(w.dlg.get());
    for (QDialog* pDialog :
         std::initializer_list<QDialog*>{&about, &thanks, &device, &w.dlg->m_dlgFft,
                                         &w.dlg->m_dlgSpectrum, &w.dlg->m_dlgMidi}) {
        CollectMisfits(pDialog, misfits);
        pDialog->hide();
    }
    // The message boxes with the three longest designed texts.
    std::vector<QString> texts;
    for (unsigned nId = 128; nId <= 177; ++nId)
        texts.push_back(QString::fromUtf8(LoadResString(nId)));
    std::sort(texts.begin(), texts.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (int i = 0; i < 3; ++i) {
        const std::unique_ptr<QMessageBox> pBox(
            CreateMessageBox(texts[i], MB_ICONEXCLAMATION, w.dlg.get()));
        CollectMisfits(pBox.get(), misfits);
    }
    EXPECT_TRUE(misfits.empty()) << ::testing::PrintToString(misfits);
}

TEST(TextFit, IconButtonsHaveATooltipAndAName) {
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
