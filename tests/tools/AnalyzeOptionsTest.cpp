// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "tools/AnalyzeOptions.h"

namespace {

bool Parse(std::initializer_list<const char*> args, CAnalyzeOptions& options, std::string& error) {
    std::vector<const char*> argv{"kalvo-analyze"};
    argv.insert(argv.end(), args);
    return ParseAnalyzeOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

}  // namespace

TEST(AnalyzeOptions, BothSpellingsAndTheRangeLimitsAreAccepted) {
    CAnalyzeOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--fft=4096", "--window", "GAUSSIAN", "--alpha=1", "--a5", "380",
                       "--transpose=8", "--all", "--", "-song.flac"},
                      o, error))
        << error;
    EXPECT_EQ(o.nFftSizeIndex, 0);
    EXPECT_EQ(o.nWindowType, WINDOW_GAUSSIAN);
    EXPECT_EQ(o.fAlpha, 1.0f);
    EXPECT_EQ(o.nA5, 380);
    EXPECT_EQ(o.nTransposition, 8);
    EXPECT_TRUE(o.bAllBlocks);
    EXPECT_EQ(o.strInput, "-song.flac");

    for (int type = 0; type < WINDOW_TYPE_COUNT; ++type) {
        std::string name = WindowTypeText(type);
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(ParseWindowName(name), type) << name;
    }
    EXPECT_EQ(ParseWindowName("blackman"), WINDOW_BLACKMAN);
    EXPECT_EQ(ParseWindowName("hann"), -1);
}

TEST(AnalyzeOptions, BadValuesAreRefusedWithOneLine) {
    const std::initializer_list<const char*> bad[] = {
        {"--a5", "379", "a.wav"},
        {"--a5", "481", "a.wav"},
        {"--a5", "440.0", "a.wav"},
        {"--a5", "44x", "a.wav"},
        {"--transpose", "9", "a.wav"},
        {"--transpose", "-1", "a.wav"},
        {"--fft", "2048", "a.wav"},
        {"--alpha", "1.01", "a.wav"},
        {"--alpha", "-0.1", "a.wav"},
        {"--alpha", "nan", "a.wav"},
        {"--alpha", "0,5", "a.wav"},
        {"a.wav", "--a5"},
        {"--all=yes", "a.wav"},
        {"-q", "a.wav"},
        {},
        {"--log", "x.log", "a.wav", "b.wav"},
        {"--jobs", "0", "a.wav"},
    };
    for (const auto& args : bad) {
        CAnalyzeOptions o;
        std::string error;
        std::string joined;
        for (const char* a : args) joined += std::string(a) + " ";
        EXPECT_FALSE(Parse(args, o, error)) << joined;
        EXPECT_FALSE(error.empty()) << joined;
        EXPECT_EQ(error.find('\n'), std::string::npos) << joined;
    }
}

TEST(AnalyzeOptionsMethod, PitchMethodIsDominantUnlessAsked) {
    CAnalyzeOptions o;
    std::string err;
    const char* plain[] = {"kalvo-analyze", "a.wav"};
    ASSERT_TRUE(ParseAnalyzeOptions(2, plain, o, err)) << err;
    EXPECT_EQ(o.nPitchMethod, PITCH_METHOD_DOMINANT);
    const char* fundamental[] = {"kalvo-analyze", "--method", "fundamental", "a.wav"};
    CAnalyzeOptions f;
    ASSERT_TRUE(ParseAnalyzeOptions(4, fundamental, f, err)) << err;
    EXPECT_EQ(f.nPitchMethod, PITCH_METHOD_FUNDAMENTAL);
    const char* bad[] = {"kalvo-analyze", "--method=yin", "a.wav"};
    CAnalyzeOptions b;
    EXPECT_FALSE(ParseAnalyzeOptions(3, bad, b, err));
    EXPECT_NE(err.find("--method"), std::string::npos);
}

TEST(AnalyzeOptionsTone, ToneTakesANoteOfTheTuningAndNothingToAnalyse) {
    CAnalyzeOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--tone", "E5", "--temperament", "meantone4", "--a5", "442", "--tone-shape",
                       "Soft", "--tone-volume=25"},
                      o, error))
        << error;
    double dHz = 0;
    ASSERT_TRUE(NoteFrequencyHz(o, "E5", dHz, error)) << error;
    EXPECT_EQ(o.dToneHz, dHz);
    EXPECT_NEAR(dHz, 442.0 * 1.5 * std::pow(80.0 / 81.0, 0.25) / 2, 1e-9);
    EXPECT_EQ(o.toneShape, ToneShape::Soft);
    EXPECT_EQ(o.dToneVolume, 0.25);

    const std::initializer_list<const char*> bad[] = {
        {"--tone", "A5", "a.wav"},
        {"--tone", "A5", "--live"},
        {"--tone", "A5", "--demo"},
        {"--tone", "A5", "--log-to-midi", "x.log"},
        {"--tone", "Q5"},
        {"--tone", "A5", "--tone-volume", "101"},
        {"--tone", "A5", "--tone-shape", "square"},
        {"--tone", "A5", "--tone-volume", "0"},
    };
    for (const auto& args : bad) {
        CAnalyzeOptions options;
        std::string message;
        EXPECT_FALSE(Parse(args, options, message)) << *args.begin();
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}
