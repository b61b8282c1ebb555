// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/ProgramVersion.h"

#include "platform/system/Version.h"

std::string GetProgramVersion() { return KALVO_VERSION_TEXT; }
