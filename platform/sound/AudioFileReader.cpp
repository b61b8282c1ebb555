// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/AudioFileReader.h"

#include <fcntl.h>
#include <samplerate.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

constexpr int OUTPUT_RATE = 16000;
constexpr std::size_t CHUNK_FRAMES = 4096;      // file frames read at a time
constexpr std::size_t RESAMPLED_FRAMES = 4096;  // resampler output per call

// Library messages may carry line ends; ours are one line.
std::string OneLine(const char* text) {
    std::string s = text ? text : "";
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Formats whose samples are floats already; reading them as shorts would let
// libsndfile choose the scaling, so they take our rounding and clipping.
bool IsFloatCoded(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_FLOAT:
        case SF_FORMAT_DOUBLE:
        case SF_FORMAT_VORBIS:
        case SF_FORMAT_OPUS:
        case SF_FORMAT_MPEG_LAYER_I:
        case SF_FORMAT_MPEG_LAYER_II:
        case SF_FORMAT_MPEG_LAYER_III:
            return true;
        default:
            return false;
    }
}

// A float sample (full scale 1.0) as the capture device's 16-bit value.
int16_t ToSample(float v) {
    const double scaled = static_cast<double>(v) * 32768.0;
    if (!(scaled == scaled)) return 0;  // NaN in a float file
    if (scaled >= 32767.0) return 32767;
    if (scaled <= -32768.0) return -32768;
    return static_cast<int16_t>(std::lrint(scaled));
}

}  // namespace

CAudioFileReader16k::CAudioFileReader16k() = default;

CAudioFileReader16k::~CAudioFileReader16k() {
    Close();
}

void CAudioFileReader16k::Close() {
    if (m_pFile) sf_close(m_pFile);
    m_pFile = nullptr;
    if (m_pResampler) src_delete(m_pResampler);
    m_pResampler = nullptr;
    m_nInPos = m_nInCount = m_nOutPos = m_nOutCount = 0;
    m_bEndOfFile = m_bFinished = false;
}

bool CAudioFileReader16k::Fail(std::string& strError, const std::string& strWhat) {
    strError = "'" + m_strPath + "': " + strWhat;
    Close();
    return false;
}

bool CAudioFileReader16k::Open(const std::string& strPath, std::string& strError) {
    Close();
    m_strPath = strPath;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(strPath, ec);
    if (strPath.empty() || !fs::exists(st)) return Fail(strError, "no such file");
    if (fs::is_directory(st)) return Fail(strError, "is a directory, not an audio file");
    if (fs::is_regular_file(st) && fs::file_size(strPath, ec) == 0 && !ec)
        return Fail(strError, "the file is empty, there is no audio in it");
    if (!fs::is_regular_file(st)) {
        // A FIFO's open waits for its writer: done here, once, so that a
        // signal ends it (EINTR) instead of a second open waiting again.
        const int fd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return Fail(strError, std::string("cannot open: ") + std::strerror(errno));
        return Open(fd, strPath, strError);
    }

    SF_INFO info{};
    m_pFile = sf_open(strPath.c_str(), SFM_READ, &info);
    if (!m_pFile) {
        const std::string why = OneLine(sf_strerror(nullptr));
        if (std::FILE* f = std::fopen(strPath.c_str(), "rb"))
            std::fclose(f);
        else
            return Fail(strError, std::string("cannot open: ") + std::strerror(errno));
        return Fail(strError, "not an audio file in a format that can be read (" + why + ")");
    }
    return SetUp(info, strError);
}

bool CAudioFileReader16k::Open(int fd, const std::string& strName, std::string& strError) {
    Close();
    m_strPath = strName;
    SF_INFO info{};
    m_pFile = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (!m_pFile) {
        close(fd);
        return Fail(strError, "not an audio file in a format that can be read (" +
                                  OneLine(sf_strerror(nullptr)) + ")");
    }
    return SetUp(info, strError);
}

