// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "PluginTestSupport.h"
#include "SmfReader.h"
#include "plugins/PluginBinding.h"

namespace {

// System note indexes: C2 = 0, so C5 (MIDI 60, 261.6 Hz) is 36.
constexpr int C5 = 36;
constexpr int MIDI_KEY_C5 = 60;
const int SCALE[] = {0, 2, 4, 5, 7, 9, 11, 12};

std::string CrLf(std::string line) {
    return line.insert(line.size() - 1, "\r");
}

class MidiPlugin : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_plugin.Load({REAL_PLUGIN_DIR}, false).nStatus, PluginStatus::Loaded);
        ASSERT_FALSE(m_folder.Path().empty());
        // The settings dialog's defaults; the library may still hold another
        // test's values.
        *m_plugin.m_pnAccidentals = 0;
        *m_plugin.m_pnSharpFlat = 0;
        *m_plugin.m_pnMajorMinor = 0;
        *m_plugin.m_pnInstrument = 0;
        *m_plugin.m_pnTempo = 100;
        *m_plugin.m_pnDeltaCents = 25;
        *m_plugin.m_pndB = -40;
        *m_plugin.m_pnPitch = 1;
        std::snprintf(m_plugin.m_pchLow, 4, "E3");
        FileFormat() = 1;
    }
    // Not bound by the program; the tests reach it by its name.
    int& FileFormat() {
        CDynamicLibrary library;  // the binding keeps the library loaded
        library.Load(std::string(REAL_PLUGIN_DIR "/") + MIDI_PLUGIN_FILE);
        return *static_cast<int*>(library.GetProcAddress("m_nFileFormat"));
    }
    int Record(const std::vector<std::string>& lines) {
        if (m_plugin.m_pfnStartMidiRecord() == 0) return -100;
        for (std::string line : lines)
            if (m_plugin.m_pfnRecordMidiEvent(line.data()) < 0) return -101;
        return 0;
    }
    int Stop(const std::string& strPath) {
        std::string str = strPath;
        return m_plugin.m_pfnStopMidiRecord(str.data());
    }
    SmfFile RecordAndRead(const std::vector<std::string>& lines, int nExpectedNotes = -1) {
        SmfFile smf;
        std::string strError;
        EXPECT_EQ(Record(lines), 0);
        const std::string strPath = m_folder / "take.mid";
        const int nResult = Stop(strPath);
        EXPECT_GE(nResult, 0);
        if (nExpectedNotes >= 0) {
            EXPECT_EQ(nResult, nExpectedNotes);
        }
        EXPECT_TRUE(ReadSmfFile(strPath, smf, strError)) << strError;
        EXPECT_EQ(static_cast<int>(smf.notes.size()), nResult);
        return smf;
    }
    // The scale C5 ... C6, half a second per note, three readings each that
    // wobble by a few cents, then the end line.
    static std::vector<std::string> Scale(int nLevelDb = -6) {
        std::vector<std::string> lines;
        const int wobble[] = {3, -4, 5};
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 3; ++j)
                lines.push_back(
                    ReadingEntry(100 + 500 * i + 100 * j, C5 + SCALE[i], wobble[j], nLevelDb));
        lines.push_back(InfoEntry(4100, INFO_END_OF_LOGFILE));
        return lines;
    }
    static uint32_t Tick(uint32_t nMs, int nTempo) {
        return static_cast<uint32_t>(std::llround(nMs * nTempo * 480.0 / 60000.0));
    }
    CMidiPlugin m_plugin;
    CTempFolder m_folder;
};

