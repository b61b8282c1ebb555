// SPDX-License-Identifier: GPL-3.0-or-later
#include "plugins/DynamicLibrary.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
thread_local int t_nLastError = DL_ERROR_NONE;
thread_local std::string t_strLastError;

std::string DlErrorText() {
    const char* psz = dlerror();
    return psz ? psz : "";
}
}  // namespace

int GetLastLibraryError() {
    return t_nLastError;
}
const std::string& GetLastLibraryErrorText() {
    return t_strLastError;
}
void SetLastLibraryError(int nError, const std::string& strText) {
    t_nLastError = nError;
    t_strLastError = strText;
}

bool CDynamicLibrary::Load(const std::string& strPath) {
    Free();
    dlerror();
    // RTLD_NOW: a library with unresolved references fails here, not at its
    // first call. RTLD_LOCAL: both plug-ins export GetNumber; each keeps its own.
    m_pHandle = dlopen(strPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_pHandle) {
        SetLastLibraryError(DL_ERROR_NONE);
        return true;
    }
    const std::string strText = DlErrorText();
    struct stat info;
    const bool bIsPath = strPath.find('/') != std::string::npos;
    const bool bExists = bIsPath && stat(strPath.c_str(), &info) == 0;
    SetLastLibraryError(bExists ? DL_ERROR_BAD_EXE_FORMAT : DL_ERROR_MOD_NOT_FOUND, strText);
    return false;
}

void* CDynamicLibrary::GetProcAddress(const char* pszName) {
    if (!m_pHandle) {
        SetLastLibraryError(DL_ERROR_MOD_NOT_FOUND, "library not loaded");
        return nullptr;
    }
    dlerror();
    void* pAddress = dlsym(m_pHandle, pszName);
    const std::string strText = DlErrorText();
    if (!pAddress) {
        SetLastLibraryError(DL_ERROR_PROC_NOT_FOUND, strText.empty() ? pszName : strText);
        return nullptr;
    }
    SetLastLibraryError(DL_ERROR_NONE);
    return pAddress;
}

void CDynamicLibrary::Free() {
    if (m_pHandle) dlclose(m_pHandle);
    m_pHandle = nullptr;
}

std::string ExecutableDirectory() {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return std::string();
    std::string strPath(buffer, static_cast<size_t>(n));
    const size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos) return std::string();
    return strPath.substr(0, nSlash == 0 ? 1 : nSlash);
}

bool LoadLibraryFromFolders(CDynamicLibrary& library, const char* pszFile,
                            const std::vector<std::string>& folders, bool bSystemSearch) {
    SetLastLibraryError(DL_ERROR_MOD_NOT_FOUND, "no folder to search");
    for (const std::string& strFolder : folders) {
        if (strFolder.empty()) continue;
        std::string strPath = strFolder;
        if (strPath.back() != '/') strPath += '/';
        strPath += pszFile;
        struct stat info;
        if (stat(strPath.c_str(), &info) != 0) continue;
        if (library.Load(strPath)) return true;
    }
    if (bSystemSearch) return library.Load(pszFile);
    return false;
}
