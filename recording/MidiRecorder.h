// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "plugins/PluginBinding.h"
#include "recording/RecordingFileName.h"
#include "recording/RecordingRecovery.h"

// Front end of a MIDI recording: hands the MIDI plug-in the session-log entry
// lines with their time prefixes, and at the end the name of the file to
// write. Its owner keeps AddEvent (capture thread) apart from Stop and
// destruction (user-interface thread); the recorder takes no lock.
class CMidiRecorder {
public:
    explicit CMidiRecorder(CMidiPlugin& app,
                           CRecordingSystem& system = CRecordingSystem::Default());
    // A file the plug-in never wrote leaves no empty one behind.
    ~CMidiRecorder();
    CMidiRecorder(const CMidiRecorder&) = delete;
    CMidiRecorder& operator=(const CMidiRecorder&) = delete;

    // Names the file (reserving the name, so that nothing is overwritten and
    // an unwritable folder shows at once), starts the clock and the plug-in.
    bool Start();
    // One reading or no-signal line, without time prefix or line end.
    bool AddEvent(const std::string& strLine);
    // Sends the end line and has the plug-in write the file. When the folder
    // the file was named in has gone, the file is written into the first of
    // the system's recovery folders that takes it instead (TakeRecovery
    // tells), and the empty file reserved at the start is removed from the
    // moved folder. After a failure the recording goes on; calling Stop
    // again retries.
    bool Stop();

    const std::string& FileName() const { return m_strFileName; }
    uint32_t StartTime() const { return m_dwStartTime; }
    // errno of the last failure (the reserved file, the plug-in's writing);
    // 0 when unknown.
    int GetLastError() const { return m_nLastError; }
    RecordingProblem GetProblem() const { return m_recovery.Problem(m_strFileName, m_nLastError); }
    bool TakeRecovery(RecordingProblem& problem) { return m_recovery.Take(problem); }

private:
    bool Send(const std::string& strEntry);
    // The plug-in writes the file under strName; false with m_nLastError.
    bool WriteFile(const std::string& strName);
    bool IsFolderGone() const;
    // Removes the file reserved at the start from its folder, wherever that
    // is now, while it is still that file and empty.
    void RemoveReservedFile();

    CMidiPlugin* m_pApp;  // holder of the plug-in's entry points
    CRecordingSystem* m_pSystem;
    uint32_t m_dwStartTime = 0;
    std::string m_strFileName;
    int m_nLastError = 0;
    int m_nLastSendResult = 0;
    // The folder the file was named in, as it was at the start.
    uint64_t m_nFolderDevice = 0;
    uint64_t m_nFolderInode = 0;
    // That folder, open, and the empty file reserved in it.
    int m_fdFolder = -1;
    std::string m_strReservedName;
    uint64_t m_nReservedDevice = 0;
    uint64_t m_nReservedInode = 0;
    bool m_bWritten = false;  // a stop wrote the file
    CPendingRecovery m_recovery;
};
