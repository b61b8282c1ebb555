// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "analysis/Constants.h"
#include "platform/sound/CaptureTypes.h"

// The capture devices found at start-up, in the system's order: at most
// MAX_CAPTURE_DEVICES, each an id and a description.
struct CCaptureDeviceList {
    int m_nCaptureDevices = 0;
    std::array<std::string, MAX_CAPTURE_DEVICES> m_astrCaptureDeviceIds;
    std::array<std::string, MAX_CAPTURE_DEVICES> m_astrCaptureDeviceNames;
};

// The enumeration callback; pContext is the CCaptureDeviceList. Skips the
// primary entry (no id), keeps the first ten devices and always continues.
bool EnumCaptureDeviceCallback(const std::string* pId, const char* pszDescription,
                               const char* pszModule, void* pContext);

// Fills the list from the system; on failure the list stays empty.
HRESULT EnumerateCaptureDevices(ICaptureSystem& system, CCaptureDeviceList& list);

// The user chooses only when there is more than one device.
inline bool NeedsDeviceSelection(const CCaptureDeviceList& list) {
    return list.m_nCaptureDevices > 1;
}

// The id to open: the chosen device's when there is a choice and nSelection
// is one of the listed rows; otherwise the default device (empty id).
std::string ChosenCaptureDevice(const CCaptureDeviceList& list, int nSelection);
