// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound/CaptureRing.h"
#include "platform/sound/CaptureTypes.h"

// What a test scripts and observes of the buffer a scripted device creates.
// Shared by the buffer and the test, so the test can still look after the
// engine has released the buffer.
struct ScriptedBufferState {
    explicit ScriptedBufferState(uint32_t nBytes) : ring(nBytes) {}
    CCaptureRing ring;
    std::atomic<int> nFailPositionQueries{0};  // the next n queries fail
    std::atomic<int> nFailLocks{0};            // the next n locks fail
    std::atomic<int> nStarts{0};
    std::atomic<int> nStops{0};
    std::atomic<int> nLocks{0};
    std::atomic<bool> bReleased{false};
    HRESULT hrStart = DS_OK;
    HRESULT hrStop = DS_OK;                // a failure here: the device no longer answers
    std::atomic<HRESULT> hrStatus{DS_OK};  // a failure here: the device was lost
    bool bNoNotify = false;                // the buffer offers no notification interface
};

// A sound system whose devices, results and ring are set by a test: the test
// puts bytes into the ring, sets the read position and signals the
// notifications by hand. Nothing runs by itself.
class CScriptedCaptureSystem : public ICaptureSystem {
public:
    // Listed after the primary entry: {id, description}.
    std::vector<std::pair<std::string, std::string>> m_devices;
    HRESULT m_hrEnumerate = DS_OK;
    HRESULT m_hrCreate = DS_OK;
    HRESULT m_hrCreateBuffer = DS_OK;
    HRESULT m_hrStart = DS_OK;
    HRESULT m_hrStop = DS_OK;
    bool m_bNoNotify = false;
    std::string m_strErrorText;

    HRESULT CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) override;
    HRESULT CaptureCreate(const std::string& strId, std::unique_ptr<ICapture>& pCapture) override;
    std::string GetLastErrorText() const override { return m_strErrorText; }

    // The id the last CaptureCreate was given.
    std::string GetOpenedId() const;
    // The state of the last buffer created, null before the first.
    std::shared_ptr<ScriptedBufferState> GetBuffer() const;

private:
    friend class CScriptedCapture;
    mutable std::mutex m_mutex;
    std::string m_strOpenedId;
    std::shared_ptr<ScriptedBufferState> m_pBuffer;
};
