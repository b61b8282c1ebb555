// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TuningControl.h"

#include <QCoreApplication>
#include <QLabel>

#include "analysis/PitchAnalyser.h"
#include "analysis/ReadingLine.h"
#include "analysis/Tuning.h"
#include "app/ControlPanel.h"
#include "dialogs/TuningDlg.h"
#include "platform/ui/MessageBox.h"
#include "resources/CoreTexts.h"

CTuningControl::CTuningControl(CPitchAnalyser& analyser, CControlPanel& panel)
    : m_analyser(analyser), m_panel(panel), m_pLabel(new QLabel(&panel)) {
    // Above the control panel's lists, in the colour of a warning: nobody
    // should tune in a temperament they forgot was on.
    m_pLabel->setGeometry(8, 4, 232, 18);
    QFont font = m_pLabel->font();
    font.setBold(true);
    m_pLabel->setFont(font);
    m_pLabel->setStyleSheet(QStringLiteral("color: #800000"));
    m_pLabel->setAccessibleName(QCoreApplication::translate("CTuningControl", "Tuning"));
    m_pLabel->hide();
}

bool CTuningControl::Apply(const CTuningValues& values, std::string& strError) {
    std::shared_ptr<const CTuning> pTuning = CTuning::Build(values, strError);
    if (!pTuning) return false;
    m_values.nTemperament = values.nTemperament;
    m_values.nTonic = values.nTonic;
    m_values.strScale = values.strScale;
    m_values.strKeymap = values.strKeymap;
    m_values.strStrings = values.strStrings;
    m_values.nA5 = values.nA5;
    // The title in the user's language; the log keeps the core's English one.
    m_pLabel->setText(TuningDisplayTitle(values));
    m_pLabel->setToolTip(m_pLabel->text());
    m_pLabel->setVisible(!pTuning->IsDefault());
    const std::string strTitle = pTuning->GetTitle();
    const bool bRenamed = strTitle != m_analyser.GetTuning()->GetTitle();
    m_analyser.SetTuning(std::move(pTuning));
    if (bRenamed)
        m_panel.AddInfoEntry(FormatTuningEntry(strTitle.empty() ? "equal temperament" : strTitle));
    return true;
}

void CTuningControl::Fill(CTuningValues& values) const {
    values.nTemperament = m_values.nTemperament;
    values.nTonic = m_values.nTonic;
    values.strScale = m_values.strScale;
    values.strKeymap = m_values.strKeymap;
    values.strStrings = m_values.strStrings;
}

void CTuningControl::OnA5Changed(int nA5) {
    if (m_values.strKeymap.empty() || nA5 == m_values.nA5) return;
    CTuningValues values = m_values;
    values.nA5 = nA5;
    std::string strError;
    if (!Apply(values, strError))
        ShowMessageText(QString::fromLocal8Bit(strError.c_str()), MB_ICONEXCLAMATION);
}

bool CTuningControl::OnCommand(QWidget* pParent) {
    CTuningDlg dlg(pParent);
    dlg.SetValues(m_values);
    if (dlg.exec() != QDialog::Accepted) return false;
    std::string strError;
    if (Apply(dlg.GetValues(), strError)) return true;
    ShowMessageText(QString::fromLocal8Bit(strError.c_str()), MB_ICONEXCLAMATION);
    return false;
}

std::string CTuningControl::GetTitle() const {
    return m_analyser.GetTuning()->GetTitle();
}
