// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/WaveRecorder.h"

#include <stdio_ext.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "analysis/Constants.h"

namespace {

constexpr uint16_t WAVE_CHANNELS = 2;
constexpr uint16_t WAVE_BITS = 16;
constexpr uint16_t WAVE_FRAME_BYTES = WAVE_CHANNELS * WAVE_BITS / 8;

void PutLe16(unsigned char* p, uint16_t n) {
    p[0] = static_cast<unsigned char>(n);
    p[1] = static_cast<unsigned char>(n >> 8);
}

void PutLe32(unsigned char* p, uint32_t n) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(n >> (8 * i));
}

bool WriteAll(FILE* pFile, const void* p, size_t n) {
    return std::fwrite(p, 1, n, pFile) == n;
}

}  // namespace

CWaveRecorder::CWaveRecorder(CRecordingSystem& system, uint32_t nMaxDataBytes)
    : m_system(system), m_nMaxDataBytes(nMaxDataBytes) {}

CWaveRecorder::~CWaveRecorder() {
    // The owner closes before deleting; the header is current after every
    // block, so only the descriptor is left to release.
    if (m_pFile) std::fclose(m_pFile);
}

bool CWaveRecorder::Create() {
    if (m_pFile || m_bClosed) return false;
    // Readable too, so that the recording can be copied from its
    // descriptor when its folder goes away.
    m_pFile = m_system.CreateFile(".wav", "wb+", m_strFileName);
    if (!m_pFile) {
        m_nLastError = errno;
        return false;
    }

    unsigned char riff[12], format[24], data[8];
    std::memcpy(riff, "RIFF", 4);
    PutLe32(riff + 4, 36);
    std::memcpy(riff + 8, "WAVE", 4);
    std::memcpy(format, "fmt ", 4);
    PutLe32(format + 4, 16);
    PutLe16(format + 8, 1);  // PCM
    PutLe16(format + 10, WAVE_CHANNELS);
    PutLe32(format + 12, static_cast<uint32_t>(SAMPLE_RATE));
    PutLe32(format + 16, static_cast<uint32_t>(SAMPLE_RATE) * WAVE_FRAME_BYTES);
    PutLe16(format + 20, WAVE_FRAME_BYTES);
    PutLe16(format + 22, WAVE_BITS);
    std::memcpy(data, "data", 4);
    PutLe32(data + 4, 0);

    if (!WriteAll(m_pFile, riff, sizeof riff) || !WriteAll(m_pFile, format, sizeof format) ||
        !WriteAll(m_pFile, data, sizeof data) || std::fflush(m_pFile) != 0) {
        m_nLastError = errno;
        std::fclose(m_pFile);
        m_pFile = nullptr;
        unlink(m_strFileName.c_str());
        return false;
    }
    m_dwDataBytes = 0;
    m_bAtEnd = true;
    return true;
}

bool CWaveRecorder::UpdateHeader() {
    unsigned char riffSize[4], dataSize[4];
    PutLe32(riffSize, 36 + m_dwDataBytes);
    PutLe32(dataSize, m_dwDataBytes);
    m_bAtEnd = false;
    if (fseeko(m_pFile, 4, SEEK_SET) != 0 || !WriteAll(m_pFile, riffSize, 4) ||
        fseeko(m_pFile, 40, SEEK_SET) != 0 || !WriteAll(m_pFile, dataSize, 4) ||
        fseeko(m_pFile, static_cast<off_t>(WAVE_HEADER_BYTES) + m_dwDataBytes, SEEK_SET) != 0) {
        m_nLastError = errno;
        return false;
    }
    m_bAtEnd = true;
    return true;
}

void CWaveRecorder::DropUnrecordedBytes() {
    // Part of a failed block may have reached the disk behind the data the
    // header describes; cut it off so the file ends where its data ends.
    // Whatever the stream still buffers must never be written later either.
    __fpurge(m_pFile);
    std::clearerr(m_pFile);
    m_bAtEnd = false;
    // When the cut fails, the close tries again and reports it.
    m_nTrimError = TrimToData() ? 0 : errno;
}

bool CWaveRecorder::TrimToData() {
    const int fd = fileno(m_pFile);
    return fd < 0 || ftruncate(fd, static_cast<off_t>(WAVE_HEADER_BYTES) + m_dwDataBytes) == 0;
}

bool CWaveRecorder::KeepReachable() {
    // The header and the data it describes; a piece of a failed block
    // behind them is no part of the recording.
    int nError = 0;
    const ERecordingReach reach =
        KeepRecordingReachable(m_pFile, m_strFileName, uint64_t{WAVE_HEADER_BYTES} + m_dwDataBytes,
                               "wb+", m_system, m_recovery, nError);
    if (reach == ERecordingReach::Reachable) return true;
    m_nLastError = nError;
    if (reach == ERecordingReach::Lost) return false;
    // The copy ends where the data ends; its header is brought up to date
    // in case the last update had failed (a failure here shows at the next
    // block or the close).
    m_nTrimError = 0;
    m_bAtEnd = true;
    if (UpdateHeader()) std::fflush(m_pFile);
    return true;
}

bool CWaveRecorder::WriteBlock(const void* pBytes, unsigned nBytes) {
    if (!m_pFile || (nBytes > 0 && !pBytes)) return false;
    if (WriteBlockHere(pBytes, nBytes)) return true;
    // A failure may be the folder gone: then the block goes to the saved copy.
    const int nError = m_nLastError;
    const std::string strName = m_strFileName;
    if (KeepReachable() && m_strFileName != strName) return WriteBlockHere(pBytes, nBytes);
    m_nLastError = nError;
    return false;
}

bool CWaveRecorder::WriteBlockHere(const void* pBytes, unsigned nBytes) {
    // Past the limit the size fields would wrap and describe a short file:
    // refuse the block and keep the recording as it is.
    if (static_cast<uint64_t>(m_dwDataBytes) + nBytes > m_nMaxDataBytes) {
        m_nLastError = EFBIG;
        return false;
    }
    // After a failure the position is not known; a block written there could
    // overwrite the header or recorded data.
    if (!m_bAtEnd) {
        if (fseeko(m_pFile, static_cast<off_t>(WAVE_HEADER_BYTES) + m_dwDataBytes, SEEK_SET) != 0) {
            m_nLastError = errno;
            return false;
        }
        m_bAtEnd = true;
    }
    // The data reaches the file before the header claims it.
    if (!WriteAll(m_pFile, pBytes, nBytes) || std::fflush(m_pFile) != 0) {
        m_nLastError = errno;
        DropUnrecordedBytes();
        return false;
    }
    m_dwDataBytes += nBytes;
    if (UpdateHeader() && std::fflush(m_pFile) == 0) return true;
    m_nLastError = errno;
    return false;
}

bool CWaveRecorder::Close() {
    if (!m_pFile) return m_bClosed;
    // The last header must reach a file the user can find.
    const bool bReachable = KeepReachable();
    const int nReachError = m_nLastError;
    bool bOk = UpdateHeader();
    bOk = std::fflush(m_pFile) == 0 && bOk;
    if (!bOk) m_nLastError = errno;
    // Bytes of a failed block the file still holds behind its data.
    if (m_nTrimError != 0 && !TrimToData()) {
        m_nLastError = errno;
        bOk = false;
    }
    if (std::fclose(m_pFile) != 0) {
        m_nLastError = errno;
        bOk = false;
    }
    if (!bReachable) {
        m_nLastError = nReachError;
        bOk = false;
    }
    m_pFile = nullptr;
    m_bClosed = true;
    return bOk;
}
