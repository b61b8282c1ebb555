// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "recording/RecordingFileName.h"
#include "recording/RecordingRecovery.h"

constexpr uint32_t WAVE_HEADER_BYTES = 44;
// The RIFF size field (36 + data bytes) is 32 bits: the most sample data a
// file can describe, in whole 4-byte frames.
constexpr uint32_t WAVE_MAX_DATA_BYTES = (0xFFFFFFFFu - 36u) & ~3u;
static_assert(uint64_t{36} + WAVE_MAX_DATA_BYTES + 4 > 0xFFFFFFFFu);

// The WAVE recorder: a 44-byte header (PCM, 2 channels, 16000 Hz, 16 bits),
// then the captured bytes. After every block both size fields are brought up
// to date and the stream is flushed, so the file on disk is a complete WAVE
// file at any moment.
//
// No lock of its own: WriteBlock runs on the capture thread, Create and Close
// on the GUI thread, and the owner serialises every call and the deletion
// under one lock. After Close (failed or not) the stream is released and
// WriteBlock returns false.
class CWaveRecorder {
public:
    // nMaxDataBytes: the size limit; tests set a small one.
    explicit CWaveRecorder(CRecordingSystem& system = CRecordingSystem::Default(),
                           uint32_t nMaxDataBytes = WAVE_MAX_DATA_BYTES);
    ~CWaveRecorder();
    CWaveRecorder(const CWaveRecorder&) = delete;
    CWaveRecorder& operator=(const CWaveRecorder&) = delete;

    // Creates a new file (never an existing one) and writes the header with
    // both sizes 0. False when it could not; the file is then removed again.
    bool Create();
    // Appends nBytes, then updates the header and flushes. True only when the
    // bytes and the header reached the file. A block that would take the file
    // past the size limit is refused as a whole (false), and a failed write
    // is cut off again, so the file stays a valid recording of every block
    // before it.
    bool WriteBlock(const void* pBytes, unsigned nBytes);
    // Updates the header and closes the file. False when either failed; the
    // stream is released all the same. A later Close has nothing left to do
    // and returns true, so the recording can still be switched off.
    bool Close();

    uint32_t GetDataBytes() const { return m_dwDataBytes; }
    const std::string& GetFileName() const { return m_strFileName; }
    // errno of the last failure (creation, a block, the close); 0 for none.
    int GetLastError() const { return m_nLastError; }
    RecordingProblem GetProblem() const { return m_recovery.Problem(m_strFileName, m_nLastError); }

    // As CSessionLog::KeepReachable: a recording whose folder went away is
    // copied into the recovery folder and goes on there; false only when it
    // is unreachable and could not be saved.
    bool KeepReachable();
    bool TakeRecovery(RecordingProblem& problem) { return m_recovery.Take(problem); }

private:
    bool UpdateHeader();
    void DropUnrecordedBytes();
    // Cuts the file off behind the data the header describes; false with
    // errno when that failed.
    bool TrimToData();
    bool WriteBlockHere(const void* pBytes, unsigned nBytes);

    CRecordingSystem& m_system;
    uint32_t m_nMaxDataBytes;
    std::string m_strFileName;
    FILE* m_pFile = nullptr;
    uint32_t m_dwDataBytes = 0;
    // False when a failed operation may have left the stream's position
    // elsewhere than at the end of the data.
    bool m_bAtEnd = false;
    bool m_bClosed = false;
    int m_nLastError = 0;
    // errno of a failed cut: the file may hold bytes of a failed block
    // behind its data. 0 when it ends where its data ends.
    int m_nTrimError = 0;
    CPendingRecovery m_recovery;
};
