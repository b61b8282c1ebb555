// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Loading of shared libraries (dlopen/dlsym/dlclose), with the last error kept
// as a number, per thread, as the start-up messages print it. The numbers are
// the system error codes the messages were written for:
constexpr int DL_ERROR_NONE = 0;
constexpr int DL_ERROR_MOD_NOT_FOUND = 126;   // no such library file
constexpr int DL_ERROR_PROC_NOT_FOUND = 127;  // the library lacks the export
constexpr int DL_ERROR_BAD_EXE_FORMAT = 193;  // the file is there but cannot be loaded

class CDynamicLibrary {
public:
    CDynamicLibrary() = default;
    ~CDynamicLibrary() { Free(); }
    CDynamicLibrary(const CDynamicLibrary&) = delete;
    CDynamicLibrary& operator=(const CDynamicLibrary&) = delete;

    // Loads a library by path, or by bare file name through the system's
    // search. Any library loaded before is freed first.
    bool Load(const std::string& strPath);
    // The address of an export, or null (and the last error set).
    void* GetProcAddress(const char* pszName);
    void Free();
    bool IsLoaded() const { return m_pHandle != nullptr; }

private:
    void* m_pHandle = nullptr;
};

// The last error of this thread's library calls, and the loader's own text
// for it (for logs; the messages show the number).
int GetLastLibraryError();
const std::string& GetLastLibraryErrorText();
void SetLastLibraryError(int nError, const std::string& strText = std::string());

// The folder of the running program (from /proc/self/exe), without a final
// slash; empty if it cannot be read.
std::string ExecutableDirectory();

// Loads pszFile from the first of the folders that holds it, then, if
// bSystemSearch, by the system's search. A file that is found but cannot be
// loaded does not stop the search. The last error is that of the last try.
bool LoadLibraryFromFolders(CDynamicLibrary& library, const char* pszFile,
                            const std::vector<std::string>& folders, bool bSystemSearch);
