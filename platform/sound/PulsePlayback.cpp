// SPDX-License-Identifier: GPL-3.0-or-later
#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/sound/PulseConnection.h"
#include "platform/sound/TonePlayer.h"

namespace {

// Every desktop output takes it; the server converts for the device.
constexpr uint32_t TONE_RATE = 48000;
// Little buffered ahead, so that Stop fades out at once.
constexpr pa_usec_t TONE_LATENCY_USEC = 100 * PA_USEC_PER_MSEC;
// How long Stop waits for the fade-out to be written, then to be played.
constexpr int FADE_WAIT_MS = 500;
constexpr int DRAIN_WAIT_MS = 1000;

std::string ExplainPlaybackError(int nPulseError) {
    const std::string strWords =
        nPulseError == PULSE_ERR_NOMEMORY ? "Out of memory" : pa_strerror(nPulseError);
    switch (nPulseError) {
        case PA_ERR_NOENTITY:
            return "The sound server has no output device (" + strWords +
                   "): are loudspeakers or headphones connected?";
        case PA_ERR_BUSY:
        case PA_ERR_EXIST:
            return "The output device is busy (" + strWords + "): close other programs using it";
        default:
            return ExplainPulseError(nPulseError, {});
    }
}

class CPulseTonePlayer : public ITonePlayer {
public:
    explicit CPulseTonePlayer(std::string strServer) : m_strServer(std::move(strServer)) {}
    ~CPulseTonePlayer() override { Stop(); }

    bool Play(double dHz, ToneShape shape, double dVolume) override {
        Stop();
        auto pConnection = std::make_unique<CPulseConnection>();
        int err = pConnection->Connect(m_strServer);
        if (err == PA_OK) {
            m_tone.emplace(dHz, static_cast<int>(TONE_RATE), shape, dVolume);
            m_bLost.store(false, std::memory_order_relaxed);
            m_pConnection = std::move(pConnection);
            err = ConnectStream();
            if (err != PA_OK) Close(false);
        }
        if (err != PA_OK) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_strError = ExplainPlaybackError(err);
            return false;
        }
        return true;
    }

    void Stop() override { Close(true); }

    bool IsPlaying() const override {
        return m_bPlaying.load(std::memory_order_relaxed) &&
               !m_bLost.load(std::memory_order_relaxed);
    }

    std::string GetLastErrorText() const override {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_strError;
    }

private:
    int ConnectStream() {
        CPulseConnection::Locked lock(*m_pConnection);
        pa_context* pContext = m_pConnection->m_pContext;
        const pa_sample_spec spec{PA_SAMPLE_S16LE, TONE_RATE, 1};
        m_pStream = pa_stream_new(pContext, "Kalvo reference tone", &spec, nullptr);
        if (!m_pStream) return pa_context_errno(pContext);
        pa_stream_set_state_callback(m_pStream, &CPulseTonePlayer::OnState, this);
        pa_stream_set_write_callback(m_pStream, &CPulseTonePlayer::OnWrite, this);
        pa_buffer_attr attr{};
        attr.maxlength = attr.prebuf = attr.minreq = attr.fragsize = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(TONE_LATENCY_USEC, &spec));
        if (pa_stream_connect_playback(m_pStream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0)
            return pa_context_errno(pContext);
        const bool bDone = m_pConnection->WaitLocked([this] {
            const pa_stream_state_t s = pa_stream_get_state(m_pStream);
            return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
        });
        if (pa_stream_get_state(m_pStream) == PA_STREAM_READY) {
            m_bPlaying.store(true, std::memory_order_relaxed);
            return PA_OK;
        }
        const int err = pa_context_errno(pContext);
        if (!bDone || err == PA_OK) return PA_ERR_TIMEOUT;
        return err;
    }

    // bFade: let the tone fade out and play to its end first, each within a
    // time limit, so that it ends without a click and Stop never hangs.
    void Close(bool bFade) {
        if (!m_pConnection) return;
        {
            CPulseConnection::Locked lock(*m_pConnection);
            if (m_pStream) {
                if (bFade && pa_stream_get_state(m_pStream) == PA_STREAM_READY &&
                    !m_bLost.load(std::memory_order_relaxed)) {
                    m_tone->FadeOut();
                    if (m_pConnection->WaitLocked(
                            [this] {
                                return m_tone->IsFinished() ||
                                       m_bLost.load(std::memory_order_relaxed);
                            },
                            FADE_WAIT_MS)) {
                        pa_operation* pOp = pa_stream_drain(
                            m_pStream,
                            [](pa_stream*, int, void* p) {
                                static_cast<CPulseConnection*>(p)->Signal();
                            },
                            m_pConnection.get());
                        if (pOp) {
                            if (!m_pConnection->WaitLocked(
                                    [pOp] {
                                        return pa_operation_get_state(pOp) != PA_OPERATION_RUNNING;
                                    },
                                    DRAIN_WAIT_MS))
                                pa_operation_cancel(pOp);
                            pa_operation_unref(pOp);
                        }
                    }
                }
                pa_stream_set_write_callback(m_pStream, nullptr, nullptr);
                pa_stream_set_state_callback(m_pStream, nullptr, nullptr);
                pa_stream_disconnect(m_pStream);
                pa_stream_unref(m_pStream);
                m_pStream = nullptr;
            }
        }
        m_bPlaying.store(false, std::memory_order_relaxed);
        m_pConnection.reset();
        m_tone.reset();
    }

    static void OnState(pa_stream* pStream, void* p) {
        auto* self = static_cast<CPulseTonePlayer*>(p);
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(pStream)))
            self->m_bLost.store(true, std::memory_order_relaxed);
        self->m_pConnection->Signal();
    }

    // On the main loop's thread, with its lock held: the next piece of the
    // tone, straight into the server's buffer.
    static void OnWrite(pa_stream* pStream, size_t nBytes, void* p) {
        auto* self = static_cast<CPulseTonePlayer*>(p);
        while (nBytes >= sizeof(int16_t)) {
            void* pData = nullptr;
            size_t nSize = nBytes;
            if (pa_stream_begin_write(pStream, &pData, &nSize) < 0 || !pData) return;
            nSize = std::min(nSize, nBytes) / sizeof(int16_t) * sizeof(int16_t);
            if (nSize == 0) {
                pa_stream_cancel_write(pStream);
                return;
            }
            self->m_tone->Render(static_cast<int16_t*>(pData),
                                 static_cast<int>(nSize / sizeof(int16_t)), 1);
            if (pa_stream_write(pStream, pData, nSize, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
            nBytes -= nSize;
        }
        if (self->m_tone->IsFinished()) self->m_pConnection->Signal();
    }

    std::string m_strServer;
    std::unique_ptr<CPulseConnection> m_pConnection;
    pa_stream* m_pStream = nullptr;
    // Used on the main loop's thread, and by Stop with its lock held.
    std::optional<CReferenceTone> m_tone;
    std::atomic<bool> m_bPlaying{false};
    std::atomic<bool> m_bLost{false};
    mutable std::mutex m_mutex;
    std::string m_strError;
};

}  // namespace

std::unique_ptr<ITonePlayer> CreatePulseTonePlayer(std::string strServer) {
    return std::make_unique<CPulseTonePlayer>(std::move(strServer));
}
