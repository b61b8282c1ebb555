// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "recording/RecordingFileName.h"
#include "recording/RecordingRecovery.h"

// The session text log: the six header lines, then one time-stamped entry per
// changed reading or event. Lines end in CR LF, as the log has always been
// written; each line is flushed as soon as it is written, so a crash keeps
// every line so far.
//
// No lock of its own: AddEntry runs on the capture thread, Create and Close on
// the GUI thread, and the owner serialises every call and the deletion under
// one lock. After Close (failed or not) the stream is released and AddEntry
// returns false.
class CSessionLog {
public:
    // strVersion is the program's version text of the first header line.
    explicit CSessionLog(CRecordingSystem& system = CRecordingSystem::Default(),
                         std::string strVersion = DefaultVersion());
    ~CSessionLog();
    CSessionLog(const CSessionLog&) = delete;
    CSessionLog& operator=(const CSessionLog&) = delete;

    // The name of a tuning that is not the default, entered after the start
    // entry so that the readings' targets can be told; empty for none.
    void SetTuningTitle(std::string strTitle) { m_strTuningTitle = std::move(strTitle); }

    // Creates a new file (never an existing one), writes the header and the
    // start entry. False when any of it could not be written; the file is
    // then removed again.
    bool Create();
    // Writes time prefix + strText + CR LF and flushes it. True only when the
    // whole line reached the file.
    bool AddEntry(const std::string& strText);
    // Adds the end entry and closes the file. False when closing failed; the
    // stream is released all the same. A later Close has nothing left to do
    // and returns true, so the recording can still be switched off.
    bool Close();

    const std::string& GetFileName() const { return m_strFileName; }
    // errno of the last failure (creation, a line, the close); 0 for none.
    int GetLastError() const { return m_nLastError; }
    // The file and the reason of the last failure, for the user.
    RecordingProblem GetProblem() const { return m_recovery.Problem(m_strFileName, m_nLastError); }

    // Checks that the file is still reachable under its name; when it is
    // not (its folder was deleted or moved), copies what was written into
    // the system's recovery folder and goes on there. False only when the
    // file is unreachable and could not be saved. AddEntry and Close check
    // by themselves; the owner calls this regularly, as a write into a
    // deleted folder does not fail.
    bool KeepReachable();
    // True once after the recording moved to the recovery folder, with what
    // happened; the owner tells the user.
    bool TakeRecovery(RecordingProblem& problem) { return m_recovery.Take(problem); }

    static std::string DefaultVersion();

private:
    std::string m_strTuningTitle;
    bool WriteLine(const std::string& strLine);
    void Discard();

    CRecordingSystem& m_system;
    std::string m_strVersion;
    std::string m_strFileName;
    uint32_t m_dwStartTime = 0;
    // Bytes of whole lines in the file.
    long long m_nWrittenBytes = 0;
    FILE* m_pFile = nullptr;
    bool m_bClosed = false;
    int m_nLastError = 0;
    CPendingRecovery m_recovery;
};
