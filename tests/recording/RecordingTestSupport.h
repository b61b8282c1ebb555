// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <stdio.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "recording/RecordingFileName.h"

namespace recording_test {

inline std::string ReadFile(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs each test in a fresh empty working directory, where recordings land.
class RecordingDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldDir = std::filesystem::current_path();
        char szTemplate[] = "/tmp/kalvo-rec-XXXXXX";
        ASSERT_NE(mkdtemp(szTemplate), nullptr);
        m_dir = szTemplate;
        std::filesystem::current_path(m_dir);
    }
    void TearDown() override {
        std::filesystem::current_path(m_oldDir);
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    std::vector<std::string> FilesHere() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path m_oldDir;
    std::filesystem::path m_dir;
};

// A file in memory behind a stdio stream (fopencookie), with faults to order:
// a capacity like a disk that fills up, failing seeks and a failing close.
struct MemoryFile {
    std::string strBytes;
    off64_t nPos = 0;
    size_t nCapacity = SIZE_MAX;
    bool bSeeksFail = false;
    off64_t nFailSeekTo = -1;  // a seek to this offset fails
    bool bFailClose = false;
    int nWriteCalls = 0;
    int nSeekCalls = 0;
    int nCloseCalls = 0;
};

inline FILE* OpenMemoryFile(MemoryFile* pFile, const char* pszMode) {
    cookie_io_functions_t io{};
    io.write = [](void* cookie, const char* buf, size_t size) -> ssize_t {
        auto* p = static_cast<MemoryFile*>(cookie);
        ++p->nWriteCalls;
        const size_t nPos = static_cast<size_t>(p->nPos);
        const size_t nRoom = p->nCapacity > nPos ? p->nCapacity - nPos : 0;
        const size_t n = std::min(size, nRoom);
        if (n == 0) {
            errno = ENOSPC;
            return 0;
        }
        if (p->strBytes.size() < nPos + n) p->strBytes.resize(nPos + n);
        std::memcpy(p->strBytes.data() + nPos, buf, n);
        p->nPos += static_cast<off64_t>(n);
        return static_cast<ssize_t>(n);
    };
    io.seek = [](void* cookie, off64_t* pOffset, int whence) -> int {
        auto* p = static_cast<MemoryFile*>(cookie);
        ++p->nSeekCalls;
        off64_t nBase = whence == SEEK_SET   ? 0
                        : whence == SEEK_CUR ? p->nPos
                                             : static_cast<off64_t>(p->strBytes.size());
        if (p->bSeeksFail || nBase + *pOffset == p->nFailSeekTo) {
            errno = EIO;
            return -1;
        }
        p->nPos = nBase + *pOffset;
        *pOffset = p->nPos;
        return 0;
    };
    io.close = [](void* cookie) -> int {
        auto* p = static_cast<MemoryFile*>(cookie);
        ++p->nCloseCalls;
        if (p->bFailClose) {
            errno = EIO;
            return -1;
        }
        return 0;
    };
    return fopencookie(pFile, pszMode, io);
}

// The clock, the UTC time and, when set, the streams a recorder gets.
class CFakeSystem : public CRecordingSystem {
public:
    uint32_t dwCounter = 0;
    UtcTime time{2008, 3, 3, 14, 5, 9};
    // Hands out this stream instead of creating a file; the name it reports
    // names no file (the recorder removes it after a failed start).
    std::function<FILE*(const char* pszMode)> fnOpen;

    uint32_t MillisecondCounter() override { return dwCounter; }
    UtcTime UtcNow() override { return time; }
    FILE* CreateFile(const char* pszExtension, const char* pszMode, std::string& strName) override {
        if (!fnOpen) return CRecordingSystem::CreateFile(pszExtension, pszMode, strName);
        strName = std::string("injected") + pszExtension;
        return fnOpen(pszMode);
    }
};

// Limits the size of the files this process writes, the way a full disk would
// stop a write part way (EFBIG instead of ENOSPC), and restores it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t nBytes) {
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = nBytes;
        m_bOk = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        signal(SIGXFSZ, m_oldHandler);
    }
    bool Ok() const { return m_bOk; }

private:
    rlimit m_old{};
    sighandler_t m_oldHandler = SIG_DFL;
    bool m_bOk = false;
};

inline bool WriteProcFile(const char* pszPath, const std::string& strText) {
    const int fd = open(pszPath, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool bOk =
        write(fd, strText.data(), strText.size()) == static_cast<ssize_t>(strText.size());
    close(fd);
    return bOk;
}

// Runs fnScenario in a child process whose working directory is a fresh tmpfs
// of nBytes, in a mount namespace of its own, so a write can really meet a
// full disk (ENOSPC). The scenario returns "" when all its checks held, else
// what failed. nullopt when this machine lets no test mount a file system.
inline std::optional<std::string> RunOnTinyFileSystem(
    const std::filesystem::path& dir, size_t nBytes,
    const std::function<std::string()>& fnScenario) {
    constexpr int EXIT_NO_MOUNT = 77;
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return "fork failed";
    if (pid == 0) {
        close(fds[0]);
        // Root may mount in a namespace of its own; anyone else needs a user
        // namespace in which it is root.
        if (unshare(CLONE_NEWNS) != 0) {
            if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) _exit(EXIT_NO_MOUNT);
            WriteProcFile("/proc/self/setgroups", "deny");
            if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
                !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
                _exit(EXIT_NO_MOUNT);
        }
        const std::string strOptions = "size=" + std::to_string(nBytes);
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", dir.c_str(), "tmpfs", 0, strOptions.c_str()) != 0 ||
            chdir(dir.c_str()) != 0)
            _exit(EXIT_NO_MOUNT);
        const std::string strFailure = fnScenario();
        if (!strFailure.empty()) (void)!write(fds[1], strFailure.data(), strFailure.size());
        _exit(strFailure.empty() ? 0 : 1);
    }
    close(fds[1]);
    std::string strFailure;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) strFailure.append(buf, n);
    close(fds[0]);
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    if (WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == EXIT_NO_MOUNT) return std::nullopt;
    if (!WIFEXITED(nStatus)) return "scenario crashed";
    if (WEXITSTATUS(nStatus) != 0 && strFailure.empty()) return "scenario failed";
    return strFailure;
}

}  // namespace recording_test
