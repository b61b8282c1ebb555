// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CaptureDeviceDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"

CCaptureDeviceDlg::CCaptureDeviceDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(tr("Select Capture Device"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(DialogWidgetFont());
    setFixedSize(DialogUnitsToPixelsX(186), DialogUnitsToPixelsY(66));

    m_pList = new QComboBox(this);
    m_pList->setObjectName(QStringLiteral("1019"));
    m_pList->setEditable(true);
    m_pList->setInsertPolicy(QComboBox::NoInsert);
    m_pList->setGeometry(MapDialogRect(QRect(7, 12, 172, 13)));

    auto* pOk = new QPushButton(tr("OK"), this);
    pOk->setObjectName(QStringLiteral("1"));
    pOk->setGeometry(MapDialogRect(QRect(36, 40, 50, 14)));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(tr("Cancel"), this);
    pCancel->setObjectName(QStringLiteral("2"));
    pCancel->setGeometry(MapDialogRect(QRect(100, 40, 50, 14)));
    pCancel->setAutoDefault(false);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CCaptureDeviceDlg::FillList(const CCaptureDeviceList& list) {
    m_pList->clear();
    for (int i = 0; i < list.m_nCaptureDevices && i < MAX_CAPTURE_DEVICES; ++i)
        m_pList->addItem(QString::fromStdString(list.m_astrCaptureDeviceNames[i]));
    if (m_pList->count() > 0) m_pList->setCurrentIndex(0);
}

int CCaptureDeviceDlg::GetSelection() const {
    // Typing can leave a text that names no device: only a listed row counts.
    const int nRow = m_pList->currentIndex();
    if (nRow < 0 || m_pList->itemText(nRow) != m_pList->currentText())
        return m_pList->findText(m_pList->currentText(), Qt::MatchExactly);
    return nRow;
}
