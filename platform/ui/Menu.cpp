// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/Menu.h"

#include <QAction>
#include <QMenu>

QAction* AppendMenuItem(QMenu* pMenu, unsigned nId, const QString& text) {
    QAction* pAction = pMenu->addAction(text);
    pAction->setData(nId);
    return pAction;
}

QAction* FindMenuItem(QMenu* pMenu, unsigned nId) {
    if (!pMenu) return nullptr;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->menu()) {
            if (QAction* pFound = FindMenuItem(pAction->menu(), nId)) return pFound;
        } else if (!pAction->isSeparator() && GetMenuItemId(pAction) == nId) {
            return pAction;
        }
    }
    return nullptr;
}

unsigned GetMenuItemId(const QAction* pAction) {
    bool bOk = false;
    const unsigned nId = pAction ? pAction->data().toUInt(&bOk) : 0;
    return bOk ? nId : 0;
}

bool EnableMenuItem(QMenu* pMenu, unsigned nId, bool bEnable) {
    QAction* pAction = FindMenuItem(pMenu, nId);
    if (!pAction) return false;
    pAction->setEnabled(bEnable);
    return true;
}

bool CheckMenuItem(QMenu* pMenu, unsigned nId, bool bCheck) {
    QAction* pAction = FindMenuItem(pMenu, nId);
    if (!pAction) return false;
    pAction->setCheckable(true);
    pAction->setChecked(bCheck);
    return true;
}

bool SetMenuItemText(QMenu* pMenu, unsigned nId, const QString& text) {
    QAction* pAction = FindMenuItem(pMenu, nId);
    if (!pAction) return false;
    pAction->setText(text);
    return true;
}
