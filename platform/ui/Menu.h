// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QMenu;

// Menus addressed by command id, as the windows' code expects: each item
// carries its id as the action's data.
QAction* AppendMenuItem(QMenu* pMenu, unsigned nId, const QString& text);
// Searches the menu and its submenus; nullptr when no item has that id.
QAction* FindMenuItem(QMenu* pMenu, unsigned nId);
unsigned GetMenuItemId(const QAction* pAction);
bool EnableMenuItem(QMenu* pMenu, unsigned nId, bool bEnable);
bool CheckMenuItem(QMenu* pMenu, unsigned nId, bool bCheck);
bool SetMenuItemText(QMenu* pMenu, unsigned nId, const QString& text);
