// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "plugins/PluginBinding.h"

// File -> "Convert Text File to MIDI", without its windows: the main window
// supplies the capture control, the file dialog and the notice through a
// host, and shows the messages that come back.

// The file dialog: default extension and initial name, no filter list.
constexpr const char* LOG_TO_MIDI_DEFAULT_EXTENSION = "log";
constexpr const char* LOG_TO_MIDI_INITIAL_NAME = "*.log";
// The notice shown while the plug-in converts (it begins with a carriage return).
constexpr const char* LOG_TO_MIDI_NOTICE = "\rConverting to midi file...";
constexpr int LOG_TO_MIDI_NOTICE_WIDTH = 200;
constexpr int LOG_TO_MIDI_NOTICE_HEIGHT = 50;
// How long the notice stays after the plug-in returns.
constexpr unsigned LOG_TO_MIDI_NOTICE_MS = 200;

constexpr unsigned IDS_LOG_TO_MIDI_CANNOT_OPEN = 163;     // "Cannot open log file"
constexpr unsigned IDS_LOG_TO_MIDI_CANNOT_CAPTURE = 145;  // "Cannot start capturing sound"

class CLogToMidiHost {
public:
    virtual ~CLogToMidiHost() = default;
    virtual bool StopCapture() = 0;
    // The file-open dialog; false when the user cancels.
    virtual bool ChooseLogFile(std::string& strPath) = 0;
    // Shows the notice and repaints at once, so it is visible before the
    // plug-in starts.
    virtual void ShowNotice() = 0;
    virtual void HideNotice() = 0;
    // Starts the capture buffer again, looping.
    virtual bool StartCapture() = 0;
    virtual void Wait(unsigned nMilliseconds);
    // After the notice: the plug-in made this file (the user is shown which
    // one, as it need not be the log's name with .mid).
    virtual void ShowMadeFile(const std::string& /*strMidiFile*/) {}
};

struct LogToMidiOutcome {
    bool bPluginMissing = false;  // show the MIDI-plug-in-missing message; nothing else happened
    bool bCancelled = false;
    bool bConverted = false;  // LogToMidi was called
    int nPluginResult = 0;    // what it returned (the menu command ignores it)
    std::string strPath;      // the chosen file
    std::string strMidiFile;  // the file the plug-in made; empty when it made none
    int nOpenError = 0;       // errno when the chosen file could not be read (163)
    // Messages to show, in order (163, 145).
    std::vector<unsigned> messages;
};

LogToMidiOutcome ConvertLogToMidi(CMidiPlugin& app, CLogToMidiHost& host);

// The file the plug-in's LogToMidi makes for this log now: the log's name
// with ".mid" for its extension, or, as the plug-in never replaces a file,
// the first free of NAME-2.mid, NAME-3.mid, ... Empty for a path it refuses.
std::string NextLogToMidiFile(const std::string& strLog);
