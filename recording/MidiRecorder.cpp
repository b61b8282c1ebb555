#include "recording/MidiRecorder.h"

#include <cstdio>

#include "analysis/ReadingLine.h"

CMidiRecorder::CMidiRecorder(CMidiPlugin& app, CRecordingSystem& system)
    : m_pApp(&app), m_pSystem(&system) {}

bool CMidiRecorder::Start() {
    if (!m_pApp->m_pfnStartMidiRecord || !m_pApp->m_pfnRecordMidiEvent ||
        !m_pApp->m_pfnStopMidiRecord)
        return false;
    // The plug-in writes the file only at the end; creating it empty now
    // takes the name for this recording and fails early where it cannot be
    // written at all.
    std::string strName;
    FILE* pFile = m_pSystem->CreateFile(".mid", "wb", strName);
    if (!pFile) return false;
    const bool bClosed = std::fclose(pFile) == 0;
    if (!bClosed) {
        std::remove(strName.c_str());
        return false;
    }
    m_strFileName = strName;
    m_dwStartTime = m_pSystem->MillisecondCounter();
    if (m_pApp->m_pfnStartMidiRecord() == 0) {
        std::remove(m_strFileName.c_str());
        return false;
    }
    return true;
}

bool CMidiRecorder::Send(const std::string& strEntry) {
    const uint32_t nElapsed = MillisecondsBetween(m_dwStartTime, m_pSystem->MillisecondCounter());
    std::string strText = FormatTimePrefix(nElapsed) + strEntry + "\n";
    return m_pApp->m_pfnRecordMidiEvent(strText.data()) >= 0;
}

bool CMidiRecorder::AddEvent(const std::string& strLine) {
    if (!m_pApp->m_pfnRecordMidiEvent) return false;
    return Send(strLine);
}

bool CMidiRecorder::Stop() {
    if (!m_pApp->m_pfnRecordMidiEvent || !m_pApp->m_pfnStopMidiRecord) return false;
    Send(INFO_END_OF_LOGFILE);
    std::string strName = m_strFileName;
    return m_pApp->m_pfnStopMidiRecord(strName.data()) >= 0;
}
