// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for kvmidi: the first bytes set the settings (m_chLow
// without its NUL included), the rest is fed as entry lines to a recording
// and as a log file to LogToMidi. Any file written must read back as a valid
// Standard MIDI File with every note ended.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "KalvoPlugins.h"
#include "SmfReader.h"

namespace {

std::string TempName(const char* pszExtension) {
    return "/tmp/kvmidi_fuzz_" + std::to_string(getpid()) + pszExtension;
}

void CheckFile(const std::string& strPath) {
    SmfFile smf;
    std::string strError;
    if (!ReadSmfFile(strPath, smf, strError) || smf.nUnpairedOffs != 0) {
        std::fprintf(stderr, "invalid MIDI file: %s\n", strError.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize < 12) return 0;
    m_nAccidentals = static_cast<int8_t>(pData[0]);
    m_nSharpFlat = pData[1] & 1;
    m_nMajorMinor = pData[1] >> 7;
    m_nInstrument = static_cast<int8_t>(pData[2]) * 3;
    m_nTempo = pData[3] + 10;
    m_nDeltaCents = static_cast<int8_t>(pData[4]);
    m_ndB = -static_cast<int>(pData[5] % 80);
    m_nPitch = pData[6] & 1;
    m_nFileFormat = (pData[6] >> 1) & 1;
    std::memcpy(m_chLow, pData + 7, 4);
    pData += 11;
    nSize -= 11;

    const std::string strMid = TempName(".mid");
    if (StartMidiRecord() == 0) std::abort();
    size_t nStart = 0;
    for (size_t i = 0; i <= nSize; ++i) {
        if (i == nSize || pData[i] == '\n') {
            std::string line(reinterpret_cast<const char*>(pData) + nStart, i - nStart);
            RecordMidiEvent(line.data());
            nStart = i + 1;
        }
    }
    std::string name = strMid;
    if (StopMidiRecord(name.data()) < 0) std::abort();  // a writable file must be written
    CheckFile(strMid);

    const std::string strLog = TempName(".log");
    FILE* pFile = std::fopen(strLog.c_str(), "wb");
    if (!pFile) return 0;
    std::fwrite(pData, 1, nSize, pFile);
    std::fclose(pFile);
    std::remove(strMid.c_str());
    std::string path = strLog;
    if (LogToMidi(path.data()) >= 0) CheckFile(strMid);
    std::remove(strMid.c_str());
    std::remove(strLog.c_str());
    return 0;
}