bool CAudioFileReader16k::SetUp(const SF_INFO& info, std::string& strError) {
    if (info.frames <= 0) return Fail(strError, "holds no audio frames");
    if (info.channels < 1) return Fail(strError, "has no audio channels");
    if (info.samplerate <= 0) return Fail(strError, "has no valid sample rate");

    m_nSourceRate = info.samplerate;
    m_nSourceChannels = info.channels;
    m_nSourceFrames = info.frames;
    m_nWorkChannels = std::min(info.channels, 2);
    m_dRatio = static_cast<double>(OUTPUT_RATE) / info.samplerate;

    if (info.samplerate == OUTPUT_RATE)
        m_mode = IsFloatCoded(info.format) ? Mode::Float : Mode::Direct;
    else
        m_mode = Mode::Resample;

    if (m_mode == Mode::Direct) {
        m_asIn.resize(CHUNK_FRAMES * info.channels);
    } else {
        m_afRaw.resize(CHUNK_FRAMES * info.channels);
        m_afIn.resize(CHUNK_FRAMES * m_nWorkChannels);
        m_afOut.resize(std::max(CHUNK_FRAMES, RESAMPLED_FRAMES) * m_nWorkChannels);
    }
    if (m_mode == Mode::Resample) {
        if (!src_is_valid_ratio(m_dRatio))
            return Fail(strError, "its sample rate of " + std::to_string(info.samplerate) +
                                      " Hz cannot be converted to 16000 Hz");
        int err = 0;
        m_pResampler = src_new(SRC_SINC_MEDIUM_QUALITY, m_nWorkChannels, &err);
        if (!m_pResampler)
            return Fail(strError,
                        "cannot set up the resampler (" + OneLine(src_strerror(err)) + ")");
    }
    return true;
}

int64_t CAudioFileReader16k::GetExpectedFrames() const {
    if (m_mode != Mode::Resample) return m_nSourceFrames;
    return static_cast<int64_t>(std::llround(static_cast<double>(m_nSourceFrames) * m_dRatio));
}

bool CAudioFileReader16k::Read(int16_t* pOut, std::size_t nFrames, std::size_t& nDelivered,
                               std::string& strError) {
    nDelivered = 0;
    if (!m_pFile) {
        strError = "'" + m_strPath + "': the file is not open";
        return false;
    }
    return m_mode == Mode::Direct ? ReadDirect(pOut, nFrames, nDelivered, strError)
                                  : ReadConverted(pOut, nFrames, nDelivered, strError);
}

bool CAudioFileReader16k::ReadDirect(int16_t* pOut, std::size_t nFrames, std::size_t& nDelivered,
                                     std::string& strError) {
    const int ch = m_nSourceChannels;
    while (nDelivered < nFrames && !m_bEndOfFile) {
        const std::size_t want = std::min(CHUNK_FRAMES, nFrames - nDelivered);
        int16_t* out = pOut + 2 * nDelivered;
        // Stereo frames are already what the caller wants: read them in place.
        const sf_count_t got =
            sf_readf_short(m_pFile, ch == 2 ? out : m_asIn.data(), static_cast<sf_count_t>(want));
        if (got < 0 ||
            (static_cast<std::size_t>(got) < want && sf_error(m_pFile) != SF_ERR_NO_ERROR))
            return Fail(strError, "read error (" + OneLine(sf_strerror(m_pFile)) + ")");
        const short* in = m_asIn.data();
        if (ch != 2) {
            for (sf_count_t f = 0; f < got; ++f, in += ch, out += 2) {
                out[0] = in[0];
                out[1] = ch > 1 ? in[1] : in[0];
            }
        }
        nDelivered += static_cast<std::size_t>(got);
        if (static_cast<std::size_t>(got) < want) m_bEndOfFile = true;
    }
    return true;
}

