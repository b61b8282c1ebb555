// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Menus.h"

#include <QCoreApplication>
#include <QMenu>

#include "platform/ui/Menu.h"
#include "resources/Resource.h"

QMenu* LoadZoomMenu(QWidget* pOwner) {
    auto* pPopup = new QMenu(QCoreApplication::translate("Menus", "Zoom"), pOwner);
    AppendMenuItem(pPopup, ID_ZOOM_IN, QCoreApplication::translate("Menus", "Zoom In"));
    AppendMenuItem(pPopup, ID_ZOOM_OUT, QCoreApplication::translate("Menus", "Zoom Out"));
    EnableMenuItem(pPopup, ID_ZOOM_OUT, false);
    return pPopup;
}
