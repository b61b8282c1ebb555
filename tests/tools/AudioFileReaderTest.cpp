// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ToolTestSupport.h"
#include "platform/sound/AudioFileReader.h"

using namespace tooltest;

namespace {

// Deterministic values over the whole 16-bit range, both extremes included.
int16_t Pattern(int64_t i, int c) {
    if (i == 0) return c ? 32767 : -32768;
    return static_cast<int16_t>((i * 7919 + c * 104729) % 65536 - 32768);
}

double Rms(const std::vector<int16_t>& s, int channel, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += double(s[2 * i + channel]) * s[2 * i + channel];
    return std::sqrt(sum / double(to - from));
}

int RisingCrossings(const std::vector<int16_t>& s, int channel) {
    int n = 0;
    for (size_t i = 1; i < s.size() / 2; ++i)
        if (s[2 * (i - 1) + channel] < 0 && s[2 * i + channel] >= 0) ++n;
    return n;
}

}  // namespace

TEST(AudioFileReader, SixteenKilohertzSamplesAreDeliveredBitForBit) {
    ScratchDir dir;
    // Mono goes to both sides; of four channels the first two are used.
    const struct {
        const char* name;
        int channels;
        int format;
        int rightFrom;  // file channel expected on the right
    } cases[] = {{"stereo.wav", 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1},
                 {"mono.flac", 1, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 0},
                 {"four.wav", 4, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteAudio(dir / c.name, 16000, c.channels, 5000, Pattern, c.format));
        std::vector<int16_t> s;
        std::string error;
        ASSERT_TRUE(ReadAudioFile16kStereo(dir / c.name, s, error)) << error;
        ASSERT_EQ(s.size(), 10000u);
        for (int64_t i = 0; i < 5000; ++i) {
            ASSERT_EQ(s[2 * i], Pattern(i, 0)) << i;
            ASSERT_EQ(s[2 * i + 1], Pattern(i, c.rightFrom)) << i;
        }
    }
}

TEST(AudioFileReader, FloatSamplesAreRoundedAndClipped) {
    ScratchDir dir;
    const std::string path = dir / "float.wav";
    // In 16-bit units: halves round to even, beyond full scale clips.
    const std::vector<double> values = {0.0,     0.4,      0.6,      1.5,     2.5,
                                        -0.6,    -1.5,     16384.0,  32766.6, 32767.4,
                                        40000.0, -32768.0, -32769.0, -50000.0};
    const std::vector<int16_t> expected = {0,     0,     1,     2,     2,      -1,     -2,
                                           16384, 32767, 32767, 32767, -32768, -32768, -32768};
    ASSERT_TRUE(WriteAudio(
        path, 16000, 1, static_cast<int64_t>(values.size()),
        [&](int64_t i, int) { return values[i]; }, SF_FORMAT_WAV | SF_FORMAT_FLOAT));
    std::vector<int16_t> s;
    std::string error;
    ASSERT_TRUE(ReadAudioFile16kStereo(path, s, error)) << error;
    ASSERT_EQ(s.size(), 2 * expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(s[2 * i], expected[i]) << "value " << values[i];
        EXPECT_EQ(s[2 * i + 1], expected[i]) << "value " << values[i];
    }
}

TEST(AudioFileReader, OtherRatesAreResampledToSixteenKilohertz) {
    ScratchDir dir;
    const double seconds = 1.5;
    for (int rate : {8000, 22050, 44100, 48000, 96000}) {
        SCOPED_TRACE(rate);
        const std::string path = dir / ("tone" + std::to_string(rate) + ".wav");
        ASSERT_TRUE(WriteTone(path, rate, 1, 440.0, seconds, 10000.0));
        std::vector<int16_t> s;
        std::string error;
        ASSERT_TRUE(ReadAudioFile16kStereo(path, s, error)) << error;
        const double frames = double(s.size()) / 2;
        EXPECT_NEAR(frames, seconds * 16000, 2.0);
        // The tone keeps its pitch and level: a wrong ratio or scale shows here.
        EXPECT_NEAR(RisingCrossings(s, 0), 440 * seconds, 2);
        EXPECT_NEAR(Rms(s, 0, 1000, s.size() / 2 - 1000), 10000.0 / std::sqrt(2.0), 50.0);
        for (size_t i = 0; i < s.size(); i += 2) ASSERT_EQ(s[i], s[i + 1]) << i;
    }
}

