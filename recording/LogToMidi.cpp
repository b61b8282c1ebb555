// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/LogToMidi.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "recording/RecordingFileName.h"

void CLogToMidiHost::Wait(unsigned nMilliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
}

LogToMidiOutcome ConvertLogToMidi(CMidiPlugin& app, CLogToMidiHost& host) {
    LogToMidiOutcome outcome;
    if (!app.m_pfnLogToMidi) {
        outcome.bPluginMissing = true;
        return outcome;
    }
    // Nothing is analysed or recorded while the user chooses and the
    // plug-in converts.
    host.StopCapture();
    if (!host.ChooseLogFile(outcome.strPath)) {
        outcome.bCancelled = true;
    } else if (FILE* pFile = std::fopen(outcome.strPath.c_str(), "rb"); !pFile) {
        outcome.nOpenError = errno;
        outcome.messages.push_back(IDS_LOG_TO_MIDI_CANNOT_OPEN);
    } else if (std::fgetc(pFile), std::ferror(pFile)) {
        // Opening succeeds for a folder here; only reading it fails.
        outcome.nOpenError = errno;
        std::fclose(pFile);
        outcome.messages.push_back(IDS_LOG_TO_MIDI_CANNOT_OPEN);
    } else {
        std::fclose(pFile);
        host.ShowNotice();
        std::string strPath = outcome.strPath;
        const std::string strMidiFile = NextLogToMidiFile(outcome.strPath);
        outcome.nPluginResult = app.m_pfnLogToMidi(strPath.data());
        outcome.bConverted = true;
        if (outcome.nPluginResult >= 0) outcome.strMidiFile = strMidiFile;
        host.Wait(LOG_TO_MIDI_NOTICE_MS);
        host.HideNotice();
        if (!outcome.strMidiFile.empty()) host.ShowMadeFile(outcome.strMidiFile);
    }
    if (!host.StartCapture()) outcome.messages.push_back(IDS_LOG_TO_MIDI_CANNOT_CAPTURE);
    return outcome;
}

std::string NextLogToMidiFile(const std::string& strLog) {
    // The plug-in's naming: the extension of the last component replaced.
    std::string strOut = strLog;
    const size_t nSlash = strOut.rfind('/');
    const size_t nBase = nSlash == std::string::npos ? 0 : nSlash + 1;
    const size_t nDot = strOut.rfind('.');
    if (nDot != std::string::npos && nDot > nBase) strOut.erase(nDot);
    if (strOut.size() == nBase) return std::string();
    strOut += ".mid";
    for (int nSuffix = 1; nSuffix <= 100000; ++nSuffix) {
        const std::string strName = SuffixedFileName(strOut, nSuffix);
        struct stat st;
        // lstat, as the plug-in's exclusive creation counts a dangling link as taken.
        if (lstat(strName.c_str(), &st) != 0) return strName;
    }
    return std::string();
}
