// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages that plug-in loading leads to, with their string numbers. The
// string table holds the same texts; these are for code that reports without
// it (kalvo-analyze) and for the tests that keep both in step.

constexpr unsigned IDS_PLUGIN_REPORT_ERROR = 129;
constexpr unsigned IDS_PLUGIN_REPORT_ERROR_MIDI = 130;
constexpr unsigned IDS_PLUGIN_REPORT_ERROR_DISPLAY = 133;
constexpr unsigned IDS_PLUGIN_MIDI_NEWER = 135;
constexpr unsigned IDS_PLUGIN_MIDI_CORRUPT = 136;
constexpr unsigned IDS_PLUGIN_DISPLAY_NEWER = 137;
constexpr unsigned IDS_PLUGIN_DISPLAY_CORRUPT = 138;
constexpr unsigned IDS_PLUGIN_MIDI_MISSING = 164;
constexpr unsigned IDS_PLUGIN_DISPLAY_MISSING = 173;

// A library without GetNumber; %d is the last error number.
constexpr const char* PLUGIN_MSG_REPORT_ERROR =
    "Please report error number %d during program inizialization";
// A MIDI plug-in without one of its other exports.
constexpr const char* PLUGIN_MSG_REPORT_ERROR_MIDI =
    "Please report error number %d during program inizialization. Program will anyway run but MIDI "
    "features will not work";
// A display plug-in without Zoom or SetRange.
constexpr const char* PLUGIN_MSG_REPORT_ERROR_DISPLAY =
    "Please report error number %d during program inizialization. Program will anyway run but some "
    "display features will not work";
// An interface number whose upper 16 bits are above this program's.
constexpr const char* PLUGIN_MSG_MIDI_NEWER =
    "The installed MIDI plug-in is made for a newer version of Kalvo and cannot work with this "
    "one. "
    "MIDI features will not work";
constexpr const char* PLUGIN_MSG_DISPLAY_NEWER =
    "The installed display plug-in is made for a newer version of Kalvo and cannot work with this "
    "one. Some display features will not work";
// Any other wrong interface number.
constexpr const char* PLUGIN_MSG_MIDI_CORRUPT =
    "The installed MIDI plug-in is wrong or corrupted. MIDI features will not work";
constexpr const char* PLUGIN_MSG_DISPLAY_CORRUPT =
    "The installed display plug-in is wrong or corrupted. Some display features will not work";
