// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Menus.h"

#include <QMenu>

#include "platform/ui/Menu.h"
#include "resources/Resource.h"

QMenu* LoadZoomMenu(QWidget* pOwner) {
    auto* pPopup = new QMenu(QStringLiteral("Zoom"), pOwner);
    AppendMenuItem(pPopup, ID_ZOOM_IN, QStringLiteral("Zoom In"));
    AppendMenuItem(pPopup, ID_ZOOM_OUT, QStringLiteral("Zoom Out"));
    EnableMenuItem(pPopup, ID_ZOOM_OUT, false);
    return pPopup;
}
