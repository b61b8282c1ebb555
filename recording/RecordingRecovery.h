// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "recording/RecordingFileName.h"

// Saving a recording whose file can no longer be reached under its name: the
// folder it was made in was deleted or moved while it ran. The data is still
// there behind the open descriptor; it is copied out into a folder that
// exists, and the recording goes on there.

// Where such a recording is saved, in the order the folders are tried: a
// full disk or a folder that cannot be made passes it on to the next.
// $XDG_DATA_HOME/kalvo/recovered (else ~/.local/share/kalvo/recovered), the
// temporary folder ($TMPDIR, else /tmp), the home folder.
std::vector<std::string> DefaultRecoveryFolders();

// True while strPath still names the file open on fd: the same device and
// inode, and not unlinked. Else false with the reason in nError (ENOENT for a
// vanished file or folder, ESTALE for a name that now means another file).
// A stream without a descriptor (fd < 0) counts as reachable.
bool IsStillReachable(const std::string& strPath, int fd, int& nError);

// The folder part of a path ("." for a bare name), and its last component.
std::string FolderOf(const std::string& strPath);
std::string BaseNameOf(const std::string& strPath);

// Copies the first nBytes of the file open on fdFrom into a new file in
// strFolder, named as strName's last component ("-2", "-3", ... before the
// extension when that is taken, never replacing a file), and opens it with
// pszMode, positioned at its end. Null with errno set when it fails; nothing
// is left behind then.
FILE* CopyIntoNewFile(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                      const std::string& strName, const char* pszMode, std::string& strNewPath);
// The same into a recovery folder, made first when missing.
FILE* CopyIntoRecoveryFolder(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                             const std::string& strName, const char* pszMode,
                             std::string& strNewPath);

// A recovery folder that could not take a recording, and why (errno).
struct RecoveryAttempt {
    std::string strFolder;
    int nError = 0;
};

// What went wrong with a recording, and where its data went: the one line of
// detail beneath the designed message.
struct RecordingProblem {
    RecordingProblem() = default;
    RecordingProblem(std::string strFile, int nErrorNumber, std::string strSaved = {},
                     bool bGoesOn = false)
        : strPath(std::move(strFile)),
          nError(nErrorNumber),
          strSavedTo(std::move(strSaved)),
          bContinues(bGoesOn) {}

    std::string strPath;  // the file as the recording named it
    int nError = 0;       // errno; 0 when unknown
    // Set when the data was saved elsewhere: the file that now holds it.
    std::string strSavedTo;
    bool bContinues = false;  // the recording goes on in strSavedTo
    // The recovery folders that failed it, in the order tried.
    std::vector<RecoveryAttempt> failedFolders;
    // None took it: what was recorded is gone (a MIDI recording is not: it
    // is still whole in the plug-in).
    bool bLost = false;
};
// "path: reason", and for a recovery where the data now is.
std::string FormatProblem(const RecordingProblem& problem);

// A recovery the owner has not been told about yet: set when a recording
// moved, taken once. And the folders that failed the last recovery that
// did not succeed, for the recorder's failure message.
class CPendingRecovery {
public:
    void Set(RecordingProblem problem) {
        m_problem = std::move(problem);
        m_bPending = true;
    }
    // True once after Set, with what happened.
    bool Take(RecordingProblem& problem);
    // Empty: the recording was reachable or saved.
    void SetFailedFolders(std::vector<RecoveryAttempt> failed, bool bLost) {
        m_failed = std::move(failed);
        m_bLost = bLost;
    }
    // The recorder's file and errno, with those folders.
    RecordingProblem Problem(const std::string& strPath, int nError) const;

private:
    RecordingProblem m_problem;
    bool m_bPending = false;
    std::vector<RecoveryAttempt> m_failed;
    bool m_bLost = false;
};

enum class ERecordingReach {
    Reachable,  // nothing to do
    Moved,      // now in the recovery folder: pFile and strFileName changed
    Lost,       // unreachable, and it could not be saved
};
// Checks that the recording open on pFile can still be reached as
// strFileName. When it cannot, its first nBytes (everything already flushed
// that belongs to the recording) are copied into a new file in the first of
// the system's recovery folders that takes them, opened with pszMode; the old
// stream is closed without writing what it still buffers, pFile and
// strFileName become the copy's and pending is set. When no folder takes
// them, pending keeps the folders tried. nError gets the reason it was
// unreachable.
ERecordingReach KeepRecordingReachable(FILE*& pFile, std::string& strFileName, uint64_t nBytes,
                                       const char* pszMode, CRecordingSystem& system,
                                       CPendingRecovery& pending, int& nError);
