// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "analysis/PitchAnalyser.h"
#include "capture/CaptureEngine.h"

// Interleaved stereo sine samples (the same on both channels).
inline std::vector<int16_t> StereoTone(double dHz, unsigned nFrames, double dAmplitude = 12000.0,
                                       unsigned nStartFrame = 0) {
    std::vector<int16_t> v(2 * nFrames);
    for (unsigned i = 0; i < nFrames; ++i) {
        const double t = static_cast<double>(nStartFrame + i) / 16000.0;
        const auto s =
            static_cast<int16_t>(std::lround(dAmplitude * std::sin(2.0 * M_PI * dHz * t)));
        v[2 * i] = v[2 * i + 1] = s;
    }
    return v;
}

// A 16-bit PCM WAVE file of interleaved stereo samples at nRate.
inline bool WriteWaveFile(const std::string& strPath, const std::vector<int16_t>& samples,
                          uint32_t nRate = 16000) {
    FILE* f = std::fopen(strPath.c_str(), "wb");
    if (!f) return false;
    const uint32_t nData = static_cast<uint32_t>(samples.size() * 2);
    auto u32 = [f](uint32_t v) {
        const unsigned char b[4] = {
            static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        std::fwrite(b, 1, 4, f);
    };
    auto u16 = [f](uint16_t v) {
        const unsigned char b[2] = {static_cast<unsigned char>(v),
                                    static_cast<unsigned char>(v >> 8)};
        std::fwrite(b, 1, 2, f);
    };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + nData);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(2);
    u32(nRate);
    u32(nRate * 4);
    u16(4);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(nData);
    for (int16_t s : samples) u16(static_cast<uint16_t>(s));
    return std::fclose(f) == 0;
}

// Collects what the capture thread hands out: the WAVE bytes and the
// readings, with a way to wait for them.
class CCaptureProbe : public IWaveSink, public IAnalysisHost {
public:
    explicit CCaptureProbe(CPitchAnalyser& analyser) : m_analyser(analyser) {}

    bool WriteBlock(const int16_t* pBlock, unsigned nBytes) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_asWritten.insert(m_asWritten.end(), pBlock, pBlock + nBytes / 2);
        m_anWriteSizes.push_back(nBytes);
        m_changed.notify_all();
        return m_bWriteSucceeds;
    }
    void AddReadingLine(const std::string&, int) override {}
    void RefreshViews() override {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_readings.push_back(m_analyser.GetReading());
        m_changed.notify_all();
    }
    void OnFftSizeRefused() override {}

    // Waits until there are at least n readings, at most nTimeoutMs.
    bool WaitForReadings(size_t n, int nTimeoutMs) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(nTimeoutMs),
                                  [&] { return m_readings.size() >= n; });
    }
    bool WaitForWrites(size_t n, int nTimeoutMs) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(nTimeoutMs),
                                  [&] { return m_anWriteSizes.size() >= n; });
    }
    std::vector<PitchReading> Readings() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_readings;
    }
    std::vector<int16_t> Written() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_asWritten;
    }
    std::vector<unsigned> WriteSizes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_anWriteSizes;
    }
    void SetWriteSucceeds(bool b) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bWriteSucceeds = b;
    }

private:
    CPitchAnalyser& m_analyser;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<int16_t> m_asWritten;
    std::vector<unsigned> m_anWriteSizes;
    std::vector<PitchReading> m_readings;
    bool m_bWriteSucceeds = true;
};
