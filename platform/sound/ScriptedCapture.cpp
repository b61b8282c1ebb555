// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/ScriptedCapture.h"

namespace {

class CScriptedCaptureBuffer : public ICaptureBuffer {
public:
    explicit CScriptedCaptureBuffer(std::shared_ptr<ScriptedBufferState> pState)
        : m_pState(std::move(pState)) {}
    ~CScriptedCaptureBuffer() override { m_pState->bReleased = true; }

    HRESULT GetNotify(ICaptureNotify** ppNotify) override {
        if (!ppNotify) return DSERR_INVALIDPARAM;
        if (m_pState->bNoNotify) {
            *ppNotify = nullptr;
            return DSERR_NOINTERFACE;
        }
        *ppNotify = &m_pState->ring;
        return DS_OK;
    }
    HRESULT Start(uint32_t /*dwFlags*/) override {
        ++m_pState->nStarts;
        if (FAILED(m_pState->hrStart)) return m_pState->hrStart;
        m_pState->ring.SetRunning(true);
        return DS_OK;
    }
    HRESULT Stop() override {
        ++m_pState->nStops;
        m_pState->ring.SetRunning(false);
        return m_pState->hrStop;
    }
    HRESULT GetStatus(uint32_t* pdwStatus) override {
        if (!pdwStatus) return DSERR_INVALIDPARAM;
        if (FAILED(m_pState->hrStatus.load())) return m_pState->hrStatus.load();
        *pdwStatus = m_pState->ring.IsRunning() ? DSCBSTATUS_CAPTURING | DSCBSTATUS_LOOPING : 0;
        return DS_OK;
    }
    HRESULT GetCurrentPosition(uint32_t* pdwCapture, uint32_t* pdwRead) override {
        if (TakeFailure(m_pState->nFailPositionQueries)) return DSERR_GENERIC;
        return m_pState->ring.GetCurrentPosition(pdwCapture, pdwRead);
    }
    HRESULT Lock(uint32_t dwOffset, uint32_t dwBytes, void** pp1, uint32_t* pn1, void** pp2,
                 uint32_t* pn2, uint32_t /*dwFlags*/) override {
        ++m_pState->nLocks;
        if (TakeFailure(m_pState->nFailLocks)) return DSERR_INVALIDPARAM;
        return m_pState->ring.Lock(dwOffset, dwBytes, pp1, pn1, pp2, pn2);
    }
    HRESULT Unlock(void* p1, uint32_t n1, void* p2, uint32_t n2) override {
        return m_pState->ring.Unlock(p1, n1, p2, n2);
    }

private:
    static bool TakeFailure(std::atomic<int>& nCount) {
        int n = nCount.load();
        while (n > 0)
            if (nCount.compare_exchange_weak(n, n - 1)) return true;
        return false;
    }
    std::shared_ptr<ScriptedBufferState> m_pState;
};

}  // namespace

class CScriptedCapture : public ICapture {
public:
    explicit CScriptedCapture(CScriptedCaptureSystem& system) : m_system(system) {}
    HRESULT CreateCaptureBuffer(const DSCBUFFERDESC* pDesc,
                                std::unique_ptr<ICaptureBuffer>& pBuffer) override {
        if (!pDesc || pDesc->dwSize != sizeof(DSCBUFFERDESC) || !pDesc->lpwfxFormat)
            return DSERR_INVALIDPARAM;
        if (!IsTunerCaptureFormat(*pDesc->lpwfxFormat)) return DSERR_BADFORMAT;
        if (pDesc->dwBufferBytes == 0 || pDesc->dwBufferBytes % 4 != 0) return DSERR_INVALIDPARAM;
        if (FAILED(m_system.m_hrCreateBuffer)) return m_system.m_hrCreateBuffer;
        auto pState = std::make_shared<ScriptedBufferState>(pDesc->dwBufferBytes);
        pState->hrStart = m_system.m_hrStart;
        pState->hrStop = m_system.m_hrStop;
        pState->bNoNotify = m_system.m_bNoNotify;
        {
            std::lock_guard<std::mutex> lock(m_system.m_mutex);
            m_system.m_pBuffer = pState;
        }
        pBuffer = std::make_unique<CScriptedCaptureBuffer>(pState);
        return DS_OK;
    }

private:
    CScriptedCaptureSystem& m_system;
};

HRESULT CScriptedCaptureSystem::CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) {
    if (FAILED(m_hrEnumerate)) return m_hrEnumerate;
    if (!pCallback(nullptr, "Primary Sound Capture Driver", "", pContext)) return DS_OK;
    for (const auto& [id, description] : m_devices)
        if (!pCallback(&id, description.c_str(), "scripted", pContext)) break;
    return DS_OK;
}

HRESULT CScriptedCaptureSystem::CaptureCreate(const std::string& strId,
                                              std::unique_ptr<ICapture>& pCapture) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_strOpenedId = strId;
    }
    if (FAILED(m_hrCreate)) return m_hrCreate;
    pCapture = std::make_unique<CScriptedCapture>(*this);
    return DS_OK;
}

std::string CScriptedCaptureSystem::GetOpenedId() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strOpenedId;
}

std::shared_ptr<ScriptedBufferState> CScriptedCaptureSystem::GetBuffer() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pBuffer;
}
