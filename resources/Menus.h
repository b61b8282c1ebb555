// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class QWidget;

// Menu resource 206, the spectrum area's context menu: one popup "Zoom" with
// "Zoom In" (32795, enabled) and "Zoom Out" (32796, greyed). Returns the popup,
// owned by pOwner. Items carry their command id as action data.
QMenu* LoadZoomMenu(QWidget* pOwner);
