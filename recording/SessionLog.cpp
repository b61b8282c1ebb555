// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/SessionLog.h"

#include <stdio_ext.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>

#include "analysis/ReadingLine.h"
#include "platform/system/ProgramVersion.h"

namespace {

// Text-mode line end of the log format, written out on every platform.
constexpr const char* LINE_END = "\r\n";

}  // namespace

std::string CSessionLog::DefaultVersion() {
    return GetProgramVersion();
}

CSessionLog::CSessionLog(CRecordingSystem& system, std::string strVersion)
    : m_system(system), m_strVersion(std::move(strVersion)) {}

CSessionLog::~CSessionLog() {
    // The owner closes before deleting; this only keeps the descriptor from
    // leaking when it did not.
    if (m_pFile) std::fclose(m_pFile);
}

bool CSessionLog::WriteLine(const std::string& strLine) {
    // A write that only reached the stream's buffer is not written: the flush
    // is where a full disk shows.
    if (std::fwrite(strLine.data(), 1, strLine.size(), m_pFile) == strLine.size() &&
        std::fflush(m_pFile) == 0) {
        m_nWrittenBytes += static_cast<long long>(strLine.size());
        return true;
    }
    m_nLastError = errno;
    // Cut off what part of the line got through, so the log still ends with a
    // whole line, and drop the rest from the buffer so no later flush writes it.
    __fpurge(m_pFile);
    std::clearerr(m_pFile);
    const int fd = fileno(m_pFile);
    if (fd >= 0 && ftruncate(fd, static_cast<off_t>(m_nWrittenBytes)) == 0)
        fseeko(m_pFile, static_cast<off_t>(m_nWrittenBytes), SEEK_SET);
    return false;
}

void CSessionLog::Discard() {
    std::fclose(m_pFile);
    m_pFile = nullptr;
    unlink(m_strFileName.c_str());
}

bool CSessionLog::Create() {
    if (m_pFile || m_bClosed) return false;
    // Readable too, so that the log can be copied from its descriptor when
    // its folder goes away.
    m_pFile = m_system.CreateFile(".log", "w+", m_strFileName);
    if (!m_pFile) {
        m_nLastError = errno;
        return false;
    }

    // A log without its complete header is no use to the MIDI conversion
    // either, so every header line counts.
    std::string strHeader = LogHeaderLine(0, m_strVersion) + LINE_END;
    for (int nLine = 1; nLine < LOG_HEADER_LINES; ++nLine)
        strHeader += LogHeaderLine(nLine, m_strVersion) + LINE_END;
    if (!WriteLine(strHeader)) {
        Discard();
        return false;
    }
    m_dwStartTime = m_system.MillisecondCounter();
    if (!AddEntry(INFO_START_OF_LOGFILE) ||
        (!m_strTuningTitle.empty() && !AddEntry(FormatTuningEntry(m_strTuningTitle)))) {
        Discard();
        return false;
    }
    return true;
}

bool CSessionLog::AddEntry(const std::string& strText) {
    if (!m_pFile) return false;
    const uint32_t dwElapsed = MillisecondsBetween(m_dwStartTime, m_system.MillisecondCounter());
    const std::string strLine = FormatTimePrefix(dwElapsed) + strText + LINE_END;
    if (WriteLine(strLine)) return true;
    // A failure may be the folder gone: then the line goes to the saved copy.
    const int nError = m_nLastError;
    const std::string strName = m_strFileName;
    if (KeepReachable() && m_strFileName != strName) return WriteLine(strLine);
    m_nLastError = nError;
    return false;
}

bool CSessionLog::KeepReachable() {
    // Every line so far was flushed: the whole lines are all there is to copy.
    int nError = 0;
    const ERecordingReach reach =
        KeepRecordingReachable(m_pFile, m_strFileName, static_cast<uint64_t>(m_nWrittenBytes), "w+",
                               m_system, m_recovery, nError);
    if (reach == ERecordingReach::Reachable) return true;
    m_nLastError = nError;
    return reach == ERecordingReach::Moved;
}

bool CSessionLog::Close() {
    if (!m_pFile) return m_bClosed;
    // The end entry and the close must reach a file the user can find.
    const bool bReachable = KeepReachable();
    const int nReachError = m_nLastError;
    const bool bEndWritten = AddEntry(INFO_END_OF_LOGFILE);
    const bool bClosed = std::fclose(m_pFile) == 0;
    if (!bClosed) m_nLastError = errno;
    if (!bReachable) m_nLastError = nReachError;
    m_pFile = nullptr;
    m_bClosed = true;
    return bReachable && bClosed && bEndWritten;
}