bool CAudioFileReader16k::FillInput(std::vector<float>& afDest, std::size_t& nCount,
                                    std::string& strError) {
    const int ch = m_nSourceChannels;
    const sf_count_t got =
        sf_readf_float(m_pFile, m_afRaw.data(), static_cast<sf_count_t>(CHUNK_FRAMES));
    if (got < 0 ||
        (static_cast<std::size_t>(got) < CHUNK_FRAMES && sf_error(m_pFile) != SF_ERR_NO_ERROR))
        return Fail(strError, "read error (" + OneLine(sf_strerror(m_pFile)) + ")");
    const float* in = m_afRaw.data();
    float* out = afDest.data();
    for (sf_count_t f = 0; f < got; ++f, in += ch)
        for (int c = 0; c < m_nWorkChannels; ++c) *out++ = in[c];
    nCount = static_cast<std::size_t>(got);
    if (nCount < CHUNK_FRAMES) m_bEndOfFile = true;
    return true;
}

bool CAudioFileReader16k::ReadConverted(int16_t* pOut, std::size_t nFrames, std::size_t& nDelivered,
                                        std::string& strError) {
    const int ch = m_nWorkChannels;
    while (nDelivered < nFrames) {
        if (m_nOutPos < m_nOutCount) {
            const std::size_t n = std::min(m_nOutCount - m_nOutPos, nFrames - nDelivered);
            const float* in = m_afOut.data() + m_nOutPos * ch;
            int16_t* out = pOut + 2 * nDelivered;
            for (std::size_t f = 0; f < n; ++f, in += ch, out += 2) {
                out[0] = ToSample(in[0]);
                out[1] = ch > 1 ? ToSample(in[1]) : out[0];
            }
            m_nOutPos += n;
            nDelivered += n;
            continue;
        }
        if (m_bFinished) break;

        if (m_mode == Mode::Float) {
            // Already at 16 kHz: file frames go straight to the output.
            if (m_bEndOfFile) {
                m_bFinished = true;
                break;
            }
            m_nOutPos = 0;
            if (!FillInput(m_afOut, m_nOutCount, strError)) return false;
            continue;
        }

        if (m_nInPos == m_nInCount && !m_bEndOfFile) {
            m_nInPos = 0;
            if (!FillInput(m_afIn, m_nInCount, strError)) return false;
        }
        SRC_DATA d{};
        d.data_in = m_afIn.data() + m_nInPos * ch;
        d.input_frames = static_cast<long>(m_nInCount - m_nInPos);
        d.data_out = m_afOut.data();
        d.output_frames = static_cast<long>(RESAMPLED_FRAMES);
        d.src_ratio = m_dRatio;
        d.end_of_input = m_bEndOfFile ? 1 : 0;
        if (const int err = src_process(m_pResampler, &d))
            return Fail(strError, "resampling failed (" + OneLine(src_strerror(err)) + ")");
        m_nInPos += static_cast<std::size_t>(d.input_frames_used);
        m_nOutPos = 0;
        m_nOutCount = static_cast<std::size_t>(d.output_frames_gen);
        // With the end of input announced, the resampler drains its delay
        // line over as many calls as it needs; it is done when nothing is left
        // to consume and nothing comes out.
        if (m_bEndOfFile && m_nInPos == m_nInCount && m_nOutCount == 0) m_bFinished = true;
    }
    return true;
}

bool ReadAudioFile16kStereo(const std::string& strPath, std::vector<int16_t>& samples,
                            std::string& strError) {
    samples.clear();
    CAudioFileReader16k reader;
    if (!reader.Open(strPath, strError)) return false;
    const int64_t expected = reader.GetExpectedFrames();
    constexpr std::size_t STEP = 16384;
    // A header may claim more than the file holds; reserve only a sane
    // amount, with room for the last (empty) read, so that it never doubles
    // the buffer.
    if (expected > 0 && expected < (int64_t(1) << 28))
        samples.reserve(2 * static_cast<std::size_t>(expected) + 2 * STEP + 2 * 4096);
    for (;;) {
        const std::size_t have = samples.size();
        samples.resize(have + 2 * STEP);
        std::size_t got = 0;
        const bool ok = reader.Read(samples.data() + have, STEP, got, strError);
        samples.resize(have + 2 * got);
        if (!ok) return false;
        if (got == 0) break;
    }
    if (samples.empty()) {
        strError = "'" + strPath + "': holds no audio frames";
        return false;
    }
    return true;
}
