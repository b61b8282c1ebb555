// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUpChecks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

bool CheckOperatingSystem(IStartUpPlatform& platform) {
    const OsVersionInfo v = platform.GetOsVersion();
    if (v.nMajor > 5) return true;
    if (v.nMajor < 5) return false;
    if (v.nMinor > 0) return true;
    // 5.0: only the NT family has service packs that matter here.
    if (!v.bNtFamily) return true;
    uint32_t nValue = 0;
    if (!platform.ReadCsdVersion(nValue)) return false;
    return (nValue & 0xFFFF) >= 4;
}

CCaptionLock::CCaptionLock(std::string strDirectory) : m_strDirectory(std::move(strDirectory)) {
    if (m_strDirectory.empty()) {
        const char* pszRuntime = std::getenv("XDG_RUNTIME_DIR");
        m_strDirectory = pszRuntime && *pszRuntime ? pszRuntime : "/tmp";
    }
}

CCaptionLock::~CCaptionLock() {
    Release();
}

std::string CCaptionLock::LockPath(const std::string& strCaption) const {
    // One lock per user and caption; characters a file name should not have
    // become '_'.
    std::string strName;
    for (char c : strCaption) {
        const bool bPlain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                            (c >= '0' && c <= '9') || c == '.' || c == '-';
        strName += bPlain ? c : '_';
    }
    return m_strDirectory + "/" + strName + "-" + std::to_string(getuid()) + ".lock";
}

bool CCaptionLock::Claim(const std::string& strCaption) {
    Release();
    const std::string strPath = LockPath(strCaption);
    const int fd = open(strPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void CCaptionLock::Release() {
    if (m_fd >= 0) {
        // The file stays: removing it could let a third copy lock a new file
        // while a second still waits on the old one.
        close(m_fd);
        m_fd = -1;
    }
}

OsVersionInfo CLinuxStartUpPlatform::GetOsVersion() {
    // Every Linux the program builds on is newer than the required system.
    return OsVersionInfo{6, 0, true};
}

bool CLinuxStartUpPlatform::ReadCsdVersion(uint32_t& nValue) {
    nValue = 0;
    return false;  // no registry; never asked for on a 6.0 answer
}
