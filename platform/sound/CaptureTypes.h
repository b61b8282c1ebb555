// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CAutoResetEvent;

// Result codes of the capture layer: the DirectSound codes the tuner's
// messages are chosen by (negative = failure).
using HRESULT = int32_t;

constexpr HRESULT DS_OK = 0;
constexpr HRESULT DSERR_ALLOCATED = static_cast<HRESULT>(0x8878000AU);
constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057U);
constexpr HRESULT DSERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110U);
constexpr HRESULT DSERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000EU);
constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064U);
constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078U);
constexpr HRESULT DSERR_UNINITIALIZED = static_cast<HRESULT>(0x887800AAU);
constexpr HRESULT DSERR_GENERIC = static_cast<HRESULT>(0x80004005U);
constexpr HRESULT DSERR_INVALIDCALL = static_cast<HRESULT>(0x88780032U);
constexpr HRESULT DSERR_BUFFERLOST = static_cast<HRESULT>(0x88780096U);
constexpr HRESULT DSERR_NOINTERFACE = static_cast<HRESULT>(0x80004002U);

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

constexpr uint16_t WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
    uint16_t wFormatTag = 0;
    uint16_t nChannels = 0;
    uint32_t nSamplesPerSec = 0;
    uint32_t nAvgBytesPerSec = 0;
    uint16_t nBlockAlign = 0;
    uint16_t wBitsPerSample = 0;
    uint16_t cbSize = 0;
};

// What a capture buffer is created with; dwSize must be sizeof(DSCBUFFERDESC).
struct DSCBUFFERDESC {
    uint32_t dwSize = 0;
    uint32_t dwFlags = 0;
    uint32_t dwBufferBytes = 0;
    uint32_t dwReserved = 0;
    const WAVEFORMATEX* lpwfxFormat = nullptr;
    uint32_t dwFXCount = 0;
    const void* lpDSCFXDesc = nullptr;
};

// A notification position: the event is signalled when the device has
// written the byte at dwOffset.
struct DSBPOSITIONNOTIFY {
    uint32_t dwOffset = 0;
    CAutoResetEvent* hEventNotify = nullptr;
};

constexpr uint32_t DSCBSTART_LOOPING = 1;
constexpr uint32_t DSCBSTATUS_CAPTURING = 1;
constexpr uint32_t DSCBSTATUS_LOOPING = 2;

// The notification side of a capture buffer.
class ICaptureNotify {
public:
    virtual ~ICaptureNotify() = default;
    // Replaces the positions; only while the buffer is stopped.
    virtual HRESULT SetNotificationPositions(uint32_t nCount,
                                             const DSBPOSITIONNOTIFY* pPositions) = 0;
};

// A looping capture buffer: the device writes into a ring of dwBufferBytes
// while it runs; the reader asks for the positions and locks what it takes.
class ICaptureBuffer {
public:
    virtual ~ICaptureBuffer() = default;
    // The buffer's notification interface; it lives as long as the buffer.
    virtual HRESULT GetNotify(ICaptureNotify** ppNotify) = 0;
    virtual HRESULT Start(uint32_t dwFlags) = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT GetStatus(uint32_t* pdwStatus) = 0;
    // pdwRead: the end of the data the device has finished; may be null.
    virtual HRESULT GetCurrentPosition(uint32_t* pdwCapture, uint32_t* pdwRead) = 0;
    // One region, or two when the range wraps past the end of the ring
    // (*ppvAudioPtr2 is null otherwise). The device does not write into the
    // ring until Unlock, which must follow on the same thread.
    virtual HRESULT Lock(uint32_t dwOffset, uint32_t dwBytes, void** ppvAudioPtr1,
                         uint32_t* pdwAudioBytes1, void** ppvAudioPtr2, uint32_t* pdwAudioBytes2,
                         uint32_t dwFlags) = 0;
    virtual HRESULT Unlock(void* pvAudioPtr1, uint32_t dwAudioBytes1, void* pvAudioPtr2,
                           uint32_t dwAudioBytes2) = 0;
};

// An opened capture device.
class ICapture {
public:
    virtual ~ICapture() = default;
    virtual HRESULT CreateCaptureBuffer(const DSCBUFFERDESC* pDesc,
                                        std::unique_ptr<ICaptureBuffer>& pBuffer) = 0;
};

// Called once per device: pId is null for the system's primary entry (the
// default device), else the device's id. Returning false ends the listing.
using CaptureEnumCallback = bool (*)(const std::string* pId, const char* pszDescription,
                                     const char* pszModule, void* pContext);

// A sound system that can list and open capture devices.
class ICaptureSystem {
public:
    virtual ~ICaptureSystem() = default;
    virtual HRESULT CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) = 0;
    // An empty id opens the system's default capture device.
    virtual HRESULT CaptureCreate(const std::string& strId,
                                  std::unique_ptr<ICapture>& pCapture) = 0;
    // The platform's own words for the last failure ("Connection refused"),
    // empty when there are none. For a line after the designed messages.
    virtual std::string GetLastErrorText() const = 0;
    // The last failure as a sentence for the user: what went wrong, with the
    // platform's own words, and what to try. The platform's words alone
    // unless the system knows better.
    virtual std::string GetLastErrorExplanation() const { return GetLastErrorText(); }
};

// The capture format of the tuner: PCM, 2 channels, 16000 Hz, 16 bits.
WAVEFORMATEX TunerCaptureFormat();
bool IsTunerCaptureFormat(const WAVEFORMATEX& wfx);
