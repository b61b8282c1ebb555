// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Resource numbers: strings, bitmaps, menus and command ids.

// Bitmaps of the note area.
constexpr unsigned IDB_STAFF = 147;
constexpr unsigned IDB_NOTEHEAD = 150;
constexpr unsigned IDB_SHARP = 165;
constexpr unsigned IDB_FLAT = 195;

// The spectrum area's zoom menu and its commands.
constexpr unsigned IDR_ZOOM_MENU = 206;
constexpr unsigned ID_ZOOM_IN = 32795;
constexpr unsigned ID_ZOOM_OUT = 32796;

// Child window ids of the main window.
constexpr unsigned IDC_SPECTRUM_AREA = 112;
constexpr unsigned IDC_NOTE_AREA = 113;
constexpr unsigned IDC_CENT_METER = 114;
constexpr unsigned IDC_FREQUENCY_DISPLAY = 115;

// Strings.
constexpr unsigned IDS_ABOUTBOX = 101;
constexpr unsigned IDS_FIRST_MESSAGE = 128;
constexpr unsigned IDS_LAST_MESSAGE = 177;
constexpr unsigned IDS_REQUIRES_WINDOWS = 128;
constexpr unsigned IDS_REPORT_ERROR = 129;
constexpr unsigned IDS_REPORT_ERROR_MIDI = 130;
constexpr unsigned IDS_FONT_ATTRIBUTES = 131;
constexpr unsigned IDS_CLEF_NOT_DISPLAYED = 132;
constexpr unsigned IDS_REPORT_ERROR_DISPLAY = 133;
constexpr unsigned IDS_CLEF_NOT_LOADED = 134;
constexpr unsigned IDS_MIDI_PLUGIN_NEWER = 135;
constexpr unsigned IDS_MIDI_PLUGIN_CORRUPT = 136;
constexpr unsigned IDS_DISPLAY_PLUGIN_NEWER = 137;
constexpr unsigned IDS_DISPLAY_PLUGIN_CORRUPT = 138;
constexpr unsigned IDS_FFT_PARAMETER = 140;
constexpr unsigned IDS_REQUIRES_DIRECTX = 141;
constexpr unsigned IDS_COM_INIT = 142;
constexpr unsigned IDS_CAPTURE_OBJECT = 143;
constexpr unsigned IDS_CAPTURE_BUFFER = 144;
constexpr unsigned IDS_CAPTURE_START = 145;
constexpr unsigned IDS_ANOTHER_INSTANCE = 146;
constexpr unsigned IDS_DSERR_ALLOCATED = 147;
constexpr unsigned IDS_DSERR_INVALIDPARAM = 148;
constexpr unsigned IDS_DSERR_NOAGGREGATION = 149;
constexpr unsigned IDS_DSERR_NODRIVER = 150;
constexpr unsigned IDS_DSERR_BADFORMAT = 151;
constexpr unsigned IDS_DSERR_GENERIC = 152;
constexpr unsigned IDS_DSERR_UNINITIALIZED = 153;
constexpr unsigned IDS_DSERR_OUTOFMEMORY = 154;
constexpr unsigned IDS_LOG_CREATE = 155;
constexpr unsigned IDS_LOG_CLOSE = 156;
constexpr unsigned IDS_LOG_ADD = 157;
constexpr unsigned IDS_STOP_RECORDING = 158;
constexpr unsigned IDS_WAVE_CREATE = 159;
constexpr unsigned IDS_WAVE_CLOSE = 160;
constexpr unsigned IDS_WAVE_WRITE = 161;
constexpr unsigned IDS_TIMER_RESOLUTION = 162;
constexpr unsigned IDS_LOG_OPEN = 163;
constexpr unsigned IDS_MIDI_PLUGIN_MISSING = 164;
constexpr unsigned IDS_MIDI_CREATE = 166;
constexpr unsigned IDS_MIDI_CLOSE = 167;
constexpr unsigned IDS_MIDI_ADD = 168;
constexpr unsigned IDS_DISPLAY_PLUGIN_MISSING = 173;
constexpr unsigned IDS_RANGE_VALUE = 176;
constexpr unsigned IDS_RANGE_TOO_SMALL = 177;
// Beyond the designed messages: the sound server went away while running.
constexpr unsigned IDS_CAPTURE_LOST = 180;

// Formats.
constexpr unsigned IDS_FIRST_FORMAT = 256;
constexpr unsigned IDS_LAST_FORMAT = 261;
constexpr unsigned IDS_FORMAT_CENTS = 257;
constexpr unsigned IDS_FORMAT_A5 = 258;
constexpr unsigned IDS_FORMAT_DB_LABEL = 261;
