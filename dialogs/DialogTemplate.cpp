// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogTemplate.h"

#include <QDialog>
#include <QGroupBox>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"

void SetUpTemplateDialog(QDialog* pDialog, const char* pszTitle, int nWidthDu, int nHeightDu) {
    pDialog->setWindowTitle(QString::fromLatin1(pszTitle));
    pDialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
    pDialog->setFont(DialogWidgetFont());
    pDialog->setFixedSize(DialogUnitsToPixelsX(nWidthDu), DialogUnitsToPixelsY(nHeightDu));
}

QGroupBox* AddTemplateGroup(QWidget* pParent, const char* pszText, int l, int t, int w, int h) {
    auto* pGroup = new QGroupBox(QString::fromLatin1(pszText), pParent);
    pGroup->setGeometry(MapDialogRect(QRect(l, t, w, h)));
    return pGroup;
}
