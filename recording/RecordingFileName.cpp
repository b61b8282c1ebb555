// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/RecordingFileName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "recording/RecordingRecovery.h"

namespace {

// Far more than a person can start in one second; only stops the search on a
// directory where every name seems taken.
constexpr int MAX_SUFFIX = 100000;

}  // namespace

std::string FormatRecordingFileName(const UtcTime& time, int nSuffix, const char* pszExtension) {
    char szName[128];
    const int n = std::snprintf(szName, sizeof szName, "kalvo_%4d%02d%02d_%02d%02d%02d", time.nYear,
                                time.nMonth, time.nDay, time.nHour, time.nMinute, time.nSecond);
    if (nSuffix >= 2 && n > 0 && static_cast<size_t>(n) < sizeof szName)
        std::snprintf(szName + n, sizeof szName - n, "-%d", nSuffix);
    return std::string(szName) + (pszExtension ? pszExtension : "");
}

std::string MakeRecordingFileName(const UtcTime& time, const char* pszExtension) {
    for (int nSuffix = 1; nSuffix <= MAX_SUFFIX; ++nSuffix) {
        std::string strName = FormatRecordingFileName(time, nSuffix, pszExtension);
        struct stat st;
        // lstat: a dangling symbolic link also takes the name (creating
        // through it would write somewhere else). Any answer other than "no
        // such file" ends the search; the creation will then tell the error.
        if (lstat(strName.c_str(), &st) != 0) return strName;
    }
    return FormatRecordingFileName(time, 1, pszExtension);
}

FILE* CreateNewRecordingFile(const UtcTime& time, const char* pszExtension, const char* pszMode,
                             std::string& strName, const std::string& strFolder) {
    const bool bUpdate = pszMode && std::strchr(pszMode, '+');
    const int nFlags = (bUpdate ? O_RDWR : O_WRONLY) | O_CREAT | O_EXCL | O_CLOEXEC;
    for (int nSuffix = 1; nSuffix <= MAX_SUFFIX; ++nSuffix) {
        strName = FormatRecordingFileName(time, nSuffix, pszExtension);
        if (!strFolder.empty())
            strName = strFolder + (strFolder.back() == '/' ? "" : "/") + strName;
        const int fd = open(strName.c_str(), nFlags, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        FILE* pFile = fdopen(fd, pszMode);
        if (!pFile) {
            const int nError = errno;
            close(fd);
            unlink(strName.c_str());
            errno = nError;
        }
        return pFile;
    }
    errno = EEXIST;
    return nullptr;
}

FILE* CreateNewRecordingFile(const char* pszExtension, const char* pszMode, std::string& strName) {
    return CreateNewRecordingFile(GetUtcTime(), pszExtension, pszMode, strName);
}

std::string SuffixedFileName(const std::string& strPath, int nSuffix) {
    if (nSuffix < 2) return strPath;
    const size_t nSlash = strPath.rfind('/');
    const size_t nBase = nSlash == std::string::npos ? 0 : nSlash + 1;
    size_t nDot = strPath.rfind('.');
    // A leading dot starts a hidden name, not an extension.
    if (nDot == std::string::npos || nDot <= nBase) nDot = strPath.size();
    return strPath.substr(0, nDot) + "-" + std::to_string(nSuffix) + strPath.substr(nDot);
}

std::vector<std::string> CRecordingSystem::RecoveryFolders() {
    return DefaultRecoveryFolders();
}

FILE* CRecordingSystem::CopyForRecovery(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                                        const std::string& strName, const char* pszMode,
                                        std::string& strNewPath) {
    return CopyIntoRecoveryFolder(fdFrom, nBytes, strFolder, strName, pszMode, strNewPath);
}

CRecordingSystem& CRecordingSystem::Default() {
    static CRecordingSystem system;
    return system;
}
