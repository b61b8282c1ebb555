// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// What the start-up asks of the operating system. The decisions stay in the
// program (CheckOperatingSystem and CTunerApp::InitInstance); the answers
// come from the platform, or from a test.
struct OsVersionInfo {
    unsigned nMajor = 0;
    unsigned nMinor = 0;
    bool bNtFamily = true;
};

constexpr unsigned TIMERR_NOERROR = 0;
constexpr unsigned TIMERR_NOCANDO = 97;

class IStartUpPlatform {
public:
    virtual ~IStartUpPlatform() = default;
    virtual OsVersionInfo GetOsVersion() = 0;
    // The machine-wide "CSDVersion" value of the Windows key: false when the
    // key cannot be opened or the value cannot be read.
    virtual bool ReadCsdVersion(uint32_t& nValue) = 0;
    // Loads and frees the DirectX 8 library; false when it cannot be loaded.
    virtual bool ProbeDirectX() = 0;
    // Claims the caption for this copy of the program: false when another
    // copy's main window already carries it.
    virtual bool ClaimCaption(const std::string& strCaption) = 0;
    virtual void ReleaseCaption() = 0;
    virtual unsigned TimeBeginPeriod(unsigned nMs) = 0;
    virtual unsigned TimeEndPeriod(unsigned nMs) = 0;
};

// Windows 2000 (5.0) with service pack 4, or any later version.
bool CheckOperatingSystem(IStartUpPlatform& platform);

// A lock keyed by a window caption, held while the lock object lives: the
// second copy of the program finds it taken. Locks of the same caption in one
// process conflict too (each has its own open file).
class CCaptionLock {
public:
    // strDirectory: where the lock files live; empty uses the user's runtime
    // folder, else the temporary folder.
    explicit CCaptionLock(std::string strDirectory = {});
    ~CCaptionLock();
    CCaptionLock(const CCaptionLock&) = delete;
    CCaptionLock& operator=(const CCaptionLock&) = delete;

    // False when another holder has the caption. Errors of the file system
    // (no folder) do not keep the program from running: they claim nothing
    // and return true.
    bool Claim(const std::string& strCaption);
    void Release();
    bool IsHeld() const { return m_fd >= 0; }
    std::string LockPath(const std::string& strCaption) const;

private:
    std::string m_strDirectory;
    int m_fd = -1;
};

// This platform's answers: a supported system with DirectX, a timer that
// serves milliseconds, and the single instance through a caption lock.
class CLinuxStartUpPlatform : public IStartUpPlatform {
public:
    explicit CLinuxStartUpPlatform(std::string strLockDirectory = {})
        : m_lock(std::move(strLockDirectory)) {}
    OsVersionInfo GetOsVersion() override;
    bool ReadCsdVersion(uint32_t& nValue) override;
    bool ProbeDirectX() override { return true; }
    bool ClaimCaption(const std::string& strCaption) override { return m_lock.Claim(strCaption); }
    void ReleaseCaption() override { m_lock.Release(); }
    unsigned TimeBeginPeriod(unsigned) override { return TIMERR_NOERROR; }
    unsigned TimeEndPeriod(unsigned) override { return TIMERR_NOERROR; }

private:
    CCaptionLock m_lock;
};
