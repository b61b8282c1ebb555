// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ids of the main window's menu, the control panel's controls and the
// application's icons. The numbers are the ones the windows' commands and the
// control panel's template use.

// Icons of the application's resources.
constexpr unsigned IDR_MAINFRAME = 128;
constexpr unsigned IDI_LOG_OFF = 188;
constexpr unsigned IDI_LOG_ON = 189;
constexpr unsigned IDI_WAVE_ON = 190;
constexpr unsigned IDI_WAVE_OFF = 191;
constexpr unsigned IDB_RECORDING_OFF = 192;
constexpr unsigned IDB_RECORDING_ON = 193;
constexpr unsigned IDI_FREEZE = 198;
constexpr unsigned IDI_FROZEN = 199;
constexpr unsigned IDI_SNAPSHOT = 200;
constexpr unsigned IDI_SNAPSHOT_DOWN = 201;
constexpr unsigned IDI_MIDI_ON = 202;
constexpr unsigned IDI_MIDI_OFF = 203;

// Templates.
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_TUNER_DIALOG = 102;
constexpr unsigned IDD_CAPTURE_DEVICE = 157;
constexpr unsigned IDR_MAIN_MENU = 166;
constexpr unsigned IDD_ACKNOWLEDGEMENTS = 202;
constexpr unsigned IDD_CONTROL_PANEL = 205;

// Dialog commands.
constexpr unsigned IDOK_COMMAND = 1;
constexpr unsigned IDCANCEL_COMMAND = 2;

// Control panel controls; the record and freeze buttons share their ids with
// the menu items that do the same.
constexpr unsigned IDC_A5_LIST = 1005;
constexpr unsigned IDC_TRANSPOSITION_LIST = 1006;
constexpr unsigned IDC_LOG = 1029;
constexpr unsigned IDC_WAVE = 1032;
constexpr unsigned IDC_MIDI = 1033;
constexpr unsigned IDC_RECORDING_OFF = 1034;
constexpr unsigned IDC_RECORDING_ON = 1035;
constexpr unsigned IDC_FREEZE = 1036;
constexpr unsigned IDC_FREEZE_TEXT = 1037;
constexpr unsigned IDC_SNAPSHOT = 1038;
constexpr unsigned IDC_SNAPSHOT_TEXT = 1039;
constexpr unsigned IDC_FOCUS_HOLDER = 1040;
constexpr unsigned IDC_DEVICE_LIST = 1019;
constexpr unsigned IDC_VISIT_WEBSITE = 1058;

// Menu commands.
constexpr unsigned IDM_ABOUTBOX = 16;
constexpr unsigned ID_EXIT = 2;
constexpr unsigned ID_COLORS_BACKGROUND = 32776;
constexpr unsigned ID_COLORS_SPECTRUM = 32777;
constexpr unsigned ID_SETTINGS_FFT = 32778;
constexpr unsigned ID_SETTINGS_SPECTRUM = 32779;
constexpr unsigned ID_COLORS_SPECTRUM_AREA = 32780;
constexpr unsigned ID_COLORS_DEFAULT = 32781;
constexpr unsigned ID_VIEW_SHARPS = 32782;
constexpr unsigned ID_VIEW_DAMPING = 32783;
constexpr unsigned ID_REFRESH_NORMAL = 32785;
constexpr unsigned ID_REFRESH_HIGH = 32786;
constexpr unsigned ID_REFRESH_LOW = 32787;
constexpr unsigned ID_SNAPSHOT_CLIPBOARD = 32790;
constexpr unsigned ID_SNAPSHOT_FILE = 32791;
constexpr unsigned ID_ACKNOWLEDGEMENTS = 32792;
constexpr unsigned ID_CONVERT_TO_MIDI = 32793;
constexpr unsigned ID_SETTINGS_MIDI = 32794;

// Commands of our own, numbered apart from the designed ones: Settings ->
// Pitch Method.
constexpr unsigned ID_PITCH_DOMINANT = 33000;
constexpr unsigned ID_PITCH_FUNDAMENTAL = 33001;
// Settings -> Recording Folder... and Settings -> Remember Settings.
constexpr unsigned ID_RECORDING_FOLDER = 33002;
constexpr unsigned ID_REMEMBER_SETTINGS = 33003;
constexpr unsigned ID_SETTINGS_TUNING = 33004;
constexpr unsigned ID_VIEW_HOLD = 33010;
// Settings -> Note Names: English, German, solfege (in NoteNaming order).
constexpr unsigned ID_NOTE_NAMES_FIRST = 33030;
// Settings -> Reference Tone...
constexpr unsigned ID_SETTINGS_REFERENCE_TONE = 33005;
// View -> Strobe and View -> Spectrum.
constexpr unsigned ID_VIEW_STROBE = 33020;
constexpr unsigned ID_VIEW_SPECTRUM = 33021;
