// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/PulseCapture.h"

#include <pulse/pulseaudio.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <utility>

#include "platform/sound/CaptureRing.h"
#include "platform/sound/PulseConnection.h"

// PulseAudio errors and the result codes they are reported with. The codes
// choose the messages: opening the device shows 143 "Cannot create direct
// sound capture object" and creating the buffer 144 "Cannot create capture
// buffer", each followed by the detail message of the code, if it has one.
//
//   PulseAudio error                      opening the device        creating the buffer
//   ------------------------------------  ------------------------  ------------------------
//   CONNECTIONREFUSED, INVALIDSERVER,     DSERR_INVALIDPARAM (148)  DSERR_NODRIVER (150)
//   TIMEOUT (no server at that address)
//   CONNECTIONTERMINATED (server gone)    DSERR_INVALIDPARAM (148)  DSERR_NODRIVER (150)
//   NOENTITY (no such source)             DSERR_INVALIDPARAM (148)  DSERR_NODRIVER (150)
//   BUSY, ACCESS, AUTHKEY, EXIST          DSERR_ALLOCATED (147)     DSERR_ALLOCATED (none)
//   INVALID                               DSERR_INVALIDPARAM (148)  DSERR_INVALIDPARAM (148)
//   NOTSUPPORTED, VERSION, PROTOCOL       DSERR_GENERIC (none)      DSERR_BADFORMAT (151)
//   BADSTATE, NODATA (not connected)      DSERR_UNINITIALIZED       DSERR_UNINITIALIZED (153)
//   allocation failed                     DSERR_OUTOFMEMORY (154)   DSERR_OUTOFMEMORY (154)
//   anything else                         DSERR_GENERIC (none)      DSERR_GENERIC (152)
//
// The server's own words (pa_strerror) are kept as the last error text.
HRESULT ResultFromPulseError(int nPulseError, PulseStep step) {
    const bool bOpen = step == PulseStep::OpenDevice;
    switch (nPulseError) {
        case PA_OK:
            return DS_OK;
        case PULSE_ERR_NOMEMORY:
            return DSERR_OUTOFMEMORY;
        case PA_ERR_CONNECTIONREFUSED:
        case PA_ERR_INVALIDSERVER:
        case PA_ERR_TIMEOUT:
        case PA_ERR_CONNECTIONTERMINATED:
        case PA_ERR_NOENTITY:
            return bOpen ? DSERR_INVALIDPARAM : DSERR_NODRIVER;
        case PA_ERR_BUSY:
        case PA_ERR_ACCESS:
        case PA_ERR_AUTHKEY:
        case PA_ERR_EXIST:
            return DSERR_ALLOCATED;
        case PA_ERR_INVALID:
            return DSERR_INVALIDPARAM;
        case PA_ERR_NOTSUPPORTED:
        case PA_ERR_VERSION:
        case PA_ERR_PROTOCOL:
            return bOpen ? DSERR_GENERIC : DSERR_BADFORMAT;
        case PA_ERR_BADSTATE:
        case PA_ERR_NODATA:
            return DSERR_UNINITIALIZED;
        default:
            return DSERR_GENERIC;
    }
}

std::string ExplainPulseError(int nPulseError, const std::string& strSource) {
    const std::string strWords =
        nPulseError == PULSE_ERR_NOMEMORY ? "Out of memory" : pa_strerror(nPulseError);
    switch (nPulseError) {
        case PA_ERR_CONNECTIONREFUSED:
        case PA_ERR_INVALIDSERVER:
        case PA_ERR_TIMEOUT:
            return "No sound server answered (" + strWords +
                   "): is PulseAudio or pipewire-pulse running?";
        case PA_ERR_CONNECTIONTERMINATED:
            return "The sound server ended the connection (" + strWords +
                   "): is PulseAudio or pipewire-pulse still running?";
        case PA_ERR_NOENTITY:
            if (!strSource.empty())
                return "No capture source named " + strSource +
                       " (kalvo-analyze --list-sources lists them)";
            return "The sound server has no capture source (" + strWords +
                   "): is a microphone or line input connected?";
        case PA_ERR_ACCESS:
        case PA_ERR_AUTHKEY:
            return "The sound server refused the connection (" + strWords +
                   "): is it another user's server?";
        case PA_ERR_BUSY:
        case PA_ERR_EXIST:
            return "The capture source is busy (" + strWords + "): close other programs using it";
        default:
            return "The sound server said: " + strWords;
    }
}

