// SPDX-License-Identifier: GPL-3.0-or-later
#include <sndfile.h>
#include <sys/mman.h>

#include "RecordingTestSupport.h"
#include "recording/WaveRecorder.h"

using namespace recording_test;

namespace {

constexpr unsigned BLOCK_BYTES = 5332;  // one notification block: 1333 stereo frames

uint32_t Le32(const std::string& s, size_t n) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[n + i]);
    return v;
}
uint16_t Le16(const std::string& s, size_t n) {
    return static_cast<uint16_t>(static_cast<unsigned char>(s[n]) |
                                 (static_cast<unsigned char>(s[n + 1]) << 8));
}

// Checks the 44-byte header field by field and that the file is exactly the
// header plus the expected data. "" when it is, else what differs. (Plain
// checks, as they also run in a child process.)
std::string CheckWaveFile(const std::string& strFile, const std::vector<int16_t>& samples) {
    const uint32_t nData = static_cast<uint32_t>(samples.size() * 2);
    if (strFile.size() != 44u + nData)
        return "file has " + std::to_string(strFile.size()) + " bytes, not " +
               std::to_string(44u + nData);
    struct {
        const char* pszField;
        uint32_t nValue, nExpected;
    } const fields[] = {
        {"RIFF size", Le32(strFile, 4), 36 + nData},
        {"fmt size", Le32(strFile, 16), 16},
        {"format", Le16(strFile, 20), 1},
        {"channels", Le16(strFile, 22), 2},
        {"rate", Le32(strFile, 24), 16000},
        {"bytes per second", Le32(strFile, 28), 64000},
        {"frame bytes", Le16(strFile, 32), 4},
        {"bits", Le16(strFile, 34), 16},
        {"data size", Le32(strFile, 40), nData},
    };
    for (const auto& field : fields)
        if (field.nValue != field.nExpected)
            return std::string(field.pszField) + " is " + std::to_string(field.nValue) + ", not " +
                   std::to_string(field.nExpected);
    if (strFile.substr(0, 4) != "RIFF" || strFile.substr(8, 4) != "WAVE" ||
        strFile.substr(12, 4) != "fmt " || strFile.substr(36, 4) != "data")
        return "wrong chunk names";
    for (size_t i = 0; i < samples.size(); ++i)
        if (static_cast<int16_t>(Le16(strFile, 44 + 2 * i)) != samples[i])
            return "sample " + std::to_string(i) + " differs";
    return "";
}

// Opens the file with libsndfile, as a player would, and compares the frames.
std::string CheckReadableWave(const std::string& strName, const std::vector<int16_t>& samples) {
    SF_INFO info{};
    SNDFILE* pFile = sf_open(strName.c_str(), SFM_READ, &info);
    if (!pFile) return std::string("libsndfile: ") + sf_strerror(nullptr);
    std::string strFailure;
    std::vector<int16_t> read(samples.size() + 8);
    const sf_count_t nRead =
        sf_read_short(pFile, read.data(), static_cast<sf_count_t>(read.size()));
    read.resize(samples.size());
    if (info.format != (SF_FORMAT_WAV | SF_FORMAT_PCM_16) || info.channels != 2 ||
        info.samplerate != 16000)
        strFailure = "libsndfile reads another format";
    else if (info.frames != static_cast<sf_count_t>(samples.size() / 2))
        strFailure = "libsndfile reads " + std::to_string(info.frames) + " frames, not " +
                     std::to_string(samples.size() / 2);
    else if (nRead != static_cast<sf_count_t>(samples.size()) || read != samples)
        strFailure = "libsndfile reads other samples";
    sf_close(pFile);
    return strFailure;
}

void ExpectWaveFile(const std::string& strFile, const std::vector<int16_t>& samples) {
    EXPECT_EQ(CheckWaveFile(strFile, samples), "");
}
void ExpectReadableWave(const std::string& strName, const std::vector<int16_t>& samples) {
    EXPECT_EQ(CheckReadableWave(strName, samples), "");
}

