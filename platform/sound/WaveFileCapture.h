#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/sound/CaptureTypes.h"

// Shared by the WAVE-file device, its buffer and whoever wants to know how
// far the file has played.
struct WaveFileState {
    std::vector<int16_t> samples;           // the whole file, 16 kHz interleaved stereo
    std::atomic<uint64_t> nBytesPlayed{0};  // of the file, not counting the silence after it
    // Played again from the start at its end instead of silence (the demo
    // phrase); nBytesPlayed then counts the current pass.
    bool bLoop = false;
    uint64_t GetFileBytes() const { return samples.size() * sizeof(int16_t); }
    bool IsPlayedOut() const {
        return nBytesPlayed.load(std::memory_order_relaxed) >= GetFileBytes();
    }
};

// A capture device that plays an audio file into the ring in real time, then
// silence, as if it were a sound card. It lists one device, the file.
class CWaveFileCaptureSystem : public ICaptureSystem {
public:
    explicit CWaveFileCaptureSystem(std::string strPath);
    // Plays samples already in memory (16 kHz interleaved stereo) instead of
    // a file, listed under strName; bLoop repeats them instead of silence.
    CWaveFileCaptureSystem(std::string strName, std::vector<int16_t> samples, bool bLoop);

    HRESULT CaptureEnumerate(CaptureEnumCallback pCallback, void* pContext) override;
    // The file is read here; a file that cannot be read fails with
    // DSERR_INVALIDPARAM and the reader's message as the error text.
    HRESULT CaptureCreate(const std::string& strId, std::unique_ptr<ICapture>& pCapture) override;
    std::string GetLastErrorText() const override;
    std::string GetLastErrorExplanation() const override;

    // Null before a successful CaptureCreate.
    std::shared_ptr<const WaveFileState> GetState() const;

private:
    std::string m_strPath;  // or the name of the samples in memory
    bool m_bInMemory = false;
    bool m_bLoop = false;
    std::vector<int16_t> m_samples;
    mutable std::mutex m_mutex;
    std::string m_strLastError;
    std::string m_strLastExplanation;
    std::shared_ptr<WaveFileState> m_pState;
};