std::vector<PulseSource> SelectOfferedSources(const std::vector<PulseSource>& sources) {
    std::vector<PulseSource> inputs, monitors;
    for (const PulseSource& s : sources) (s.bMonitor ? monitors : inputs).push_back(s);
    return inputs.empty() ? monitors : inputs;
}

#if defined(__SANITIZE_THREAD__)
// libpulse is not built for ThreadSanitizer: it publishes the mutexes it
// creates on its own thread through atomics TSan cannot see, so the first lock
// of such a mutex on another thread looks like a race on the mutex itself.
// Only those reports are hidden; our callbacks stay checked.
extern "C" const char* __tsan_default_suppressions() {
    return "race:pa_mutex_lock\n"
           "race:pa_mutex_unlock\n";
}
#endif

namespace {

// Collects the server's sources; used with the lock held.
struct SourceQuery {
    CPulseConnection* pConnection;
    std::vector<PulseSource> sources;
    bool bFound = false;
    bool bDone = false;
};

void OnSourceInfo(pa_context*, const pa_source_info* pInfo, int eol, void* p) {
    auto* q = static_cast<SourceQuery*>(p);
    if (eol != 0 || !pInfo) {
        q->bDone = true;
        q->pConnection->Signal();
        return;
    }
    q->bFound = true;
    PulseSource s;
    s.strName = pInfo->name ? pInfo->name : "";
    s.strDescription = pInfo->description ? pInfo->description : s.strName;
    s.bMonitor = pInfo->monitor_of_sink != PA_INVALID_INDEX;
    q->sources.push_back(std::move(s));
}

class CPulseCaptureBuffer : public ICaptureBuffer {
public:
    CPulseCaptureBuffer(std::shared_ptr<CPulseConnection> pConnection, uint32_t nBytes)
        : m_pConnection(std::move(pConnection)), m_ring(nBytes) {}

    ~CPulseCaptureBuffer() override {
        CPulseConnection::Locked lock(*m_pConnection);
        if (m_pStream) {
            // No callback may reach the ring once this returns.
            pa_stream_set_read_callback(m_pStream, nullptr, nullptr);
            pa_stream_set_state_callback(m_pStream, nullptr, nullptr);
            pa_stream_disconnect(m_pStream);
            pa_stream_unref(m_pStream);
            m_pStream = nullptr;
        }
    }

    // Returns PA_OK or the error; the stream starts corked (not capturing).
    int Connect(const std::string& strSource) {
        CPulseConnection::Locked lock(*m_pConnection);
        pa_context* pContext = m_pConnection->m_pContext;
        if (pa_context_get_state(pContext) != PA_CONTEXT_READY) return PA_ERR_BADSTATE;
        const pa_sample_spec spec{PA_SAMPLE_S16LE, 16000, 2};
        m_pStream = pa_stream_new(pContext, "Kalvo capture", &spec, nullptr);
        if (!m_pStream) return pa_context_errno(pContext);
        pa_stream_set_state_callback(m_pStream, &CPulseCaptureBuffer::OnState, this);
        pa_stream_set_read_callback(m_pStream, &CPulseCaptureBuffer::OnRead, this);
        // One fragment is one block of the ring (twelve blocks); without
        // ADJUST_LATENCY the server sends in bursts of about two seconds.
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = attr.prebuf = attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = m_ring.GetSize() / 12 / 4 * 4;
        const auto flags =
            static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
        if (pa_stream_connect_record(m_pStream, strSource.empty() ? nullptr : strSource.c_str(),
                                     &attr, flags) < 0)
            return pa_context_errno(pContext);
        const bool bDone = m_pConnection->WaitLocked([this] {
            const pa_stream_state_t s = pa_stream_get_state(m_pStream);
            return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
        });
        if (pa_stream_get_state(m_pStream) == PA_STREAM_READY) return PA_OK;
        const int err = pa_context_errno(pContext);
        if (!bDone || err == PA_OK) return PA_ERR_TIMEOUT;
        return err;
    }

