// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The string table: messages 128 ... 177, formats 256 ... 261 and the few
// other strings the windows use. An unknown number gives "".
const char* LoadResString(unsigned nId);
