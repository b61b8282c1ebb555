#include "platform/system/ProgramVersion.h"

#include "platform/system/Version.h"

std::string GetProgramVersion() { return KALVO_VERSION_TEXT; }
