// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/system/Clock.h"

// Name "kalvo_%4d%02d%02d_%02d%02d%02d" + extension from the UTC time, in the
// current working directory, that names no existing file: when the name is
// taken, "-2", "-3", ... is put before the extension.
std::string MakeRecordingFileName(const UtcTime& time, const char* pszExtension);

// The name "kalvo_YYYYMMDD_hhmmss" + suffix + extension; nSuffix below 2 gives
// no suffix, else "-<nSuffix>".
std::string FormatRecordingFileName(const UtcTime& time, int nSuffix, const char* pszExtension);

// strPath with "-<nSuffix>" put before the extension of its last component
// ("a/b.mid", 3 gives "a/b-3.mid"); nSuffix below 2 gives strPath itself. The
// rule of the recordings' names, for files named after another one.
std::string SuffixedFileName(const std::string& strPath, int nSuffix);

// Creates a new recording file under the next free name and opens it as a
// stream with pszMode ("w", "wb"; "+" opens it for reading too). The file is
// created exclusively (O_CREAT | O_EXCL), so another recording started in the
// same second, or a file that appears between the check and the open, is
// never overwritten: the next suffix is tried instead. Null when the file
// cannot be created; strName then holds the name last tried and errno tells why.
// A folder other than empty (the working folder) is put before the name.
FILE* CreateNewRecordingFile(const UtcTime& time, const char* pszExtension, const char* pszMode,
                             std::string& strName, const std::string& strFolder = {});
// The same from the current UTC time.
FILE* CreateNewRecordingFile(const char* pszExtension, const char* pszMode, std::string& strName);

// What a recorder takes from the system: the millisecond counter for its time
// stamps, the UTC time and the creation of its file. Tests derive from it to
// set the clock or hand out streams that fail.
class CRecordingSystem {
public:
    virtual ~CRecordingSystem() = default;
    virtual uint32_t MillisecondCounter() { return GetMillisecondCounter(); }
    virtual UtcTime UtcNow() { return GetUtcTime(); }
    // A new file, as CreateNewRecordingFile; strName names it. A recorder
    // that cannot write its header removes that file again.
    virtual FILE* CreateFile(const char* pszExtension, const char* pszMode, std::string& strName) {
        return CreateNewRecordingFile(UtcNow(), pszExtension, pszMode, strName, m_strFolder);
    }
    // Where CreateFile puts new files; empty (the default) is the working
    // folder.
    void SetFolder(std::string strFolder) { m_strFolder = std::move(strFolder); }
    const std::string& GetFolder() const { return m_strFolder; }
    // Where a recording whose file can no longer be reached under its name
    // (its folder was deleted or moved) is saved instead, in the order tried
    // (DefaultRecoveryFolders); empty: nowhere, the failure stands.
    virtual std::vector<std::string> RecoveryFolders();
    // Copies a recording into one of them, as CopyIntoRecoveryFolder; tests
    // make a folder fail as a full disk would.
    virtual FILE* CopyForRecovery(int fdFrom, uint64_t nBytes, const std::string& strFolder,
                                  const std::string& strName, const char* pszMode,
                                  std::string& strNewPath);
    // The real clock and file system.
    static CRecordingSystem& Default();

private:
    std::string m_strFolder;
};
