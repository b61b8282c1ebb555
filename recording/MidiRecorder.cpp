// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/MidiRecorder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "analysis/ReadingLine.h"

CMidiRecorder::CMidiRecorder(CMidiPlugin& app, CRecordingSystem& system)
    : m_pApp(&app), m_pSystem(&system) {}

CMidiRecorder::~CMidiRecorder() {
    if (!m_bWritten) RemoveReservedFile();
    if (m_fdFolder >= 0) close(m_fdFolder);
}

void CMidiRecorder::RemoveReservedFile() {
    if (m_fdFolder < 0 || m_strReservedName.empty()) return;
    struct stat file;
    if (fstatat(m_fdFolder, m_strReservedName.c_str(), &file, AT_SYMLINK_NOFOLLOW) == 0 &&
        static_cast<uint64_t>(file.st_dev) == m_nReservedDevice &&
        static_cast<uint64_t>(file.st_ino) == m_nReservedInode && file.st_size == 0)
        unlinkat(m_fdFolder, m_strReservedName.c_str(), 0);
    m_strReservedName.clear();
}

bool CMidiRecorder::Start() {
    if (!m_pApp->m_pfnStartMidiRecord || !m_pApp->m_pfnRecordMidiEvent ||
        !m_pApp->m_pfnStopMidiRecord)
        return false;
    // The plug-in writes the file only at the end; creating it empty now
    // takes the name for this recording and fails early where it cannot be
    // written at all.
    std::string strName;
    FILE* pFile = m_pSystem->CreateFile(".mid", "wb", strName);
    m_strFileName = strName;
    if (!pFile) {
        m_nLastError = errno;
        return false;
    }
    struct stat reserved;
    const bool bReserved = fstat(fileno(pFile), &reserved) == 0;
    const bool bClosed = std::fclose(pFile) == 0;
    if (!bClosed) {
        m_nLastError = errno;
        std::remove(strName.c_str());
        return false;
    }
    struct stat folder;
    if (stat(FolderOf(m_strFileName).c_str(), &folder) == 0) {
        m_nFolderDevice = static_cast<uint64_t>(folder.st_dev);
        m_nFolderInode = static_cast<uint64_t>(folder.st_ino);
    }
    // Kept open so that the empty file can still be found when the folder
    // is moved.
    m_fdFolder = open(FolderOf(m_strFileName).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (bReserved) {
        m_strReservedName = BaseNameOf(m_strFileName);
        m_nReservedDevice = static_cast<uint64_t>(reserved.st_dev);
        m_nReservedInode = static_cast<uint64_t>(reserved.st_ino);
    }
    m_dwStartTime = m_pSystem->MillisecondCounter();
    if (m_pApp->m_pfnStartMidiRecord() == 0) {
        m_nLastError = ENOMEM;
        std::remove(m_strFileName.c_str());
        return false;
    }
    return true;
}

bool CMidiRecorder::Send(const std::string& strEntry) {
    const uint32_t nElapsed = MillisecondsBetween(m_dwStartTime, m_pSystem->MillisecondCounter());
    std::string strText = FormatTimePrefix(nElapsed) + strEntry + "\n";
    m_nLastSendResult = m_pApp->m_pfnRecordMidiEvent(strText.data());
    return m_nLastSendResult >= 0;
}

bool CMidiRecorder::AddEvent(const std::string& strLine) {
    if (!m_pApp->m_pfnRecordMidiEvent) return false;
    if (Send(strLine)) return true;
    // The plug-in keeps the events in memory: it refuses one when that is
    // full, or when it is not recording.
    m_nLastError = m_nLastSendResult == -1 ? EINVAL : ENOMEM;
    return false;
}

bool CMidiRecorder::WriteFile(const std::string& strName) {
    std::string strArgument = strName;
    errno = 0;
    const int nResult = m_pApp->m_pfnStopMidiRecord(strArgument.data());
    if (nResult >= 0) return true;
    // The plug-in's own file calls leave their errno behind; its other
    // failures are bad arguments and lack of memory.
    const int nError = errno;
    m_nLastError = nResult == -1 ? EINVAL : nResult == -5 ? ENOMEM : nError ? nError : EIO;
    return false;
}

bool CMidiRecorder::IsFolderGone() const {
    if (m_nFolderInode == 0) return false;
    struct stat folder;
    if (stat(FolderOf(m_strFileName).c_str(), &folder) != 0) return true;
    // A deleted working folder still answers for ".", with no links left.
    return folder.st_nlink == 0 || static_cast<uint64_t>(folder.st_dev) != m_nFolderDevice ||
           static_cast<uint64_t>(folder.st_ino) != m_nFolderInode;
}

bool CMidiRecorder::Stop() {
    if (!m_pApp->m_pfnRecordMidiEvent || !m_pApp->m_pfnStopMidiRecord) return false;
    Send(INFO_END_OF_LOGFILE);
    if (WriteFile(m_strFileName)) {
        m_bWritten = true;
        m_recovery.SetFailedFolders({}, false);
        return true;
    }
    if (!IsFolderGone()) {
        m_recovery.SetFailedFolders({}, false);
        return false;
    }
    // The recording is still whole in the plug-in: it goes to a new file of
    // the same name in the first recovery folder where it can be written.
    const int nError = m_nLastError;
    std::vector<RecoveryAttempt> failed;
    for (const std::string& strFolder : m_pSystem->RecoveryFolders()) {
        std::string strNewPath;
        FILE* pFile = m_pSystem->CopyForRecovery(-1, 0, strFolder, m_strFileName, "wb", strNewPath);
        if (!pFile) {
            failed.push_back({strFolder, errno});
            continue;
        }
        std::fclose(pFile);
        if (!WriteFile(strNewPath)) {
            failed.push_back({strFolder, m_nLastError});
            unlink(strNewPath.c_str());
            continue;
        }
        RemoveReservedFile();
        RecordingProblem saved{m_strFileName, nError, strNewPath, false};
        saved.failedFolders = std::move(failed);
        m_recovery.Set(std::move(saved));
        m_recovery.SetFailedFolders({}, false);
        m_strFileName = strNewPath;
        m_bWritten = true;
        return true;
    }
    // Not lost: the plug-in keeps it for the next try.
    m_nLastError = nError;
    m_recovery.SetFailedFolders(std::move(failed), false);
    return false;
}
