#include "tools/AnalyzeOptions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

bool Parse(std::initializer_list<const char*> args, CAnalyzeOptions& options, std::string& error) {
    std::vector<const char*> argv{"kalvo-analyze"};
    argv.insert(argv.end(), args);
    return ParseAnalyzeOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

}  // namespace

TEST(AnalyzeOptions, ValuesInBothSpellingsReachTheOptions) {
    CAnalyzeOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--fft=4096", "--window", "GAUSSIAN", "--alpha=0.25", "--a5", "442",
                       "--transpose=3", "--all", "song.flac"},
                      o, error))
        << error;
    EXPECT_EQ(o.nFftSizeIndex, 0);
    EXPECT_EQ(o.nWindowType, WINDOW_GAUSSIAN);
    EXPECT_EQ(o.fAlpha, 0.25f);
    EXPECT_EQ(o.nA5, 442);
    EXPECT_EQ(o.nTransposition, 3);
    EXPECT_TRUE(o.bAllBlocks);
    EXPECT_EQ(o.format, OutputFormat::Log);
    EXPECT_EQ(o.strInput, "song.flac");

    // Limits are inside the range; "--" lets a file name start with a dash.
    CAnalyzeOptions limits;
    ASSERT_TRUE(Parse({"--a5", "380", "--transpose", "8", "--alpha", "1", "--tsv", "--", "-x.wav"},
                      limits, error))
        << error;
    EXPECT_EQ(limits.nA5, 380);
    EXPECT_EQ(limits.nTransposition, 8);
    EXPECT_EQ(limits.fAlpha, 1.0f);
    EXPECT_EQ(limits.format, OutputFormat::Tsv);
    EXPECT_EQ(limits.strInput, "-x.wav");

    // The defaults are the tuner's own.
    CAnalyzeOptions defaults;
    ASSERT_TRUE(Parse({"a.wav"}, defaults, error));
    EXPECT_EQ(defaults.nFftSizeIndex, 1);
    EXPECT_EQ(defaults.nWindowType, WINDOW_HANNING);
    EXPECT_EQ(defaults.nA5, 440);
    EXPECT_EQ(defaults.nTransposition, 0);
}

TEST(AnalyzeOptions, WindowNamesAreTheDialogsInAnyCase) {
    for (int type = 0; type < WINDOW_TYPE_COUNT; ++type) {
        std::string name = WindowTypeText(type);
        EXPECT_EQ(ParseWindowName(name), type) << name;
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(ParseWindowName(name), type) << name;
    }
    EXPECT_EQ(ParseWindowName("blackman"), WINDOW_BLACKMAN);
    EXPECT_EQ(ParseWindowName("Blackmann"), WINDOW_BLACKMAN);
    EXPECT_EQ(ParseWindowName("hann"), -1);
    EXPECT_EQ(ParseWindowName(""), -1);
}

TEST(AnalyzeOptions, BadValuesAreRefusedWithOneLine) {
    const std::initializer_list<const char*> bad[] = {
        {"--a5", "379", "a.wav"},     {"--a5", "481", "a.wav"},      {"--a5", "440.0", "a.wav"},
        {"--a5", "", "a.wav"},        {"--a5", "44x", "a.wav"},      {"--transpose", "9", "a.wav"},
        {"--transpose", "-1", "a.wav"}, {"--fft", "2048", "a.wav"},  {"--fft", "8192.5", "a.wav"},
        {"--alpha", "1.01", "a.wav"}, {"--alpha", "-0.1", "a.wav"},  {"--alpha", "inf", "a.wav"},
        {"--alpha", "0,5", "a.wav"},  {"--window", "hann", "a.wav"}, {"a.wav", "--a5"},
        {"--all=yes", "a.wav"},       {"--loud", "a.wav"},           {"-q", "a.wav"},
        {},                           {"a.wav", "b.wav"},
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
    // Help and version need no file.
    CAnalyzeOptions o;
    std::string error;
    EXPECT_TRUE(Parse({"--help"}, o, error));
    EXPECT_TRUE(o.bHelp);
    EXPECT_TRUE(Parse({"--version"}, o, error));
    EXPECT_TRUE(o.bVersion);
}
