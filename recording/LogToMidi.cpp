#include "recording/LogToMidi.h"

#include <chrono>
#include <cstdio>
#include <thread>

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
        outcome.messages.push_back(IDS_LOG_TO_MIDI_CANNOT_OPEN);
    } else if (std::fgetc(pFile), std::ferror(pFile)) {
        // Opening succeeds for a folder here; only reading it fails.
        std::fclose(pFile);
        outcome.messages.push_back(IDS_LOG_TO_MIDI_CANNOT_OPEN);
    } else {
        std::fclose(pFile);
        host.ShowNotice();
        std::string strPath = outcome.strPath;
        outcome.nPluginResult = app.m_pfnLogToMidi(strPath.data());
        outcome.bConverted = true;
        host.Wait(LOG_TO_MIDI_NOTICE_MS);
        host.HideNotice();
    }
    if (!host.StartCapture()) outcome.messages.push_back(IDS_LOG_TO_MIDI_CANNOT_CAPTURE);
    return outcome;
}
