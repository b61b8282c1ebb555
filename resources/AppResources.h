#pragma once

#include <QPixmap>

// The application's icons and the control panel's indicator bitmaps (XPM
// pictures compiled into the program), or a null picture when there is none.
QPixmap LoadIconResource(unsigned nId);
