#include <cstdio>

#include "platform/system/ProgramVersion.h"

int main() {
    std::printf("kalvo-analyze %s\n", GetProgramVersion().c_str());
    return 0;
}
