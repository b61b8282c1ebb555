// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/RecordingRecovery.h"

#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "recording/RecordingFileName.h"

namespace {

// mkdir -p; true when the folder exists afterwards.
bool MakeFolders(const std::string& strPath) {
    struct stat st;
    if (stat(strPath.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const size_t nSlash = strPath.find_last_of('/');
    if (nSlash != std::string::npos && nSlash > 0 && !MakeFolders(strPath.substr(0, nSlash)))
        return false;
    return mkdir(strPath.c_str(), 0700) == 0 || errno == EEXIST;
}

bool IsWritableFolder(const std::string& strPath) {
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           access(strPath.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string DefaultRecoveryFolder() {
    std::string strData;
    if (const char* psz = std::getenv("XDG_DATA_HOME"); psz && psz[0] == '/')
        strData = psz;
    else if (const char* pszHome = std::getenv("HOME"); pszHome && pszHome[0] == '/')
        strData = std::string(pszHome) + "/.local/share";
    if (!strData.empty()) {
        const std::string strFolder = strData + "/kalvo/recovered";
        if (MakeFolders(strFolder) && IsWritableFolder(strFolder)) return strFolder;
    }
    const char* pszTmp = std::getenv("TMPDIR");
    const std::string strTmp = pszTmp && pszTmp[0] == '/' ? pszTmp : "/tmp";
    return IsWritableFolder(strTmp) ? strTmp : std::string();
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

bool CPendingRecovery::Take(RecordingProblem& problem) {
    if (!m_bPending) return false;
    m_bPending = false;
    problem = m_problem;
    return true;
}

ERecordingReach KeepRecordingReachable(FILE*& pFile, std::string& strFileName, uint64_t nBytes,
                                       const char* pszMode, CRecordingSystem& system,
                                       CPendingRecovery& pending, int& nError) {
    nError = 0;
    if (!pFile || IsStillReachable(strFileName, fileno(pFile), nError))
        return ERecordingReach::Reachable;
    const std::string strFolder = system.RecoveryFolder();
    if (strFolder.empty()) return ERecordingReach::Lost;
    std::string strNewPath;
    FILE* pNew =
        CopyIntoNewFile(fileno(pFile), nBytes, strFolder, strFileName, pszMode, strNewPath);
    if (!pNew) return ERecordingReach::Lost;
    // What the recording holds was copied; whatever the old stream still
    // buffers is no part of it.
    __fpurge(pFile);
    std::fclose(pFile);
    pFile = pNew;
    pending.Set({strFileName, nError, strNewPath, true});
    strFileName = strNewPath;
    return ERecordingReach::Moved;
}

std::string FormatProblem(const RecordingProblem& p) {
    std::string s = p.strPath + ": " + (p.nError ? std::strerror(p.nError) : "unknown error");
    if (!p.strSavedTo.empty())
        s += p.bContinues ? "; what was recorded is now in " + p.strSavedTo +
                                ", and the recording goes on there"
                          : "; the recording was saved to " + p.strSavedTo;
    return s;
}
