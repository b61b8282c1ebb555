// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages of the capture set-up and of a failed WAVE write, by their
// numbers in the string table. Texts byte for byte as the string table has
// them (typos included).
constexpr int IDS_CANNOT_INIT_COM = 142;
constexpr int IDS_CANNOT_CREATE_CAPTURE = 143;
constexpr int IDS_CANNOT_CREATE_CAPTURE_BUFFER = 144;
constexpr int IDS_CANNOT_START_CAPTURE = 145;
constexpr int IDS_DX_ALLOCATED = 147;
constexpr int IDS_DX_INVALIDPARAM = 148;
constexpr int IDS_DX_NOAGGREGATION = 149;
constexpr int IDS_DX_NODRIVER = 150;
constexpr int IDS_DX_BADFORMAT = 151;
constexpr int IDS_DX_GENERIC = 152;
constexpr int IDS_DX_UNINITIALIZED = 153;
constexpr int IDS_DX_OUTOFMEMORY = 154;
constexpr int IDS_CANNOT_WRITE_WAVE = 161;

struct CaptureMessage {
    int nId;
    const char* pszText;
};

inline constexpr CaptureMessage CAPTURE_MESSAGES[] = {
    {IDS_CANNOT_INIT_COM, "Cannot initialize COM"},
    {IDS_CANNOT_CREATE_CAPTURE, "Cannot create direct sound capture object"},
    {IDS_CANNOT_CREATE_CAPTURE_BUFFER, "Cannot create capture buffer"},
    {IDS_CANNOT_START_CAPTURE, "Cannot start capturing sound"},
    {IDS_DX_ALLOCATED, "DirectX - Resource already alllocated by another application"},
    {IDS_DX_INVALIDPARAM, "DirectX - Invalid parameter specified"},
    {IDS_DX_NOAGGREGATION, "DirectX - Object does not support aggregation"},
    {IDS_DX_NODRIVER, "DirectX - No sound driver available"},
    {IDS_DX_BADFORMAT, "DirectX - The specified wave format is not supported"},
    {IDS_DX_GENERIC, "DirectX - DirectSound undetermined error"},
    {IDS_DX_UNINITIALIZED, "DirectX - DirectSound has not been initialized"},
    {IDS_DX_OUTOFMEMORY, "DirectX - Not enough memory to complete operation"},
    {IDS_CANNOT_WRITE_WAVE, "Cannot write to wave file"},
};

// The text of a message above; null for any other number.
constexpr const char* CaptureMessageText(int nId) {
    for (const CaptureMessage& m : CAPTURE_MESSAGES)
        if (m.nId == nId) return m.pszText;
    return nullptr;
}