// A block of a distinct stereo pattern, so misplaced or repeated blocks show.
std::vector<int16_t> MakeBlock(int nBlock, unsigned nBytes = BLOCK_BYTES) {
    std::vector<int16_t> block(nBytes / 2);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<int16_t>((i % 2 ? -1 : 1) * static_cast<int>(i * 7 + nBlock * 1000));
    return block;
}

class WaveRecorderTest : public RecordingDirTest {
protected:
    bool Write(CWaveRecorder& recorder, const std::vector<int16_t>& block) {
        const bool bOk = recorder.WriteBlock(block.data(), static_cast<unsigned>(block.size() * 2));
        if (bOk) m_samples.insert(m_samples.end(), block.begin(), block.end());
        return bOk;
    }

    CFakeSystem m_system;
    std::vector<int16_t> m_samples;  // everything written successfully
};

TEST_F(WaveRecorderTest, OnAndOffAtOnceLeavesAnEmptyWave) {
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    EXPECT_EQ(recorder.GetFileName(), "kalvo_20080303_140509.wav");
    ExpectWaveFile(ReadFile(recorder.GetFileName()), {});
    ASSERT_TRUE(recorder.Close());
    const std::string strFile = ReadFile(recorder.GetFileName());
    ExpectWaveFile(strFile, {});
    EXPECT_EQ(Le32(strFile, 4), 36u);
    ExpectReadableWave(recorder.GetFileName(), {});
}

TEST_F(WaveRecorderTest, HeaderAndDataAreCompleteAfterEveryBlock) {
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    for (int nBlock = 0; nBlock < 3; ++nBlock) {
        // Wake-ups that take one or two blocks at a time.
        ASSERT_TRUE(
            Write(recorder, MakeBlock(nBlock, nBlock == 2 ? 2 * BLOCK_BYTES : BLOCK_BYTES)));
        // Read while still recording.
        ExpectWaveFile(ReadFile(recorder.GetFileName()), m_samples);
        ExpectReadableWave(recorder.GetFileName(), m_samples);
        if (nBlock == 1) {
            const std::string strFile = ReadFile(recorder.GetFileName());
            EXPECT_EQ(Le32(strFile, 4), 10700u);
            EXPECT_EQ(Le32(strFile, 40), 10664u);
            EXPECT_EQ(strFile.size(), 10708u);
        }
    }
    EXPECT_EQ(recorder.GetDataBytes(), 4 * BLOCK_BYTES);
    ASSERT_TRUE(recorder.Close());
    ExpectWaveFile(ReadFile(recorder.GetFileName()), m_samples);
    ExpectReadableWave(recorder.GetFileName(), m_samples);
}

TEST_F(WaveRecorderTest, SameSecondRecordingsKeepBothFiles) {
    CWaveRecorder first(m_system), second(m_system);
    ASSERT_TRUE(first.Create());
    ASSERT_TRUE(first.WriteBlock(MakeBlock(1).data(), BLOCK_BYTES));
    ASSERT_TRUE(first.Close());
    ASSERT_TRUE(second.Create());
    ASSERT_TRUE(second.Close());
    EXPECT_EQ(second.GetFileName(), "kalvo_20080303_140509-2.wav");
    ExpectReadableWave(first.GetFileName(), MakeBlock(1));
    ExpectReadableWave(second.GetFileName(), {});
}

