// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/RecordingRecovery.h"

#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "recording/RecordingFileName.h"

namespace {

// mkdir -p; true when the folder exists afterwards, else false with errno.
bool MakeFolders(const std::string& strPath) {
    struct stat st;
    if (stat(strPath.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        errno = ENOTDIR;
        return false;
    }
    if (errno != ENOENT) return false;
    const size_t nSlash = strPath.find_last_of('/');
    if (nSlash != std::string::npos && nSlash > 0 && !MakeFolders(strPath.substr(0, nSlash)))
        return false;
    return mkdir(strPath.c_str(), 0700) == 0 || errno == EEXIST;
}

// An absolute path from the environment, else empty.
std::string AbsoluteFromEnvironment(const char* pszName) {
    const char* psz = std::getenv(pszName);
    return psz && psz[0] == '/' ? std::string(psz) : std::string();
}

// "A (reason), B (reason) or C (reason)".
std::string FolderList(const std::vector<RecoveryAttempt>& folders) {
    std::string s;
    for (size_t i = 0; i < folders.size(); ++i) {
        if (i > 0) s += i + 1 == folders.size() ? " or " : ", ";
        s += folders[i].strFolder + " (" +
             (folders[i].nError ? std::strerror(folders[i].nError) : "unknown error") + ")";
    }
    return s;
}

}  // namespace

std::vector<std::string> DefaultRecoveryFolders() {
    const std::string strHome = AbsoluteFromEnvironment("HOME");
    std::string strData = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (strData.empty() && !strHome.empty()) strData = strHome + "/.local/share";
    std::string strTmp = AbsoluteFromEnvironment("TMPDIR");
    if (strTmp.empty()) strTmp = "/tmp";
    std::vector<std::string> folders;
    for (std::string strFolder :
         {strData.empty() ? strData : strData + "/kalvo/recovered", strTmp, strHome})
        if (!strFolder.empty() &&
            std::find(folders.begin(), folders.end(), strFolder) == folders.end())
            folders.push_back(std::move(strFolder));
    return folders;
}

bool IsStillReachable(const std::string& strPath, int fd, int& nError) {
    if (fd < 0) return true;
    struct stat open, named;
    if (fstat(fd, &open) != 0 || !S_ISREG(open.st_mode)) return true;
    if (open.st_nlink == 0) {
        nError = ENOENT;
        return false;
    }
    if (stat(strPath.c_str(), &named) != 0) {
        nError = errno;
        return false;
    }
    if (named.st_dev != open.st_dev || named.st_ino != open.st_ino) {
        nError = ESTALE;
        return false;
    }
    return true;
}

std::string FolderOf(const std::string& strPath) {
    const size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos) return ".";
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}

std::string BaseNameOf(const std::string& strPath) {
    const size_t nSlash = strPath.rfind('/');
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}

FILE* CopyIntoNewFile(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                      const std::string& strName, const char* pszMode, std::string& strNewPath) {
    const std::string strFirst = strFolder + "/" + BaseNameOf(strName);
    int fd = -1;
    for (int nSuffix = 1; nSuffix <= 100000 && fd < 0; ++nSuffix) {
        strNewPath = SuffixedFileName(strFirst, nSuffix);
        fd = open(strNewPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return nullptr;
    }
    if (fd < 0) return nullptr;
    std::vector<char> buffer(1 << 16);
    uint64_t nDone = 0;
    int nError = 0;
    while (nDone < nBytes && nError == 0) {
        const size_t nWant = static_cast<size_t>(std::min<uint64_t>(buffer.size(), nBytes - nDone));
        const ssize_t nRead = pread(fdFrom, buffer.data(), nWant, static_cast<off_t>(nDone));
        if (nRead <= 0) {
            nError = nRead < 0 ? errno : EIO;
            break;
        }
        for (ssize_t nPut = 0; nPut < nRead;) {
            const ssize_t n = write(fd, buffer.data() + nPut, static_cast<size_t>(nRead - nPut));
            if (n < 0) {
                if (errno == EINTR) continue;
                nError = errno;
                break;
            }
            nPut += n;
        }
        nDone += static_cast<uint64_t>(nRead);
    }
    FILE* pFile = nError == 0 ? fdopen(fd, pszMode) : nullptr;
    if (!pFile) {
        if (nError == 0) nError = errno;
        close(fd);
        unlink(strNewPath.c_str());
        errno = nError;
        return nullptr;
    }
    if (fseeko(pFile, 0, SEEK_END) != 0) {
        nError = errno;
        std::fclose(pFile);
        unlink(strNewPath.c_str());
        errno = nError;
        return nullptr;
    }
    return pFile;
}

FILE* CopyIntoRecoveryFolder(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                             const std::string& strName, const char* pszMode,
                             std::string& strNewPath) {
    if (!MakeFolders(strFolder)) return nullptr;
    return CopyIntoNewFile(fdFrom, nBytes, strFolder, strName, pszMode, strNewPath);
}

bool CPendingRecovery::Take(RecordingProblem& problem) {
    if (!m_bPending) return false;
    m_bPending = false;
    problem = m_problem;
    return true;
}

RecordingProblem CPendingRecovery::Problem(const std::string& strPath, int nError) const {
    RecordingProblem problem{strPath, nError, {}, false};
    problem.failedFolders = m_failed;
    problem.bLost = m_bLost;
    return problem;
}

ERecordingReach KeepRecordingReachable(FILE*& pFile, std::string& strFileName, uint64_t nBytes,
                                       const char* pszMode, CRecordingSystem& system,
                                       CPendingRecovery& pending, int& nError) {
    nError = 0;
    if (!pFile || IsStillReachable(strFileName, fileno(pFile), nError)) {
        pending.SetFailedFolders({}, false);
        return ERecordingReach::Reachable;
    }
    std::vector<RecoveryAttempt> failed;
    for (const std::string& strFolder : system.RecoveryFolders()) {
        std::string strNewPath;
        FILE* pNew = system.CopyForRecovery(fileno(pFile), nBytes, strFolder, strFileName, pszMode,
                                            strNewPath);
        if (!pNew) {
            // A full disk, say: the next folder may have room.
            failed.push_back({strFolder, errno});
            continue;
        }
        // What the recording holds was copied; whatever the old stream still
        // buffers is no part of it.
        __fpurge(pFile);
        std::fclose(pFile);
        pFile = pNew;
        RecordingProblem moved{strFileName, nError, strNewPath, true};
        moved.failedFolders = std::move(failed);
        pending.Set(std::move(moved));
        pending.SetFailedFolders({}, false);
        strFileName = strNewPath;
        return ERecordingReach::Moved;
    }
    // Lost once the stream is closed; with no folder to try at all, the
    // owner chose that a failure is only told.
    const bool bLost = !failed.empty();
    pending.SetFailedFolders(std::move(failed), bLost);
    return ERecordingReach::Lost;
}

std::string FormatProblem(const RecordingProblem& p) {
    std::string s = p.strPath + ": " + (p.nError ? std::strerror(p.nError) : "unknown error");
    // The folders that failed first, so that the message ends where the data
    // is, or with what became of it.
    if (!p.failedFolders.empty()) {
        if (p.bLost) s += "; what was recorded is lost";
        s += (p.bLost ? ": it could not be saved in " : "; it could not be saved in ") +
             FolderList(p.failedFolders);
    }
    if (!p.strSavedTo.empty())
        s += p.bContinues ? "; what was recorded is now in " + p.strSavedTo +
                                ", and the recording goes on there"
                          : "; the recording was saved to " + p.strSavedTo;
    return s;
}
