// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The application's icons and the control panel's indicator bitmaps (XPM
// pictures compiled into the program), or a null picture when there is none.
QPixmap LoadIconResource(unsigned nId);

// The window's icon: the desktop theme's org.kalvo.Kalvo (what the installation
// puts in hicolor), else the same pictures compiled in, with the icon resource
// nSmallIconId (the 32 x 32 mark) for the small size.
QIcon ApplicationIcon(unsigned nSmallIconId);