TEST(AudioFileReader, PiecewiseReadingGivesTheWholeFileResult) {
    ScratchDir dir;
    const std::string path = dir / "stereo44.wav";
    // Different content on the two channels, so a swap or a mix shows.
    ASSERT_TRUE(WriteAudio(path, 44100, 2, 44100, [](int64_t i, int c) {
        return (c ? 6000.0 : 9000.0) * std::sin(2 * M_PI * (c ? 330.0 : 220.0) * double(i) / 44100);
    }));
    std::vector<int16_t> whole;
    std::string error;
    ASSERT_TRUE(ReadAudioFile16kStereo(path, whole, error)) << error;

    CAudioFileReader16k reader;
    ASSERT_TRUE(reader.Open(path, error)) << error;
    EXPECT_EQ(reader.GetSourceRate(), 44100);
    EXPECT_EQ(reader.GetSourceChannels(), 2);
    EXPECT_NEAR(double(reader.GetExpectedFrames()), double(whole.size()) / 2, 2.0);
    std::vector<int16_t> pieces;
    std::vector<int16_t> buffer(2 * 5000);
    size_t sizes[] = {1333, 1, 4999, 17, 2048};
    for (int step = 0;; ++step) {
        size_t got = 0;
        const size_t want = sizes[step % 5];
        ASSERT_TRUE(reader.Read(buffer.data(), want, got, error)) << error;
        if (got == 0) break;
        pieces.insert(pieces.end(), buffer.begin(), buffer.begin() + 2 * got);
        if (got < want) {
            // Short only at the end: the next read gives nothing.
            ASSERT_TRUE(reader.Read(buffer.data(), want, got, error));
            EXPECT_EQ(got, 0u);
            break;
        }
    }
    EXPECT_EQ(pieces, whole);
    EXPECT_NEAR(Rms(whole, 0, 1000, 15000), 9000 / std::sqrt(2.0), 40);
    EXPECT_NEAR(Rms(whole, 1, 1000, 15000), 6000 / std::sqrt(2.0), 40);
}

TEST(AudioFileReader, UnreadableFilesFailWithOneLineNamingTheFile) {
    ScratchDir dir;
    ASSERT_TRUE(WriteText(dir / "notes.txt", "A5 = 440 Hz\nnot a sound file\n"));
    ASSERT_TRUE(WriteText(dir / "zero-bytes.wav", ""));
    ASSERT_TRUE(WriteAudio(dir / "no-frames.wav", 16000, 2, 0, Pattern));
    // 16000 / 40 is beyond what the resampler converts.
    ASSERT_TRUE(WriteAudio(dir / "rate40.wav", 40, 1, 100, Pattern));
    const std::string cases[] = {
        dir / "notes.txt", dir / "zero-bytes.wav", dir / "no-frames.wav", dir / "missing.wav",
        dir / "",          dir / "rate40.wav"};
    for (const std::string& path : cases) {
        SCOPED_TRACE(path);
        std::vector<int16_t> s = {1, 2};
        std::string error;
        EXPECT_FALSE(ReadAudioFile16kStereo(path, s, error));
        EXPECT_TRUE(s.empty());
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;

        CAudioFileReader16k reader;
        std::string error2;
        EXPECT_FALSE(reader.Open(path, error2));
        EXPECT_EQ(error2, error);
        size_t got = 7;
        EXPECT_FALSE(reader.Read(s.data(), 1, got, error2));
        EXPECT_EQ(got, 0u);
    }
}
