// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SpectrumSettingsDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogTemplate.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/MessageBox.h"
#include "resources/Resource.h"
#include "views/SpectrumArea.h"

const char* const SPECTRUM_RANGE_PROMPT =
    QT_TRANSLATE_NOOP("CSpectrumSettingsDlg", "Please enter an integer between 40 and 4000.");

namespace {
constexpr unsigned DYNAMIC_RANGES[] = {30, 35, 40, 45, 50, 60, 70, 80};
constexpr const char* DYNAMIC_TEXTS[] = {"  30dB", "  35db", "  40dB", "  45dB",
                                         "  50dB", "  60dB", "  70dB", "  80dB"};
constexpr int DYNAMIC_COUNT = 8;

QLineEdit* AddRangeField(QWidget* pParent, unsigned nId, const QString& label, int l, int t) {
    auto* pLabel = new QLabel(label, pParent);
    pLabel->setGeometry(MapDialogRect(QRect(l, t + 2, 20, 8)));
    auto* pField = new QLineEdit(pParent);
    pField->setObjectName(QString::number(nId));
    pField->setGeometry(MapDialogRect(QRect(l + 22, t, 40, 13)));
    pField->setEnabled(false);
    return pField;
}
}  // namespace

CSpectrumSettingsDlg::CSpectrumSettingsDlg(QWidget* pParent) : QDialog(pParent) {
    SetUpTemplateDialog(this, tr("Spectrum View Settings"), TEMPLATE_WIDTH, TEMPLATE_HEIGHT);

    AddTemplateGroup(this, tr("Horizontal view"), 7, 5, 80, 44);
    m_pLinear = new QRadioButton(tr("Linear"), this);
    m_pLinear->setObjectName(QString::number(IDC_LINEAR));
    m_pLinear->setGeometry(MapDialogRect(QRect(15, 17, 64, 10)));
    m_pLogarithmic = new QRadioButton(tr("Logarithmic"), this);
    m_pLogarithmic->setObjectName(QString::number(IDC_LOGARITHMIC));
    m_pLogarithmic->setGeometry(MapDialogRect(QRect(15, 31, 64, 10)));
    auto* pScale = new QButtonGroup(this);
    pScale->addButton(m_pLinear, 0);
    pScale->addButton(m_pLogarithmic, 1);

    AddTemplateGroup(this, tr("Dynamic"), 94, 5, 80, 44);
    m_pDynamicList = new QComboBox(this);
    m_pDynamicList->setObjectName(QString::number(IDC_DYNAMIC_LIST));
    m_pDynamicList->setGeometry(MapDialogRect(QRect(102, 20, 64, 13)));
    // Sorted by their texts, which is also the order of the dB values.
    for (const char* pszText : DYNAMIC_TEXTS) m_pDynamicList->addItem(QString::fromLatin1(pszText));

    AddTemplateGroup(this, tr("Displayed Range [Hz]"), 7, 54, 167, 32);
    m_pFrom = AddRangeField(this, IDC_FROM, tr("From"), 15, 67);
    m_pTo = AddRangeField(this, IDC_TO, tr("To"), 96, 67);

    auto* pOk = new QPushButton(tr("OK"), this);
    pOk->setObjectName(QStringLiteral("1"));
    pOk->setGeometry(MapDialogRect(QRect(33, 94, 50, 14)));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(tr("Cancel"), this);
    pCancel->setObjectName(QStringLiteral("2"));
    pCancel->setGeometry(MapDialogRect(QRect(98, 94, 50, 14)));
    pCancel->setAutoDefault(false);
    connect(pOk, &QPushButton::clicked, this, &CSpectrumSettingsDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CSpectrumSettingsDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void CSpectrumSettingsDlg::OnInitDialog() {
    m_pDynamicList->setCurrentIndex(m_nDynamicIndex);
    (m_nScale == 1 ? m_pLogarithmic : m_pLinear)->setChecked(true);
    m_pFrom->setText(QString::number(m_nFrom));
    m_pTo->setText(QString::number(m_nTo));
    // Without the plug-in nothing could use a range: the values show greyed.
    m_pFrom->setEnabled(m_bDisplayAvailable);
    m_pTo->setEnabled(m_bDisplayAvailable);
    m_pDynamicList->setFocus();
}

bool CSpectrumSettingsDlg::ReadRangeField(QLineEdit* pField, int* pnValue) {
    bool bOk = false;
    const int nValue = pField->text().trimmed().toInt(&bOk);
    if (!bOk || nValue < MIN_RANGE_HZ || nValue > MAX_RANGE_HZ) {
        ShowMessageText(tr(SPECTRUM_RANGE_PROMPT), MB_ICONSTOP);
        // A disabled field cannot take the focus; its value came from the
        // members and is always valid, so this is only a safeguard.
        if (pField->isEnabled()) {
            pField->setFocus();
            pField->selectAll();
        }
        return false;
    }
    *pnValue = nValue;
    return true;
}

bool CSpectrumSettingsDlg::UpdateData() {
    m_nDynamicIndex = m_pDynamicList->currentIndex();
    m_nScale = m_pLogarithmic->isChecked() ? 1 : 0;
    return ReadRangeField(m_pFrom, &m_nFrom) && ReadRangeField(m_pTo, &m_nTo);
}

void CSpectrumSettingsDlg::accept() {
    if (!UpdateData()) return;
    if (m_nTo < m_nFrom) {
        ShowMessage(IDS_RANGE_VALUE, MB_ICONSTOP);
        return;
    }
    if (m_nTo - m_nFrom < MIN_SPAN_HZ) {
        ShowMessage(IDS_RANGE_TOO_SMALL, MB_ICONSTOP);
        return;
    }
    QDialog::accept();
}

unsigned CSpectrumSettingsDlg::DynamicRangeOf(int nIndex) {
    return nIndex >= 0 && nIndex < DYNAMIC_COUNT ? DYNAMIC_RANGES[nIndex] : 0;
}

void CSpectrumSettingsDlg::Apply(unsigned* pnDynamicRange, CSpectrumArea* pArea,
                                 PFN_SETRANGE pfnSetRange) const {
    CSpectrumColumns& columns = *pArea->GetColumns();
    const unsigned nRange = DynamicRangeOf(m_nDynamicIndex);
    if (nRange != 0) {
        *pnDynamicRange = nRange;
        columns.m_nDynamicRange.store(static_cast<int>(nRange), std::memory_order_relaxed);
    }
    columns.m_bLogarithmic.store(m_nScale, std::memory_order_relaxed);
    if (!pfnSetRange) return;

    const float fFrom = static_cast<float>(m_nFrom);
    const float fTo = static_cast<float>(m_nTo);
    unsigned nZoomLevel = columns.m_nZoomLevel.load(std::memory_order_relaxed);
    float fRange = columns.m_fRange.load(std::memory_order_relaxed);
    double dLogRange = columns.m_dLogRange.load(std::memory_order_relaxed);
    pfnSetRange(fFrom, fTo, &nZoomLevel, &fRange, &dLogRange);
    columns.m_fFrom.store(fFrom, std::memory_order_relaxed);
    columns.m_fTo.store(fTo, std::memory_order_relaxed);
    columns.m_nZoomLevel.store(nZoomLevel, std::memory_order_relaxed);
    columns.m_fRange.store(fRange, std::memory_order_relaxed);
    columns.m_dLogRange.store(dLogRange, std::memory_order_relaxed);
    // Every level gets both items right: at levels 1 and 2 both zoom
    // directions are possible, so an item greyed at an earlier level must not
    // stay greyed.
    pArea->UpdateZoomMenuItems();
}
