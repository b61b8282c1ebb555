#include "recording/SessionLog.h"

#include <stdio_ext.h>
#include <sys/types.h>
#include <unistd.h>

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
    m_pFile = m_system.CreateFile(".log", "w", m_strFileName);
    if (!m_pFile) return false;

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
    if (!AddEntry(INFO_START_OF_LOGFILE)) {
        Discard();
        return false;
    }
    return true;
}

bool CSessionLog::AddEntry(const std::string& strText) {
    if (!m_pFile) return false;
    const uint32_t dwElapsed = MillisecondsBetween(m_dwStartTime, m_system.MillisecondCounter());
    return WriteLine(FormatTimePrefix(dwElapsed) + strText + LINE_END);
}

bool CSessionLog::Close() {
    if (!m_pFile) return m_bClosed;
    const bool bEndWritten = AddEntry(INFO_END_OF_LOGFILE);
    const bool bClosed = std::fclose(m_pFile) == 0;
    m_pFile = nullptr;
    m_bClosed = true;
    return bClosed && bEndWritten;
}
