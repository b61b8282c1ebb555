// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FftParamsDlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "analysis/Fft.h"
#include "analysis/PitchAnalyser.h"
#include "dialogs/DialogTemplate.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/MessageBox.h"
#include "resources/CoreTexts.h"

const char* const FFT_ALPHA_PROMPT =
    QT_TRANSLATE_NOOP("CFftParamsDlg", "Please enter a number between 0.0 and 1.0.");

namespace {
QComboBox* AddDropDownList(QWidget* pParent, unsigned nId, int l, int t, int w) {
    auto* pList = new QComboBox(pParent);
    pList->setObjectName(QString::number(nId));
    pList->setGeometry(MapDialogRect(QRect(l, t, w, 13)));
    return pList;
}
}  // namespace

CFftParamsDlg::CFftParamsDlg(QWidget* pParent) : QDialog(pParent) {
    SetUpTemplateDialog(this, tr("FFT Parameters"), TEMPLATE_WIDTH, TEMPLATE_HEIGHT);

    AddTemplateGroup(this, tr("FFT size"), 7, 5, 54, 32);
    m_pSizeList = AddDropDownList(this, IDC_FFT_SIZE_LIST, 13, 17, 42);
    m_pSizeList->addItem(QStringLiteral("  4096"));
    m_pSizeList->addItem(QStringLiteral("  8192"));

    AddTemplateGroup(this, tr("Windowing function"), 66, 5, 80, 32)
        ->setObjectName(QString::number(IDC_WINDOW_GROUP));
    m_pWindowList = AddDropDownList(this, IDC_WINDOW_LIST, 73, 17, 66);
    // A sorted list: the texts are in alphabetical order, which is the
    // WindowType order the indexes stand for. Translated, they keep that
    // order.
    for (int i = 0; i < WINDOW_TYPE_COUNT; ++i) m_pWindowList->addItem(WindowTypeDisplayText(i));
    m_pWindowList->setMaxVisibleItems(WINDOW_TYPE_COUNT);

    m_pAlphaGroup = AddTemplateGroup(this, tr("Gaussian alpha"), 151, 5, 58, 32);
    m_pAlphaGroup->setObjectName(QString::number(IDC_ALPHA_GROUP));
    m_pAlpha = new QLineEdit(this);
    m_pAlpha->setObjectName(QString::number(IDC_ALPHA));
    m_pAlpha->setGeometry(MapDialogRect(QRect(158, 17, 44, 13)));

    auto* pOk = new QPushButton(tr("OK"), this);
    pOk->setObjectName(QStringLiteral("1"));
    pOk->setGeometry(MapDialogRect(QRect(51, 45, 50, 14)));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(tr("Cancel"), this);
    pCancel->setObjectName(QStringLiteral("2"));
    pCancel->setGeometry(MapDialogRect(QRect(115, 45, 50, 14)));
    pCancel->setAutoDefault(false);
    connect(pOk, &QPushButton::clicked, this, &CFftParamsDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Only the user's choices read the controls back, not the filling.
    connect(m_pWindowList, &QComboBox::activated, this, [this] { OnWindowChanged(); });
    connect(m_pSizeList, &QComboBox::activated, this, [this] { OnSizeChanged(); });
}

int CFftParamsDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CFftParamsDlg::OnInitDialog() {
    m_pSizeList->setCurrentIndex(m_nFftSizeIndex);
    m_pWindowList->setCurrentIndex(m_nWindowIndex);
    // Shortest text that reads back as the same float.
    m_pAlpha->setText(QString::number(m_fAlpha, 'g', 6));
    EnableAlpha(m_nWindowIndex == WINDOW_GAUSSIAN);
    m_pWindowList->setFocus();
}

bool CFftParamsDlg::UpdateData() {
    m_nFftSizeIndex = m_pSizeList->currentIndex();
    m_nWindowIndex = m_pWindowList->currentIndex();
    bool bOk = false;
    const double dAlpha = m_pAlpha->text().trimmed().toDouble(&bOk);
    const float fAlpha = static_cast<float>(dAlpha);
    // The stored float is what is checked, as it is what the analysis gets;
    // the comparison also refuses NaN.
    if (!bOk || !(fAlpha >= 0.0f && fAlpha <= 1.0f)) {
        ShowMessageText(tr(FFT_ALPHA_PROMPT), MB_ICONSTOP);
        // A refused value must stay correctable, whatever window is chosen.
        EnableAlpha(true);
        m_pAlpha->setFocus();
        m_pAlpha->selectAll();
        return false;
    }
    m_fAlpha = fAlpha;
    return true;
}

void CFftParamsDlg::OnWindowChanged() {
    if (!UpdateData()) return;
    EnableAlpha(m_nWindowIndex == WINDOW_GAUSSIAN);
    m_pAlphaGroup->repaint();
}

void CFftParamsDlg::OnSizeChanged() {
    // A field left enabled by a refused value follows the window again once
    // the value reads.
    if (UpdateData()) EnableAlpha(m_nWindowIndex == WINDOW_GAUSSIAN);
}

void CFftParamsDlg::EnableAlpha(bool bEnable) {
    m_pAlpha->setEnabled(bEnable);
    m_pAlphaGroup->setEnabled(bEnable);
}

void CFftParamsDlg::accept() {
    if (UpdateData()) QDialog::accept();
}

void CFftParamsDlg::Apply(CPitchAnalyser& analyser) {
    m_nAppliedSizeIndex = m_nFftSizeIndex;
    m_nAppliedWindowIndex = m_nWindowIndex;
    m_fAppliedAlpha = m_fAlpha;
    analyser.ApplyFftParameters(m_nWindowIndex, m_nFftSizeIndex, m_fAlpha);
}
