// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The bitmap resource of that number (an XPM compiled into the program), or a
// null image when there is none.
QImage LoadBitmapResource(unsigned nId);
