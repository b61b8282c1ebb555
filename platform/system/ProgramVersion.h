// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program's four-part version text ("2.3.2.1"), as the version resource
// would give it.
std::string GetProgramVersion();
