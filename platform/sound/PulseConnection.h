// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <pulse/pulseaudio.h>

#include <string>

#include "platform/sound/PulseCapture.h"

// How long the server may take to answer one request; a hung server must not
// hang the tuner.
inline constexpr int SERVER_TIMEOUT_MS = 5000;

// A threaded main loop with a connected context. Shared by a capture object
// and its buffers, so that either may be released first; the reference tone's
// playback has one of its own.
class CPulseConnection {
public:
    ~CPulseConnection() {
        if (m_pMainloop) {
            pa_threaded_mainloop_lock(m_pMainloop);
            if (m_pContext) {
                pa_context_set_state_callback(m_pContext, nullptr, nullptr);
                pa_context_disconnect(m_pContext);
                pa_context_unref(m_pContext);
                m_pContext = nullptr;
            }
            pa_threaded_mainloop_unlock(m_pMainloop);
            pa_threaded_mainloop_stop(m_pMainloop);
            pa_threaded_mainloop_free(m_pMainloop);
        }
    }

    // Returns PA_OK or the error.
    int Connect(const std::string& strServer) {
        m_pMainloop = pa_threaded_mainloop_new();
        if (!m_pMainloop) return PULSE_ERR_NOMEMORY;
        m_pContext = pa_context_new(pa_threaded_mainloop_get_api(m_pMainloop), "Kalvo");
        if (!m_pContext) return PULSE_ERR_NOMEMORY;
        pa_context_set_state_callback(m_pContext, &CPulseConnection::OnContextState, this);
        if (pa_threaded_mainloop_start(m_pMainloop) < 0) return PA_ERR_INTERNAL;
        Locked lock(*this);
        if (pa_context_connect(m_pContext, strServer.empty() ? nullptr : strServer.c_str(),
                               PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return pa_context_errno(m_pContext);
        const bool bDone = WaitLocked([this] {
            const pa_context_state_t s = pa_context_get_state(m_pContext);
            return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
        });
        if (pa_context_get_state(m_pContext) == PA_CONTEXT_READY) return PA_OK;
        const int err = pa_context_errno(m_pContext);
        if (!bDone || err == PA_OK) return PA_ERR_TIMEOUT;
        return err;
    }

    // Holds the main loop's lock for a scope.
    class Locked {
    public:
        explicit Locked(CPulseConnection& c) : m_c(c) {
            pa_threaded_mainloop_lock(m_c.m_pMainloop);
        }
        ~Locked() { pa_threaded_mainloop_unlock(m_c.m_pMainloop); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

    private:
        CPulseConnection& m_c;
    };

    // With the lock held: waits until bDone() or the time-out; false on
    // time-out. Callbacks wake it with pa_threaded_mainloop_signal.
    template <class F>
    bool WaitLocked(F bDone, int nTimeoutMs = SERVER_TIMEOUT_MS) {
        struct Timer {
            pa_threaded_mainloop* pMainloop;
            bool bFired;
        } timer{m_pMainloop, false};
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_pMainloop);
        timeval tv{};
        pa_gettimeofday(&tv);
        pa_timeval_add(&tv, static_cast<pa_usec_t>(nTimeoutMs) * PA_USEC_PER_MSEC);
        pa_time_event* pEvent = api->time_new(
            api, &tv,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* p) {
                auto* t = static_cast<Timer*>(p);
                t->bFired = true;
                pa_threaded_mainloop_signal(t->pMainloop, 0);
            },
            &timer);
        bool bOk = true;
        while (!bDone()) {
            if (timer.bFired) {
                bOk = false;
                break;
            }
            pa_threaded_mainloop_wait(m_pMainloop);
        }
        if (pEvent) api->time_free(pEvent);
        return bOk;
    }

    // With the lock held: waits for an operation to finish; false when it did
    // not in time (it is cancelled then).
    bool WaitOperation(pa_operation* pOp) {
        if (!pOp) return false;
        const bool bOk =
            WaitLocked([pOp] { return pa_operation_get_state(pOp) != PA_OPERATION_RUNNING; });
        if (!bOk) pa_operation_cancel(pOp);
        pa_operation_unref(pOp);
        return bOk;
    }

    void Signal() { pa_threaded_mainloop_signal(m_pMainloop, 0); }

    pa_threaded_mainloop* m_pMainloop = nullptr;
    pa_context* m_pContext = nullptr;

private:
    static void OnContextState(pa_context*, void* p) {
        static_cast<CPulseConnection*>(p)->Signal();
    }
};
