// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The string table: messages 128 ... 177, formats 256 ... 261 and the few
// other strings the windows use. An unknown number gives "".
const char* LoadResString(unsigned nId);

// The same text in the user's language (the designed English text when no
// translation is loaded); "" for an unknown number. Messages only: the
// formats are used as LoadResString gives them.
QString LoadResText(unsigned nId);
