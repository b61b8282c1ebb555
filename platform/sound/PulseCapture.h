// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/sound/CaptureTypes.h"

// A PulseAudio source as the server lists it.
struct PulseSource {
    std::string strName;
    std::string strDescription;
    bool bMonitor = false;  // "Monitor of ..." an output
};

// The sources offered for capture: the real inputs, or the monitors when the
// server has nothing else. A desktop lists a monitor for every output; a
// machine with one microphone should open it at once, without a choice.
std::vector<PulseSource> SelectOfferedSources(const std::vector<PulseSource>& sources);

// Where a PulseAudio error happened: opening the device (connecting to the
// server, finding the source) or creating the capture buffer (the record
// stream).
enum class PulseStep { OpenDevice, CreateBuffer };

// The result code for a PulseAudio error (PA_ERR_*), PULSE_ERR_NOMEMORY for a
// failed allocation. See the table in PulseCapture.cpp.
constexpr int PULSE_ERR_NOMEMORY = -1;
HRESULT ResultFromPulseError(int nPulseError, PulseStep step);

// The sentence for the user about a PulseAudio error (PA_ERR_*): the server's
// own words, and what to try. strSource is the source that was asked for
// (empty for the default).
std::string ExplainPulseError(int nPulseError, const std::string& strSource);

// The PulseAudio capture backend: a threaded main loop per opened device and
// a record stream of s16le, 2 channels, 16000 Hz, with fragments of one block
// and adjusted latency, on the chosen source or the server's default.
class CPulseCaptureSystem : public ICaptureSystem {
public:
    // strServer: a server address ("unix:/run/user/1000/pulse/native"); empty
    // uses PULSE_SERVER or the user's default server. Never spawns a server.
    explicit CPulseCaptureSystem(std::string strServer = {});

    HRESULT CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) override;
    HRESULT CaptureCreate(const std::string& strId, std::unique_ptr<ICapture>& pCapture) override;
    std::string GetLastErrorText() const override;
    std::string GetLastErrorExplanation() const override;

    // Every source of the server, unfiltered; false (with the error text set)
    // when the server cannot be reached.
    bool ListSources(std::vector<PulseSource>& sources, HRESULT& hr);

private:
    void SetError(int nPulseError, const std::string& strSource = {});

    std::string m_strServer;
    mutable std::mutex m_mutex;
    std::string m_strLastError;
    std::string m_strLastExplanation;
};
