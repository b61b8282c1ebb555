// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogTemplate.h"

#include <QDialog>
#include <QGroupBox>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/Gdi.h"

void SetUpTemplateDialog(QDialog* pDialog, const QString& title, int nWidthDu, int nHeightDu) {
    pDialog->setWindowTitle(title);
    pDialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
    pDialog->setFont(DialogWidgetFont());
    pDialog->setFixedSize(DialogUnitsToPixelsX(nWidthDu), DialogUnitsToPixelsY(nHeightDu));
}

QGroupBox* AddTemplateGroup(QWidget* pParent, const QString& text, int l, int t, int w, int h) {
    auto* pGroup = new QGroupBox(text, pParent);
    pGroup->setGeometry(MapDialogRect(QRect(l, t, w, h)));
    return pGroup;
}