TEST_F(MidiPlugin, AScaleBecomesItsNotesWithTempoKeyAndProgram) {
    *m_plugin.m_pnTempo = 120;
    *m_plugin.m_pnAccidentals = 3;
    *m_plugin.m_pnSharpFlat = 1;
    *m_plugin.m_pnMajorMinor = 1;
    *m_plugin.m_pnInstrument = 40;
    const SmfFile smf = RecordAndRead(Scale(), 8);
    EXPECT_EQ(smf.nFormat, 1);
    EXPECT_EQ(smf.nTracks, 2);
    EXPECT_EQ(smf.nDivision, 480);

    ASSERT_EQ(smf.meta(0x51).size(), 1u);  // tempo: 500000 us per quarter
    EXPECT_EQ(smf.events[smf.meta(0x51)[0]].data, (std::vector<uint8_t>{0x07, 0xA1, 0x20}));
    ASSERT_EQ(smf.meta(0x59).size(), 1u);  // three flats, minor
    EXPECT_EQ(smf.events[smf.meta(0x59)[0]].data, (std::vector<uint8_t>{0xFD, 0x01}));
    EXPECT_EQ(smf.meta(0x58).size(), 1u);
    bool bProgram = false;
    for (const SmfEvent& e : smf.events)
        if (e.status == 0xC0) bProgram = e.data == std::vector<uint8_t>{40} && e.nTick == 0;
    EXPECT_TRUE(bProgram);

    ASSERT_EQ(smf.notes.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        const SmfNote& note = smf.notes[i];
        EXPECT_EQ(note.nKey, MIDI_KEY_C5 + SCALE[i]) << i;
        EXPECT_EQ(note.nOn, Tick(100 + 500 * i, 120)) << i;
        // Each note lasts until the next one starts; the last until the end line.
        EXPECT_EQ(note.nOff, Tick(i < 7 ? 600 + 500 * i : 4100, 120)) << i;
        EXPECT_EQ(note.nVelocity, 115);  // 127 - 2 per dB below 0
        EXPECT_EQ(note.nBend, 8192);     // rounded: no bends
    }
    EXPECT_EQ(smf.nUnpairedOffs, 0);
    EXPECT_GT(smf.nRunningStatusUses, 0);
}

TEST_F(MidiPlugin, KeepingThePitchBendsEachNoteByItsCents) {
    *m_plugin.m_pnPitch = 0;
    std::vector<std::string> lines = {
        ReadingEntry(0, C5, 12, -3), ReadingEntry(300, C5 + 2, -20, -3),
        ReadingEntry(600, C5 + 4, 0, -3), ReadingEntry(900, C5 + 5, 45, -3),
        InfoEntry(1200, INFO_END_OF_LOGFILE)};
    const SmfFile smf = RecordAndRead(lines, 4);
    const int cents[] = {12, -20, 0, 45};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(smf.notes[i].nKey, MIDI_KEY_C5 + (i == 0 ? 0 : i == 1 ? 2 : i == 2 ? 4 : 5));
        // Bend range 2 semitones: 8192 steps per 200 cents.
        EXPECT_NEAR(smf.notes[i].nBend, 8192 + cents[i] * 8192.0 / 200.0, 1.0) << i;
    }
    // The bend range is set with registered parameter 0 before the first note.
    std::vector<std::pair<int, int>> controls;
    for (const SmfEvent& e : smf.events)
        if (e.status == 0xB0) controls.push_back({e.data[0], e.data[1]});
    const std::vector<std::pair<int, int>> rpn = {{101, 0}, {100, 0}, {6, 2}, {38, 0}};
    ASSERT_GE(controls.size(), rpn.size());
    controls.resize(rpn.size());
    EXPECT_EQ(controls, rpn);
}

TEST_F(MidiPlugin, PitchChangeLevelAndLowestNoteDecideTheNotes) {
    const int A5 = 45;
    // A held A5 whose pitch drifts 10 cents, then 25 cents from its start.
    const std::vector<std::string> drift = {
        ReadingEntry(0, A5, 0, -5), ReadingEntry(100, A5, 10, -5), ReadingEntry(200, A5, 25, -5),
        InfoEntry(300, INFO_END_OF_LOGFILE)};
    EXPECT_EQ(RecordAndRead(drift, 2).notes[1].nOn, Tick(200, 100));
    *m_plugin.m_pnDeltaCents = 50;
    EXPECT_EQ(RecordAndRead(drift, 1).notes[0].nOff, Tick(300, 100));
    *m_plugin.m_pnDeltaCents = 25;

    // Quieter than the minimum level: the note ends and none starts.
    *m_plugin.m_pndB = -20;
    SmfFile smf =
        RecordAndRead({ReadingEntry(0, A5, 0, -10), ReadingEntry(100, A5, 0, -30),
                       ReadingEntry(200, A5, 0, -20), InfoEntry(300, INFO_END_OF_LOGFILE)},
                      2);
    EXPECT_EQ(smf.notes[0].nOff, Tick(100, 100));
    EXPECT_EQ(smf.notes[1].nOn, Tick(200, 100));
    *m_plugin.m_pndB = -40;

    // Below the lowest note ("C4#" as typed in the dialog): no note.
    std::snprintf(m_plugin.m_pchLow, 4, "C4#");
    smf = RecordAndRead({ReadingEntry(0, 24, 0, -5), ReadingEntry(100, 25, 0, -5),
                         ReadingEntry(200, 24, 0, -5), InfoEntry(300, INFO_END_OF_LOGFILE)},
                        1);
    EXPECT_EQ(smf.notes[0].nKey, 24 + 25);
    EXPECT_EQ(smf.notes[0].nOff, Tick(200, 100));

    // An INFO line ends the note: silence between two notes of the same pitch.
    smf = RecordAndRead(
        {ReadingEntry(0, A5, 0, -5), InfoEntry(100, INFO_NO_SIGNAL), ReadingEntry(200, A5, 0, -5),
         InfoEntry(250, INFO_NO_SIGNAL), InfoEntry(300, INFO_END_OF_LOGFILE)},
        2);
    EXPECT_EQ(smf.notes[0].nOff, Tick(100, 100));
    EXPECT_EQ(smf.notes[1].nOff, Tick(250, 100));
    // The file lasts until the end line, also after a silence.
    for (int nTrack : {0, 1}) EXPECT_EQ(smf.events[smf.meta(0x2F)[nTrack]].nTick, Tick(300, 100));
}