    HRESULT GetNotify(ICaptureNotify** ppNotify) override {
        if (!ppNotify) return DSERR_INVALIDPARAM;
        *ppNotify = &m_ring;
        return DS_OK;
    }

    HRESULT Start(uint32_t /*dwFlags*/) override { return Cork(false); }
    HRESULT Stop() override { return Cork(true); }

    HRESULT GetStatus(uint32_t* pdwStatus) override {
        if (!pdwStatus) return DSERR_INVALIDPARAM;
        if (m_bLost.load(std::memory_order_relaxed)) return DSERR_BUFFERLOST;
        *pdwStatus = m_ring.IsRunning() ? DSCBSTATUS_CAPTURING | DSCBSTATUS_LOOPING : 0;
        return DS_OK;
    }
    HRESULT GetCurrentPosition(uint32_t* pdwCapture, uint32_t* pdwRead) override {
        if (m_bLost.load(std::memory_order_relaxed)) return DSERR_BUFFERLOST;
        return m_ring.GetCurrentPosition(pdwCapture, pdwRead);
    }
    HRESULT Lock(uint32_t dwOffset, uint32_t dwBytes, void** pp1, uint32_t* pn1, void** pp2,
                 uint32_t* pn2, uint32_t /*dwFlags*/) override {
        return m_ring.Lock(dwOffset, dwBytes, pp1, pn1, pp2, pn2);
    }
    HRESULT Unlock(void* p1, uint32_t n1, void* p2, uint32_t n2) override {
        return m_ring.Unlock(p1, n1, p2, n2);
    }

private:
    HRESULT Cork(bool bCork) {
        CPulseConnection::Locked lock(*m_pConnection);
        if (!m_pStream || pa_stream_get_state(m_pStream) != PA_STREAM_READY ||
            m_bLost.load(std::memory_order_relaxed))
            return DSERR_BUFFERLOST;
        // Stopped: whatever still arrives is not captured.
        if (bCork) m_ring.SetRunning(false);
        struct Result {
            CPulseConnection* pConnection;
            int bSuccess = 0;
        } result{m_pConnection.get()};
        pa_operation* pOp = pa_stream_cork(
            m_pStream, bCork ? 1 : 0,
            [](pa_stream*, int bSuccess, void* p) {
                auto* r = static_cast<Result*>(p);
                r->bSuccess = bSuccess;
                r->pConnection->Signal();
            },
            &result);
        if (!m_pConnection->WaitOperation(pOp)) {
            // A server that does not answer in time is gone for us: the next
            // call must not wait for it again.
            m_bLost.store(true, std::memory_order_relaxed);
            return DSERR_BUFFERLOST;
        }
        if (!result.bSuccess) return DSERR_GENERIC;
        if (!bCork) m_ring.SetRunning(true);
        return DS_OK;
    }

    static void OnState(pa_stream* pStream, void* p) {
        auto* self = static_cast<CPulseCaptureBuffer*>(p);
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(pStream)))
            self->m_bLost.store(true, std::memory_order_relaxed);
        self->m_pConnection->Signal();
    }

    // On the main loop's thread: copy what the server delivered, piece by
    // piece, into the ring; a hole in the data becomes silence so that the
    // positions keep time.
    static void OnRead(pa_stream* pStream, size_t, void* p) {
        auto* self = static_cast<CPulseCaptureBuffer*>(p);
        const void* pData = nullptr;
        size_t nBytes = 0;
        while (pa_stream_readable_size(pStream) > 0) {
            if (pa_stream_peek(pStream, &pData, &nBytes) < 0) return;
            if (nBytes == 0) return;  // nothing after all
            if (pData)
                self->m_ring.Write(pData, static_cast<uint32_t>(nBytes));
            else
                self->m_ring.WriteSilence(static_cast<uint32_t>(nBytes));
            pa_stream_drop(pStream);
        }
    }

    std::shared_ptr<CPulseConnection> m_pConnection;
    CCaptureRing m_ring;
    pa_stream* m_pStream = nullptr;
    std::atomic<bool> m_bLost{false};
};

class CPulseCapture : public ICapture {
public:
    CPulseCapture(std::shared_ptr<CPulseConnection> pConnection, std::string strSource,
                  std::function<void(int)> fnError)
        : m_pConnection(std::move(pConnection)),
          m_strSource(std::move(strSource)),
          m_fnError(std::move(fnError)) {}