TEST_F(WaveRecorderTest, BlockPastTheSizeLimitIsRefusedAndTheFileKept) {
    // The limit scaled down: two blocks and 100 bytes.
    CWaveRecorder recorder(m_system, 2 * BLOCK_BYTES + 100);
    ASSERT_TRUE(recorder.Create());
    ASSERT_TRUE(Write(recorder, MakeBlock(0)));
    ASSERT_TRUE(Write(recorder, MakeBlock(1)));
    EXPECT_FALSE(Write(recorder, MakeBlock(2)));
    ExpectWaveFile(ReadFile(recorder.GetFileName()), m_samples);
    // Up to the limit exactly is still taken, one frame more is not.
    EXPECT_TRUE(Write(recorder, MakeBlock(3, 100)));
    EXPECT_FALSE(Write(recorder, MakeBlock(4, 4)));
    EXPECT_EQ(recorder.GetDataBytes(), 2 * BLOCK_BYTES + 100);
    ASSERT_TRUE(recorder.Close());
    ExpectWaveFile(ReadFile(recorder.GetFileName()), m_samples);
    ExpectReadableWave(recorder.GetFileName(), m_samples);
}

TEST_F(WaveRecorderTest, BlockThatWouldWrapTheCounterIsRefused) {
    MemoryFile file;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    ASSERT_TRUE(Write(recorder, MakeBlock(0, 400)));
    // 400 + this count wraps to 144 in 32 bits. The bytes are an unbacked
    // mapping and the stream has little room, so a wrong check fails the test
    // without using 4 GiB.
    constexpr unsigned HUGE_BLOCK = 0xFFFFFF00u;
    void* pHuge =
        mmap(nullptr, HUGE_BLOCK, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(pHuge, MAP_FAILED);
    file.nCapacity = file.strBytes.size() + 1000;
    const int nWrites = file.nWriteCalls;
    EXPECT_FALSE(recorder.WriteBlock(pHuge, HUGE_BLOCK));
    munmap(pHuge, HUGE_BLOCK);
    EXPECT_EQ(file.nWriteCalls, nWrites);
    EXPECT_EQ(recorder.GetDataBytes(), 400u);
    EXPECT_TRUE(recorder.Close());
}

TEST_F(WaveRecorderTest, FullDeviceFailsCreate) {
    m_system.fnOpen = [](const char* pszMode) { return std::fopen("/dev/full", pszMode); };
    CWaveRecorder recorder(m_system);
    EXPECT_FALSE(recorder.Create());
    EXPECT_FALSE(recorder.WriteBlock(MakeBlock(0).data(), BLOCK_BYTES));
    EXPECT_FALSE(recorder.Close());
}

TEST_F(WaveRecorderTest, FullFileSystemKeepsEveryBlockBeforeTheFailure) {
    CWaveRecorder recorder(m_system);
    {
        // Room for the header, two blocks and part of a third.
        FileSizeLimit limit(44 + 2 * BLOCK_BYTES + 1000);
        ASSERT_TRUE(limit.Ok());
        ASSERT_TRUE(recorder.Create());
        ASSERT_TRUE(Write(recorder, MakeBlock(0)));
        ASSERT_TRUE(Write(recorder, MakeBlock(1)));
        EXPECT_FALSE(Write(recorder, MakeBlock(2)));
        // The part of the block that got through is cut off again.
        ExpectWaveFile(ReadFile(recorder.GetFileName()), m_samples);
        // A smaller block fits and lands right after the data.
        EXPECT_TRUE(Write(recorder, MakeBlock(3, 400)));
        ExpectWaveFile(ReadFile(recorder.GetFileName()), m_samples);
        EXPECT_TRUE(recorder.Close());
    }
    ExpectReadableWave(recorder.GetFileName(), m_samples);
    EXPECT_FALSE(recorder.WriteBlock(MakeBlock(4).data(), BLOCK_BYTES));
}

TEST_F(WaveRecorderTest, BufferedBlockThatCannotBeFlushedIsAFailure) {
    MemoryFile file;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    ASSERT_TRUE(Write(recorder, MakeBlock(0, 400)));
    file.nCapacity = file.strBytes.size();  // the disk is full
    EXPECT_FALSE(Write(recorder, MakeBlock(1, 400)));
    EXPECT_EQ(recorder.GetDataBytes(), 400u);
    file.nCapacity = SIZE_MAX;  // room again: the failed block is not written later
    ASSERT_TRUE(Write(recorder, MakeBlock(2, 400)));
    EXPECT_TRUE(recorder.Close());
    ExpectWaveFile(file.strBytes, m_samples);
}

TEST_F(WaveRecorderTest, FailedHeaderSeekNeverLetsDataOverwriteTheHeader) {
    MemoryFile file;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    ASSERT_TRUE(Write(recorder, MakeBlock(0, 400)));
    // The seek to the data size field fails after the RIFF size was written,
    // which leaves the stream inside the header.
    file.nFailSeekTo = 40;
    const std::vector<int16_t> block = MakeBlock(1, 400);
    EXPECT_FALSE(recorder.WriteBlock(block.data(), 400));
    m_samples.insert(m_samples.end(), block.begin(), block.end());
    file.nFailSeekTo = -1;
    ASSERT_TRUE(Write(recorder, MakeBlock(2, 400)));
    ASSERT_TRUE(recorder.Close());
    // The block whose header update failed is in the file, after it the next one.
    ExpectWaveFile(file.strBytes, m_samples);
}

TEST_F(WaveRecorderTest, NoSeekAtAllIsAFailureNotASuccess) {
    MemoryFile file;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    file.bSeeksFail = true;
    EXPECT_FALSE(recorder.WriteBlock(MakeBlock(0, 400).data(), 400));
    EXPECT_FALSE(recorder.Close());
    EXPECT_EQ(file.nCloseCalls, 1);
}

TEST_F(WaveRecorderTest, FailedCloseReleasesTheStreamOnce) {
    MemoryFile file;
    file.bFailClose = true;
    m_system.fnOpen = [&](const char* pszMode) { return OpenMemoryFile(&file, pszMode); };
    CWaveRecorder recorder(m_system);
    ASSERT_TRUE(recorder.Create());
    ASSERT_TRUE(Write(recorder, MakeBlock(0, 400)));
    EXPECT_FALSE(recorder.Close());
    EXPECT_EQ(file.nCloseCalls, 1);
    const int nWrites = file.nWriteCalls, nSeeks = file.nSeekCalls;
    EXPECT_FALSE(recorder.WriteBlock(MakeBlock(1, 400).data(), 400));
    EXPECT_TRUE(recorder.Close());
    EXPECT_EQ(file.nWriteCalls, nWrites);
    EXPECT_EQ(file.nSeekCalls, nSeeks);
    EXPECT_EQ(file.nCloseCalls, 1);
    ExpectWaveFile(file.strBytes, m_samples);
}

TEST_F(WaveRecorderTest, FullDiskStopsTheRecordingWithAValidFile) {
    std::filesystem::create_directory(m_dir / "mnt");
    const auto failure = RunOnTinyFileSystem(m_dir / "mnt", 16384, []() -> std::string {
        CWaveRecorder recorder;
        if (!recorder.Create()) return std::string("Create failed");
        std::vector<int16_t> samples;
        bool bRefused = false;
        for (int nBlock = 0; nBlock < 10 && !bRefused; ++nBlock) {
            const std::vector<int16_t> block = MakeBlock(nBlock);
            bRefused = !recorder.WriteBlock(block.data(), BLOCK_BYTES);
            if (!bRefused) samples.insert(samples.end(), block.begin(), block.end());
        }
        if (!bRefused) return std::string("the disk never filled up");
        if (samples.empty()) return std::string("not even one block was written");
        const std::string strFile = ReadFile(recorder.GetFileName());
        std::string strFailure = CheckWaveFile(strFile, samples);
        if (strFailure.empty()) strFailure = CheckReadableWave(recorder.GetFileName(), samples);
        if (!strFailure.empty()) return "while recording: " + strFailure;
        if (!recorder.Close()) return std::string("Close failed");
        if (ReadFile(recorder.GetFileName()) != strFile)
            return std::string("Close changed the file");
        return std::string();
    });
    if (!failure) GTEST_SKIP() << "no file system can be mounted here";
    EXPECT_EQ(*failure, "");
}

}  // namespace
