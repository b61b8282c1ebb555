// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/sound/AudioFileReader.h"
#include "platform/sound/CaptureTypes.h"

// Shared by the WAVE-file device, its buffer and whoever wants to know how
// far the file has played.
struct WaveFileState {
    // Samples in memory (the demo phrase), 16 kHz interleaved stereo; empty
    // for a file, which is read and converted piece by piece as it plays,
    // so that its length never costs memory.
    std::vector<int16_t> samples;
    std::unique_ptr<CAudioFileReader16k> pReader;  // the file; used by the feeder only
    std::atomic<uint64_t> nBytesPlayed{0};         // of the file, not counting the silence after it
    std::atomic<bool> bReaderDone{false};          // the file has delivered its last frame
    // Played again from the start at its end instead of silence (the demo
    // phrase); nBytesPlayed then counts the current pass.
    bool bLoop = false;
    // A read error in the middle of the file, which then ends there.
    mutable std::mutex errorMutex;
    std::string strReadError;

    // Bytes of the file: in memory all of them; read from a file, those
    // delivered so far, which are all of them once it is played out.
    uint64_t GetFileBytes() const {
        return pReader ? nBytesPlayed.load() : samples.size() * sizeof(int16_t);
    }
    bool IsPlayedOut() const {
        if (pReader) return bReaderDone.load();
        return nBytesPlayed.load(std::memory_order_relaxed) >= GetFileBytes();
    }
    std::string GetReadError() const {
        std::lock_guard<std::mutex> lock(errorMutex);
        return strReadError;
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
    // The file is opened here (it plays from its start) and read as it
    // plays; a file that cannot be opened as audio fails with
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