    HRESULT CreateCaptureBuffer(const DSCBUFFERDESC* pDesc,
                                std::unique_ptr<ICaptureBuffer>& pBuffer) override {
        if (!pDesc || pDesc->dwSize != sizeof(DSCBUFFERDESC) || !pDesc->lpwfxFormat)
            return DSERR_INVALIDPARAM;
        if (!IsTunerCaptureFormat(*pDesc->lpwfxFormat)) return DSERR_BADFORMAT;
        if (pDesc->dwBufferBytes < 48 || pDesc->dwBufferBytes % 4 != 0) return DSERR_INVALIDPARAM;
        auto pNew = std::make_unique<CPulseCaptureBuffer>(m_pConnection, pDesc->dwBufferBytes);
        const int err = pNew->Connect(m_strSource);
        if (err != PA_OK) {
            m_fnError(err);
            return ResultFromPulseError(err, PulseStep::CreateBuffer);
        }
        pBuffer = std::move(pNew);
        return DS_OK;
    }

private:
    std::shared_ptr<CPulseConnection> m_pConnection;
    std::string m_strSource;
    std::function<void(int)> m_fnError;
};

}  // namespace

CPulseCaptureSystem::CPulseCaptureSystem(std::string strServer)
    : m_strServer(std::move(strServer)) {}

void CPulseCaptureSystem::SetError(int nPulseError, const std::string& strSource) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strLastError = nPulseError == PULSE_ERR_NOMEMORY ? "Out of memory" : pa_strerror(nPulseError);
    m_strLastExplanation = ExplainPulseError(nPulseError, strSource);
}

std::string CPulseCaptureSystem::GetLastErrorExplanation() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strLastExplanation;
}

std::string CPulseCaptureSystem::GetLastErrorText() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strLastError;
}

bool CPulseCaptureSystem::ListSources(std::vector<PulseSource>& sources, HRESULT& hr) {
    sources.clear();
    CPulseConnection connection;
    int err = connection.Connect(m_strServer);
    if (err == PA_OK) {
        CPulseConnection::Locked lock(connection);
        SourceQuery query{&connection, {}};
        pa_operation* pOp =
            pa_context_get_source_info_list(connection.m_pContext, &OnSourceInfo, &query);
        if (!connection.WaitOperation(pOp) || !query.bDone) err = PA_ERR_TIMEOUT;
        sources = std::move(query.sources);
    }
    if (err != PA_OK) {
        SetError(err);
        hr = ResultFromPulseError(err, PulseStep::OpenDevice);
        return false;
    }
    hr = DS_OK;
    return true;
}

HRESULT CPulseCaptureSystem::CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) {
    std::vector<PulseSource> sources;
    HRESULT hr = DS_OK;
    if (!ListSources(sources, hr)) return hr;
    if (!pCallback(nullptr, "Default source", "pulse", pContext)) return DS_OK;
    for (const PulseSource& s : SelectOfferedSources(sources))
        if (!pCallback(&s.strName, s.strDescription.c_str(), "pulse", pContext)) break;
    return DS_OK;
}

HRESULT CPulseCaptureSystem::CaptureCreate(const std::string& strId,
                                           std::unique_ptr<ICapture>& pCapture) {
    auto pConnection = std::make_shared<CPulseConnection>();
    int err = pConnection->Connect(m_strServer);
    if (err == PA_OK && !strId.empty()) {
        // A source named explicitly is opened whether it is offered or not,
        // but it must exist.
        CPulseConnection::Locked lock(*pConnection);
        SourceQuery query{pConnection.get(), {}};
        pa_operation* pOp = pa_context_get_source_info_by_name(
            pConnection->m_pContext, strId.c_str(), &OnSourceInfo, &query);
        if (!pConnection->WaitOperation(pOp) || !query.bDone)
            err = PA_ERR_TIMEOUT;
        else if (!query.bFound)
            err = PA_ERR_NOENTITY;
    }
    if (err != PA_OK) {
        SetError(err, strId);
        return ResultFromPulseError(err, PulseStep::OpenDevice);
    }
    pCapture = std::make_unique<CPulseCapture>(std::move(pConnection), strId,
                                               [this, strId](int e) { SetError(e, strId); });
    return DS_OK;
}
