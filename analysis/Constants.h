// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Signal constants shared by the analysis, the views and the capture engine.
constexpr int SAMPLE_RATE = 16000;
constexpr double MIN_FREQUENCY = 40.0;
constexpr double MAX_FREQUENCY = 4000.0;
// The fundamental method reads lower, down to the five-string bass's B1
// (30.87 Hz); the dominant method keeps its band from MIN_FREQUENCY.
constexpr double MIN_FUNDAMENTAL_FREQUENCY = 30.0;
constexpr float NO_FREQUENCY = -1.0f;
constexpr int NOTIFY_COUNT = 12;
constexpr int MAX_CAPTURE_DEVICES = 10;

// One captured block: 1333 stereo frames of 16-bit samples, 83.3 ms.
constexpr unsigned BLOCK_FRAMES = 1333;
constexpr unsigned BLOCK_VALUES = 2 * BLOCK_FRAMES;  // m_nBlockValues
constexpr unsigned BLOCK_BYTES = 2 * BLOCK_VALUES;   // m_nNotifySize

// Recording flags of the control panel.
constexpr int REC_LOG = 1;
constexpr int REC_WAVE = 2;
constexpr int REC_MIDI = 4;

// FFT sizes offered to the user; the work arrays are sized for the larger.
constexpr unsigned FFT_SIZE_SMALL = 4096;
constexpr unsigned FFT_SIZE_LARGE = 8192;
constexpr unsigned MAX_FFT_SIZE = FFT_SIZE_LARGE;

// Cent meter value that stands for "no usable signal".
constexpr int NO_SIGNAL_CENTS = 100;

// Level printed for a block whose peak bin has no finite level (a block
// without a single positive sample): far below anything a real signal gives.
constexpr int SILENT_LEVEL_DB = -999;
