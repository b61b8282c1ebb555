// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sf_private_tag;  // SNDFILE
struct SRC_STATE_tag;   // SRC_STATE
struct SF_INFO;

// Reads any audio file that libsndfile reads and delivers it the way the
// capture device does: 16000 frames per second, interleaved signed 16-bit
// stereo (left, right, ...).
//
// - Integer-coded files at 16 kHz are read as shorts, bit for bit.
// - Other rates go through libsamplerate (SRC_SINC_MEDIUM_QUALITY); float
//   results are scaled by 32768, rounded to nearest and clipped to 16 bits.
//   Float-coded files at 16 kHz (float/double PCM, Vorbis, Opus, MPEG) take
//   the same rounding and clipping without resampling.
// - Mono is copied to both channels; of more than two channels the first two
//   are used.
//
// Failures return false with a one-line message naming the file.

// The whole file at once.
bool ReadAudioFile16kStereo(const std::string& strPath, std::vector<int16_t>& samples,
                            std::string& strError);

// The same conversion piece by piece, so that a long file never has to be in
// memory whole.
class CAudioFileReader16k {
public:
    CAudioFileReader16k();
    ~CAudioFileReader16k();
    CAudioFileReader16k(const CAudioFileReader16k&) = delete;
    CAudioFileReader16k& operator=(const CAudioFileReader16k&) = delete;

    // Opens the file and checks that it holds at least one frame of audio.
    bool Open(const std::string& strPath, std::string& strError);
    // The same from a descriptor opened for reading (a FIFO, a pipe), which
    // the reader then owns and closes, also on failure; strName names it in
    // messages.
    bool Open(int fd, const std::string& strName, std::string& strError);
    // Fills pOut with up to nFrames stereo frames (2 * nFrames values) and sets
    // nDelivered; fewer than asked only at the end of the file, 0 once it is
    // over. Returns false on a read or conversion error.
    bool Read(int16_t* pOut, std::size_t nFrames, std::size_t& nDelivered, std::string& strError);
    void Close();

    // What the file itself holds (valid after a successful Open).
    int GetSourceRate() const { return m_nSourceRate; }
    int GetSourceChannels() const { return m_nSourceChannels; }
    int64_t GetSourceFrames() const { return m_nSourceFrames; }
    // Frames expected after conversion to 16 kHz (a close estimate when the
    // file is resampled).
    int64_t GetExpectedFrames() const;

private:
    enum class Mode { Direct, Float, Resample };

    bool SetUp(const SF_INFO& info, std::string& strError);
    bool FillInput(std::vector<float>& afDest, std::size_t& nCount, std::string& strError);
    bool ReadDirect(int16_t* pOut, std::size_t nFrames, std::size_t& nDelivered,
                    std::string& strError);
    bool ReadConverted(int16_t* pOut, std::size_t nFrames, std::size_t& nDelivered,
                       std::string& strError);
    bool Fail(std::string& strError, const std::string& strWhat);

    sf_private_tag* m_pFile = nullptr;
    SRC_STATE_tag* m_pResampler = nullptr;
    std::string m_strPath;
    Mode m_mode = Mode::Direct;
    int m_nSourceRate = 0;
    int m_nSourceChannels = 0;
    int64_t m_nSourceFrames = 0;
    int m_nWorkChannels = 0;  // channels carried through the conversion: 1 or 2
    double m_dRatio = 1.0;    // output rate / file rate

    std::vector<short> m_asIn;   // direct mode: one chunk of file frames
    std::vector<float> m_afRaw;  // converted modes: one chunk of file frames
    std::vector<float> m_afIn;   // ... reduced to the work channels
    std::size_t m_nInPos = 0;    // frames of m_afIn already consumed
    std::size_t m_nInCount = 0;  // frames held in m_afIn
    std::vector<float> m_afOut;  // resampler output, work channels
    std::size_t m_nOutPos = 0;
    std::size_t m_nOutCount = 0;
    bool m_bEndOfFile = false;  // every file frame has been read
    bool m_bFinished = false;   // ... and every converted frame delivered
};
