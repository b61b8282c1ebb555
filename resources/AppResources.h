// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

// The application's icons and the control panel's indicator bitmaps (XPM
// pictures compiled into the program), or a null picture when there is none.
QPixmap LoadIconResource(unsigned nId);

// A banner picture (the control panel's "Recording to file" and "Recording
// off") with its words in the user's language: the designed picture itself
// when the text is the designed one, else a picture of the same size and
// colours (its frame, its ground, its letters) with the text centred in
// BannerFont().
QPixmap TranslatedBanner(const QPixmap& designed, const QString& text, const char* pszDesignedText);
QFont BannerFont();

// The window's icon: the desktop theme's org.kalvo.Kalvo (what the installation
// puts in hicolor), else the same pictures compiled in, with the icon resource
// nSmallIconId (the 32 x 32 mark) for the small size.
QIcon ApplicationIcon(unsigned nSmallIconId);