TEST_F(MidiPlugin, FormatZeroHoldsEverythingInOneTrack) {
    FileFormat() = 0;
    const SmfFile smf = RecordAndRead(Scale(), 8);
    EXPECT_EQ(smf.nFormat, 0);
    EXPECT_EQ(smf.nTracks, 1);
    EXPECT_EQ(smf.meta(0x51).size(), 1u);
    EXPECT_EQ(smf.meta(0x2F).size(), 1u);
    EXPECT_EQ(smf.notes.back().nOff, Tick(4100, 100));
}

TEST_F(MidiPlugin, ALogFileGivesTheSameNotesAsTheRecording) {
    const std::vector<std::string> lines = Scale();
    const SmfFile recorded = RecordAndRead(lines, 8);

    // A session log as written to disk: header, start line, CR LF ends.
    const std::string strLog = m_folder / "kalvo_20080303_140509.log";
    {
        std::ofstream log(strLog, std::ios::binary);
        for (int i = 0; i < LOG_HEADER_LINES; ++i) log << LogHeaderLine(i, "2.3.2.1") << "\r\n";
        log << CrLf(InfoEntry(0, INFO_START_OF_LOGFILE));
        for (const std::string& line : lines) log << CrLf(line);
    }
    std::string strPath = strLog;
    EXPECT_EQ(m_plugin.m_pfnLogToMidi(strPath.data()), 8);
    SmfFile converted;
    std::string strError;
    ASSERT_TRUE(ReadSmfFile(m_folder / "kalvo_20080303_140509.mid", converted, strError))
        << strError;
    EXPECT_EQ(converted.notes, recorded.notes);

    // A name without an extension gets ".mid" added, even under a dotted folder.
    std::filesystem::create_directory(m_folder / "a.folder");
    std::filesystem::copy_file(strLog, m_folder / "a.folder/session");
    strPath = m_folder / "a.folder/session";
    EXPECT_EQ(m_plugin.m_pfnLogToMidi(strPath.data()), 8);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "a.folder/session.mid"));
}

TEST_F(MidiPlugin, FailuresAreNegativeAndAFailedWriteCanBeRetried) {
    std::string line = ReadingEntry(0, 45, 0, -5);
    EXPECT_LT(m_plugin.m_pfnRecordMidiEvent(line.data()), 0);  // not recording
    EXPECT_LT(Stop(m_folder / "x.mid"), 0);
    std::string strMissing = m_folder / "missing.log";
    EXPECT_LT(m_plugin.m_pfnLogToMidi(strMissing.data()), 0);
    EXPECT_LT(m_plugin.m_pfnLogToMidi(nullptr), 0);
    std::string strDevice = "/dev/zero";  // endless: refused, not read
    EXPECT_LT(m_plugin.m_pfnLogToMidi(strDevice.data()), 0);
    std::string strFolder = m_folder.Path();
    EXPECT_LT(m_plugin.m_pfnLogToMidi(strFolder.data()), 0);

    ASSERT_EQ(Record(Scale()), 0);
    EXPECT_LT(m_plugin.m_pfnRecordMidiEvent(nullptr), 0);
    EXPECT_LT(Stop(m_folder / "no/such/folder/take.mid"), 0);
    struct stat info;
    if (stat("/dev/full", &info) == 0) {
        // A full disk: the buffered write succeeds, the flush does not.
        EXPECT_LT(Stop("/dev/full"), 0);
        EXPECT_EQ(stat("/dev/full", &info), 0);  // and the device is not removed
    }
    // The recording is still there; the end line may come again.
    std::string end = InfoEntry(5000, INFO_END_OF_LOGFILE);
    EXPECT_GE(m_plugin.m_pfnRecordMidiEvent(end.data()), 0);
    EXPECT_EQ(Stop(m_folder / "take.mid"), 8);
    SmfFile smf;
    std::string strError;
    EXPECT_TRUE(ReadSmfFile(m_folder / "take.mid", smf, strError)) << strError;
    EXPECT_LT(Stop(m_folder / "again.mid"), 0);  // nothing left to write
}

