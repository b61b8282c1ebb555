// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/CaptureDevices.h"

bool EnumCaptureDeviceCallback(const std::string* pId, const char* pszDescription,
                               const char* /*pszModule*/, void* pContext) {
    auto* pList = static_cast<CCaptureDeviceList*>(pContext);
    if (!pId || !pList) return true;
    if (pList->m_nCaptureDevices < MAX_CAPTURE_DEVICES) {
        const int n = pList->m_nCaptureDevices++;
        pList->m_astrCaptureDeviceIds[n] = *pId;
        pList->m_astrCaptureDeviceNames[n] = pszDescription ? pszDescription : "";
    }
    return true;
}

HRESULT EnumerateCaptureDevices(ICaptureSystem& system, CCaptureDeviceList& list) {
    list = CCaptureDeviceList{};
    const HRESULT hr = system.CaptureEnumerate(&EnumCaptureDeviceCallback, &list);
    if (FAILED(hr)) list = CCaptureDeviceList{};
    return hr;
}

std::string ChosenCaptureDevice(const CCaptureDeviceList& list, int nSelection) {
    if (!NeedsDeviceSelection(list) || nSelection < 0 || nSelection >= list.m_nCaptureDevices)
        return std::string();
    return list.m_astrCaptureDeviceIds[nSelection];
}