TEST_F(MidiPlugin, ConvertingAMidiFileNeverReplacesIt) {
    ASSERT_EQ(Record(Scale()), 0);
    const std::string strMid = m_folder / "take.mid";
    ASSERT_EQ(Stop(strMid), 8);
    const auto nSize = std::filesystem::file_size(strMid);
    std::string strPath = strMid;
    EXPECT_LT(m_plugin.m_pfnLogToMidi(strPath.data()), 0);
    EXPECT_EQ(std::filesystem::file_size(strMid), nSize);
}

// Damaged and foreign input must neither crash nor produce a broken file.
TEST_F(MidiPlugin, GarbageLinesAreSkippedAndTheFileStaysValid) {
    std::mt19937 random(20080303);
    const std::vector<std::string> scale = Scale();
    const std::string alphabet = "0123456789:| .+-#HzINFOABCDEFG\r\n\t\x7f\x80\xff";
    ASSERT_NE(m_plugin.m_pfnStartMidiRecord(), 0);
    for (int i = 0; i < 20000; ++i) {
        std::string line = scale[random() % scale.size()];
        const int nEdits = static_cast<int>(random() % 4);
        for (int k = 0; k < nEdits && !line.empty(); ++k) {
            const size_t nAt = random() % line.size();
            switch (random() % 3) {
                case 0:
                    line[nAt] = alphabet[random() % alphabet.size()];
                    break;
                case 1:
                    line.erase(nAt, 1 + random() % 5);
                    break;
                default:
                    line.insert(nAt, 1 + random() % 3, alphabet[random() % alphabet.size()]);
            }
        }
        if (random() % 50 == 0)
            line = std::string(1 + random() % 2000, static_cast<char>(random()));
        EXPECT_GE(m_plugin.m_pfnRecordMidiEvent(line.data()), 0);
    }
    const std::string strPath = m_folder / "fuzz.mid";
    EXPECT_GE(Stop(strPath), 0);
    SmfFile smf;
    std::string strError;
    EXPECT_TRUE(ReadSmfFile(strPath, smf, strError)) << strError;
    EXPECT_EQ(smf.nUnpairedOffs, 0);
}

TEST_F(MidiPlugin, ForeignFilesAreRefusedOrConvertedValidly) {
    std::mt19937 random(4000);
    auto convert = [&](const std::string& strName, const std::string& strContent) {
        const std::string strPath = m_folder / strName;
        std::ofstream(strPath, std::ios::binary) << strContent;
        std::string str = strPath;
        const int nResult = m_plugin.m_pfnLogToMidi(str.data());
        const std::string strMid = strPath.substr(0, strPath.rfind('.')) + ".mid";
        if (nResult < 0) {
            EXPECT_FALSE(std::filesystem::exists(strMid)) << strName;
        } else {
            SmfFile smf;
            std::string strError;
            EXPECT_TRUE(ReadSmfFile(strMid, smf, strError)) << strName << ": " << strError;
        }
        return nResult;
    };
    // Text without a single entry line: refused, nothing written.
    EXPECT_LT(convert("notes.txt", "Dear diary,\nno tuner here.\n12:34 | 440 Hz\n"), 0);
    EXPECT_LT(convert("empty.log", ""), 0);
    // Binary garbage of many kinds, including NULs and endless lines.
    for (int i = 0; i < 40; ++i) {
        std::string bytes(random() % 100000, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        if (i % 4 == 0) bytes.assign(1 << 20, 'x');  // one line of 1 MB
        convert("garbage" + std::to_string(i) + ".bin", bytes);
    }
    // Entries among garbage lines: those are converted.
    std::string mixed;
    for (const std::string& line : Scale()) mixed += "\xff\xfe garbage\n" + line;
    EXPECT_EQ(convert("mixed2.log", mixed), 8);
}

}  // namespace
