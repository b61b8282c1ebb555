// SPDX-License-Identifier: GPL-3.0-or-later
// kvmidi: turns Kalvo's session-log entry lines into a Standard MIDI File.
//
// Lines come one at a time while recording (RecordMidiEvent) or as a whole
// log file (LogToMidi). Both are parsed into the same list of readings, and
// the notes are made from that list when the file is written, with the
// settings as they are at that moment, so one file follows one set of
// settings even when the dialog is confirmed in the middle of a recording.
//
// A note's key comes from the note column (the closest note after the A5
// reference and the transposition, as the tuner showed it; the system's A5 is
// MIDI key 69) and its pitch from that and the cents column. The frequency
// column is checked but not used; "--" in the note column is no note.
//
// How the settings steer the notes:
//   m_nTempo       tempo of the file (20 ... 255 bpm, else 100); the time
//                  prefixes are converted to ticks at that tempo, so the
//                  notes keep their real timing at any tempo.
//   m_nAccidentals, m_nSharpFlat, m_nMajorMinor
//                  the key signature: 0 ... 7 sharps or flats, major or minor.
//   m_nInstrument  the program change at the start (0 ... 127, else 0).
//   m_ndB          a reading quieter than this ends the note and starts none.
//   m_chLow        a reading below this note ("E3", "C4#"; unreadable text
//                  means no limit) ends the note and starts none.
//   m_nDeltaCents  a new note starts when the closest note changes, or when
//                  the pitch has moved by at least this many cents from where
//                  the sounding note began (1 ... 1200, else 25).
//   m_nPitch       1: notes are the closest notes. 0: each note also gets a
//                  pitch bend of its cents (bend range 2 semitones, set with
//                  the registered-parameter messages at the start).
//   m_nFileFormat  not set by the program: 1 (default) writes a tempo track
//                  and a note track, 0 a single track.
// A note ends at the next note, at any INFO line (no signal, end of log, a
// change of A5 or transposition), at a quiet or too low reading, or at the
// end. The velocity follows the level: 127 at 0 dB, 2 less per dB, at least 1.
//
// Results: StartMidiRecord 1; RecordMidiEvent 1 for a line taken, 0 for a
// line that is not an entry (skipped); StopMidiRecord and LogToMidi the number
// of notes written. Negative values are failures (see the Result codes).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "KalvoPlugins.h"

int m_nAccidentals = 0;
int m_nSharpFlat = 0;
int m_nMajorMinor = 0;
int m_nInstrument = 0;
int m_nTempo = 100;
int m_nDeltaCents = 25;
int m_ndB = -40;
int m_nPitch = 1;
// The note the settings dialog offers at every opening.
char m_chLow[4] = {'E', '3', '\0', '\0'};
int m_nFileFormat = 1;

namespace {

enum Result {
    RESULT_BAD_ARGUMENT = -1,  // null or empty name, or not recording
    RESULT_NOT_A_LOG = -2,     // the file holds no entry line
    RESULT_CANNOT_READ = -3,
    RESULT_CANNOT_WRITE = -4,
    RESULT_TOO_LARGE = -5,  // out of memory or beyond what one file can hold
    RESULT_SAME_FILE = -6,  // the MIDI file would replace the log itself
};

// One parsed entry line.
struct Entry {
    enum Kind : uint8_t { READING, INFO, NO_NOTE };
    uint64_t nMs;  // time prefix in milliseconds
    Kind kind;
    int8_t nNote;  // 0 = C2 ... 84 = C9 for readings
    int16_t nCents;
    int16_t nLevelDb;
};

constexpr size_t MAX_LINE = 255;
// 20 million entries are more than 400 hours of readings.
constexpr size_t MAX_ENTRIES = 20'000'000;
constexpr int NOTE_COUNT = 85;
// Note 0, the system's C2 at 32.7 Hz, is MIDI key 24.
constexpr int MIDI_KEY_OF_C2 = 24;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// "C4", "C4#" (the system's form); "C#4", "Db4" and lower case are taken too.
// Returns the note index, or -1.
int ParseNoteName(const char* p, size_t n) {
    static const int SEMITONES[7] = {9, 11, 0, 2, 4, 5, 7};  // A ... G
    if (n < 2 || n > 3) return -1;
    char letter = p[0];
    if (letter >= 'a' && letter <= 'g') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'G') return -1;
    int nSemitone = SEMITONES[letter - 'A'];
    size_t i = 1;
    auto accidental = [&](char c) {
        if (c == '#') return 1;
        if (c == 'b') return -1;
        return 0;
    };
    int nShift = 0;
    if (n == 3 && !IsDigit(p[1])) {
        nShift = accidental(p[1]);
        if (nShift == 0) return -1;
        i = 2;
    }
    if (!IsDigit(p[i])) return -1;
    const int nOctave = p[i] - '0';
    ++i;
    if (i < n) {
        if (nShift != 0) return -1;
        nShift = accidental(p[i]);
        if (nShift == 0) return -1;
    }
    const int nIndex = (nOctave - 2) * 12 + nSemitone + nShift;
    return nIndex >= 0 && nIndex < NOTE_COUNT ? nIndex : -1;
}

// Reads a whole decimal number of at most nMaxDigits digits.
bool ReadNumber(const char*& p, int nMaxDigits, uint64_t& nValue) {
    nValue = 0;
    int nDigits = 0;
    while (IsDigit(*p)) {
        if (++nDigits > nMaxDigits) return false;
        nValue = nValue * 10 + static_cast<uint64_t>(*p - '0');
        ++p;
    }
    return nDigits > 0;
}

bool ReadTwoDigits(const char*& p, uint64_t nLimit, uint64_t& nValue) {
    if (!IsDigit(p[0]) || !IsDigit(p[1])) return false;
    nValue = static_cast<uint64_t>((p[0] - '0') * 10 + (p[1] - '0'));
    p += 2;
    return nValue <= nLimit;
}

bool ReadSigned(const char*& p, long nMin, long nMax, long& nValue) {
    char* pEnd = nullptr;
    errno = 0;
    nValue = std::strtol(p, &pEnd, 10);
    if (pEnd == p || errno != 0 || nValue < nMin || nValue > nMax) return false;
    p = pEnd;
    return true;
}

// One line: "hh:mm:ss:cc |" then a reading line or an INFO text, with or
// without its line end. False for anything else (header lines, garbage).
bool ParseEntry(const char* pLine, size_t nLength, Entry& entry) {
    // A bounded, terminated copy: lines may come from any file, and the
    // parsing below relies on the terminating NUL.
    char text[MAX_LINE + 1];
    if (nLength > MAX_LINE) nLength = MAX_LINE;
    std::memcpy(text, pLine, nLength);
    text[nLength] = '\0';
    const char* p = text;

    uint64_t nHours, nMinutes, nSeconds, nHundredths;
    if (!ReadNumber(p, 7, nHours) || *p++ != ':') return false;
    if (!ReadTwoDigits(p, 59, nMinutes) || *p++ != ':') return false;
    if (!ReadTwoDigits(p, 59, nSeconds) || *p++ != ':') return false;
    if (!ReadTwoDigits(p, 99, nHundredths)) return false;
    p = SkipBlanks(p);
    if (*p++ != '|') return false;
    entry.nMs = ((nHours * 60 + nMinutes) * 60 + nSeconds) * 1000 + nHundredths * 10;
    entry.nNote = 0;
    entry.nCents = 0;
    entry.nLevelDb = 0;

    p = SkipBlanks(p);
    if (std::strncmp(p, "INFO>", 5) == 0) {
        entry.kind = Entry::INFO;
        return true;
    }

    // " %6.1f Hz |    %s   |   %+03d    |  %-2d"
    char* pEnd = nullptr;
    const double dFrequency = std::strtod(p, &pEnd);
    if (pEnd == p || !std::isfinite(dFrequency) || dFrequency < 0.0) return false;
    p = SkipBlanks(pEnd);
    if (std::strncmp(p, "Hz", 2) != 0) return false;
    p = SkipBlanks(p + 2);
    if (*p++ != '|') return false;
    p = SkipBlanks(p);
    const char* pName = p;
    while (*p && *p != ' ' && *p != '|') ++p;
    const size_t nNameLength = static_cast<size_t>(p - pName);
    p = SkipBlanks(p);
    if (*p++ != '|') return false;
    p = SkipBlanks(p);
    long nCents, nLevel;
    if (!ReadSigned(p, -9999, 9999, nCents)) return false;
    p = SkipBlanks(p);
    if (*p++ != '|') return false;
    p = SkipBlanks(p);
    if (!ReadSigned(p, -999, 999, nLevel)) return false;
    p = SkipBlanks(p);
    if (*p == '\r') ++p;
    if (*p == '\n') ++p;
    if (*p != '\0') return false;

    entry.nCents = static_cast<int16_t>(nCents);
    entry.nLevelDb = static_cast<int16_t>(nLevel);
    // A frequency above the note table prints "--": a reading without a note.
    if (nNameLength == 2 && pName[0] == '-' && pName[1] == '-') {
        entry.kind = Entry::NO_NOTE;
        return true;
    }
    const int nNote = ParseNoteName(pName, nNameLength);
    if (nNote < 0) return false;
    entry.kind = Entry::READING;
    entry.nNote = static_cast<int8_t>(nNote);
    return true;
}

// ---------------------------------------------------------------------------
// Settings, read once per file.

struct Settings {
    int nAccidentals, nFlat, nMinor, nProgram, nTempo, nDeltaCents, nMinDb, nLowestNote;
    bool bKeepPitch, bFormat0;
};

int Clamp(int n, int nMin, int nMax) {
    return n < nMin ? nMin : (n > nMax ? nMax : n);
}

Settings ReadSettings() {
    Settings s;
    s.nAccidentals = Clamp(m_nAccidentals, 0, 7);
    s.nFlat = m_nSharpFlat != 0;
    s.nMinor = m_nMajorMinor != 0;
    s.nProgram = m_nInstrument >= 0 && m_nInstrument <= 127 ? m_nInstrument : 0;
    s.nTempo = m_nTempo >= 20 && m_nTempo <= 255 ? m_nTempo : 100;
    s.nDeltaCents = m_nDeltaCents >= 1 && m_nDeltaCents <= 1200 ? m_nDeltaCents : 25;
    s.nMinDb = Clamp(m_ndB, -999, 0);
    // m_chLow may lack its NUL: look at its 4 bytes only.
    size_t n = 0;
    while (n < sizeof m_chLow && m_chLow[n] != '\0') ++n;
    const int nLow = ParseNoteName(m_chLow, n);
    s.nLowestNote = nLow < 0 ? 0 : nLow;
    s.bKeepPitch = m_nPitch == 0;
    s.bFormat0 = m_nFileFormat == 0;
    return s;
}

// ---------------------------------------------------------------------------
// The Standard MIDI File.

constexpr unsigned TICKS_PER_QUARTER = 480;
// The largest delta time a variable-length quantity holds; later times are
// put at that tick (more than a day and a half at any tempo).
constexpr uint64_t MAX_TICK = 0x0FFFFFFF;
constexpr int BEND_RANGE_CENTS = 200;

class CTrack {
public:
    std::vector<uint8_t> m_bytes;

    void Delta(uint64_t nTick) {
        if (nTick < m_nLastTick) nTick = m_nLastTick;
        uint32_t nDelta = static_cast<uint32_t>(nTick - m_nLastTick);
        m_nLastTick = nTick;
        uint8_t buffer[4];
        int n = 0;
        buffer[n++] = nDelta & 0x7F;
        while ((nDelta >>= 7) != 0) buffer[n++] = static_cast<uint8_t>(0x80 | (nDelta & 0x7F));
        while (n > 0) m_bytes.push_back(buffer[--n]);
    }
    // A channel message, with running status where the status repeats.
    void Channel(uint64_t nTick, uint8_t status, uint8_t data1, int data2 = -1) {
        Delta(nTick);
        if (status != m_runningStatus) m_bytes.push_back(status);
        m_runningStatus = status;
        m_bytes.push_back(data1 & 0x7F);
        if (data2 >= 0) m_bytes.push_back(static_cast<uint8_t>(data2 & 0x7F));
    }
    void Meta(uint64_t nTick, uint8_t type, std::initializer_list<uint8_t> data) {
        Delta(nTick);
        m_bytes.push_back(0xFF);
        m_bytes.push_back(type);
        m_bytes.push_back(static_cast<uint8_t>(data.size()));
        m_bytes.insert(m_bytes.end(), data.begin(), data.end());
        m_runningStatus = 0;  // a meta event cancels running status
    }
    void TrackName(const char* psz) {
        Delta(0);
        const size_t n = std::strlen(psz);
        m_bytes.push_back(0xFF);
        m_bytes.push_back(0x03);
        m_bytes.push_back(static_cast<uint8_t>(n));
        m_bytes.insert(m_bytes.end(), psz, psz + n);
        m_runningStatus = 0;
    }
    void End(uint64_t nTick) { Meta(nTick, 0x2F, {}); }
    uint64_t LastTick() const { return m_nLastTick; }

private:
    uint64_t m_nLastTick = 0;
    uint8_t m_runningStatus = 0;
};

void PutBigEndian(std::vector<uint8_t>& out, uint32_t n, int nBytes) {
    for (int i = nBytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(n >> (8 * i)));
}

void PutChunk(std::vector<uint8_t>& out, const char* pszType, const std::vector<uint8_t>& body) {
    out.insert(out.end(), pszType, pszType + 4);
    PutBigEndian(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

void PutConductor(CTrack& track, const Settings& s) {
    const uint32_t nMicroseconds = 60'000'000u / static_cast<uint32_t>(s.nTempo);
    track.Meta(0, 0x58, {4, 2, 24, 8});  // 4/4
    track.Meta(0, 0x51,
               {static_cast<uint8_t>(nMicroseconds >> 16), static_cast<uint8_t>(nMicroseconds >> 8),
                static_cast<uint8_t>(nMicroseconds)});
    const int nSharpsFlats = s.nFlat ? -s.nAccidentals : s.nAccidentals;
    track.Meta(
        0, 0x59,
        {static_cast<uint8_t>(static_cast<int8_t>(nSharpsFlats)), static_cast<uint8_t>(s.nMinor)});
}

// Makes the notes of the entries; returns how many note-ons there are, and
// in nEndTick the time of the last entry, where the tracks end.
int PutNotes(CTrack& track, const std::vector<Entry>& entries, const Settings& s,
             uint64_t& nEndTick) {
    constexpr uint8_t NOTE_ON = 0x90, CONTROL = 0xB0, PROGRAM = 0xC0, BEND = 0xE0;
    track.Channel(0, PROGRAM, static_cast<uint8_t>(s.nProgram));
    if (s.bKeepPitch) {
        // Bend range: registered parameter 0 = 2 semitones, then the null
        // parameter so that later data entries change nothing.
        track.Channel(0, CONTROL, 101, 0);
        track.Channel(0, CONTROL, 100, 0);
        track.Channel(0, CONTROL, 6, BEND_RANGE_CENTS / 100);
        track.Channel(0, CONTROL, 38, 0);
        track.Channel(0, CONTROL, 101, 127);
        track.Channel(0, CONTROL, 100, 127);
    }
    const uint64_t nTempo = static_cast<uint64_t>(s.nTempo);
    auto tickOf = [&](uint64_t nMs) {
        // ms * bpm * 480 / 60000, rounded; hours are at most 7 digits, so no overflow.
        const uint64_t nTick = (nMs * nTempo * TICKS_PER_QUARTER + 30000) / 60000;
        return nTick > MAX_TICK ? MAX_TICK : nTick;
    };

    int nNotes = 0;
    bool bSounding = false;
    int nKey = 0, nStartPitch = 0, nBend = 8192;
    uint64_t nTick = 0;
    for (const Entry& e : entries) {
        nTick = tickOf(e.nMs);
        const bool bPlayable =
            e.kind == Entry::READING && e.nLevelDb >= s.nMinDb && e.nNote >= s.nLowestNote;
        if (!bPlayable) {
            if (bSounding) track.Channel(nTick, NOTE_ON, static_cast<uint8_t>(nKey), 0);
            bSounding = false;
            continue;
        }
        const int nNewKey = MIDI_KEY_OF_C2 + e.nNote;
        const int nPitch = nNewKey * 100 + e.nCents;
        if (bSounding) {
            const int nMove = nPitch > nStartPitch ? nPitch - nStartPitch : nStartPitch - nPitch;
            if (nNewKey == nKey && nMove < s.nDeltaCents) continue;
            track.Channel(nTick, NOTE_ON, static_cast<uint8_t>(nKey), 0);
        }
        if (s.bKeepPitch) {
            const int nCents = Clamp(e.nCents, -BEND_RANGE_CENTS, BEND_RANGE_CENTS);
            const int nNewBend = Clamp(8192 + nCents * 8192 / BEND_RANGE_CENTS, 0, 16383);
            if (nNewBend != nBend)
                track.Channel(nTick, BEND, static_cast<uint8_t>(nNewBend & 0x7F), nNewBend >> 7);
            nBend = nNewBend;
        }
        const int nVelocity = Clamp(127 + 2 * e.nLevelDb, 1, 127);
        track.Channel(nTick, NOTE_ON, static_cast<uint8_t>(nNewKey), nVelocity);
        bSounding = true;
        nKey = nNewKey;
        nStartPitch = nPitch;
        ++nNotes;
    }
    if (bSounding) track.Channel(nTick, NOTE_ON, static_cast<uint8_t>(nKey), 0);
    nEndTick = nTick;
    return nNotes;
}

// The whole file in memory; false when it would exceed what a chunk holds.
bool BuildFile(const std::vector<Entry>& entries, std::vector<uint8_t>& file, int& nNotes) {
    const Settings s = ReadSettings();
    CTrack conductor, notes;
    conductor.TrackName("Kalvo");
    PutConductor(conductor, s);
    CTrack& noteTrack = s.bFormat0 ? conductor : notes;
    uint64_t nEndTick = 0;
    nNotes = PutNotes(noteTrack, entries, s, nEndTick);
    // Both tracks last as long as the recording, silence at the end included.
    conductor.End(nEndTick);
    if (!s.bFormat0) notes.End(nEndTick);
    if (conductor.m_bytes.size() > 0x7FFFFFFF || notes.m_bytes.size() > 0x7FFFFFFF) return false;

    file.clear();
    std::vector<uint8_t> header;
    PutBigEndian(header, s.bFormat0 ? 0 : 1, 2);
    PutBigEndian(header, s.bFormat0 ? 1 : 2, 2);
    PutBigEndian(header, TICKS_PER_QUARTER, 2);
    PutChunk(file, "MThd", header);
    PutChunk(file, "MTrk", conductor.m_bytes);
    if (!s.bFormat0) PutChunk(file, "MTrk", notes.m_bytes);
    return true;
}

// Every step checked; a file that could not be written whole is removed
// rather than left looking like a MIDI file, when bRemove allows it.
int WriteStream(FILE* pFile, const char* pszName, const std::vector<uint8_t>& bytes, bool bRemove) {
    bool bOk = std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    bOk = std::fflush(pFile) == 0 && bOk;
    int nError = errno;
    bOk = std::fclose(pFile) == 0 && bOk;
    if (!bOk) {
        if (errno != 0) nError = errno;
        if (bRemove) std::remove(pszName);
        errno = nError;  // for the caller's message
        return RESULT_CANNOT_WRITE;
    }
    return 0;
}

// The recording's file, reserved empty by the program under this name.
int WriteFile(const char* pszName, const std::vector<uint8_t>& bytes) {
    FILE* pFile = std::fopen(pszName, "wb");
    if (!pFile) return RESULT_CANNOT_WRITE;
    // Only a plain file is removed after a failure, never a device.
    struct stat info;
    const bool bRegular = fstat(fileno(pFile), &info) == 0 && S_ISREG(info.st_mode);
    return WriteStream(pFile, pszName, bytes, bRegular);
}

// strPath with "-<n>" before the extension of its last component: the rule
// of the program's recording names.
std::string Suffixed(const std::string& strPath, int nSuffix) {
    if (nSuffix < 2) return strPath;
    const size_t nSlash = strPath.rfind('/');
    const size_t nBase = nSlash == std::string::npos ? 0 : nSlash + 1;
    size_t nDot = strPath.rfind('.');
    if (nDot == std::string::npos || nDot <= nBase) nDot = strPath.size();
    return strPath.substr(0, nDot) + "-" + std::to_string(nSuffix) + strPath.substr(nDot);
}

// A conversion's file: the first free name of NAME.mid, NAME-2.mid, ...,
// created exclusively, so that no file (a live recording's among them) is
// ever replaced; a failure removes only the file made here.
int WriteNewFile(const std::string& strPath, const std::vector<uint8_t>& bytes) {
    for (int nSuffix = 1; nSuffix <= 100000; ++nSuffix) {
        const std::string strName = Suffixed(strPath, nSuffix);
        const int fd = open(strName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return RESULT_CANNOT_WRITE;
        }
        FILE* pFile = fdopen(fd, "wb");
        if (!pFile) {
            const int nError = errno;
            close(fd);
            unlink(strName.c_str());
            errno = nError;
            return RESULT_CANNOT_WRITE;
        }
        return WriteStream(pFile, strName.c_str(), bytes, true);
    }
    errno = EEXIST;
    return RESULT_CANNOT_WRITE;
}

int MakeMidiFile(const std::vector<Entry>& entries, const char* pszName, bool bNewFile = false) {
    try {
        std::vector<uint8_t> file;
        int nNotes = 0;
        if (!BuildFile(entries, file, nNotes)) return RESULT_TOO_LARGE;
        const int nResult = bNewFile ? WriteNewFile(pszName, file) : WriteFile(pszName, file);
        return nResult < 0 ? nResult : nNotes;
    } catch (const std::bad_alloc&) {
        return RESULT_TOO_LARGE;
    }
}

// Adds one line; false only when the list is full.
bool AddLine(std::vector<Entry>& entries, const char* pLine, size_t nLength, bool& bTaken) {
    Entry entry;
    bTaken = ParseEntry(pLine, nLength, entry);
    if (!bTaken) return true;
    if (entries.size() >= MAX_ENTRIES) return false;
    // Time never runs backwards inside one file.
    if (!entries.empty() && entry.nMs < entries.back().nMs) entry.nMs = entries.back().nMs;
    entries.push_back(entry);
    return true;
}

// The recording between StartMidiRecord and a successful StopMidiRecord.
std::mutex g_mutex;
bool g_bRecording = false;
std::vector<Entry> g_entries;

}  // namespace

unsigned int GetNumber(void) {
    return KVMIDI_INTERFACE_NUMBER;
}

int StartMidiRecord(void) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_entries.clear();
    // Room for an hour of readings, so that the capture thread's calls
    // seldom allocate.
    try {
        g_entries.reserve(1 << 16);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    g_bRecording = true;
    return 1;
}

int RecordMidiEvent(char* pszLine) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_bRecording || !pszLine) return RESULT_BAD_ARGUMENT;
    // Longer lines are no entries; looking no further than that keeps the
    // read inside any sensible buffer.
    const size_t nLength = strnlen(pszLine, MAX_LINE + 1);
    bool bTaken = false;
    try {
        if (!AddLine(g_entries, pszLine, nLength, bTaken)) return RESULT_TOO_LARGE;
    } catch (const std::bad_alloc&) {
        return RESULT_TOO_LARGE;
    }
    return bTaken ? 1 : 0;
}

int StopMidiRecord(char* pszFileName) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_bRecording || !pszFileName || !*pszFileName) return RESULT_BAD_ARGUMENT;
    const int nResult = MakeMidiFile(g_entries, pszFileName);
    // After a failure the recording stays as it is, so that asking again
    // (after the end line has come a second time) can still write it.
    if (nResult >= 0) {
        g_bRecording = false;
        std::vector<Entry>().swap(g_entries);
    }
    return nResult;
}

int LogToMidi(char* pszLogPath) {
    if (!pszLogPath || !*pszLogPath) return RESULT_BAD_ARGUMENT;
    // The MIDI file: the log's name with ".mid" in place of its extension,
    // or with "-2", "-3", ... before it when that name is taken.
    std::string strOut(pszLogPath);
    const size_t nSlash = strOut.rfind('/');
    const size_t nBase = nSlash == std::string::npos ? 0 : nSlash + 1;
    const size_t nDot = strOut.rfind('.');
    if (nDot != std::string::npos && nDot > nBase) strOut.erase(nDot);
    if (strOut.size() == nBase) return RESULT_BAD_ARGUMENT;  // a directory
    strOut += ".mid";

    FILE* pFile = std::fopen(pszLogPath, "rb");
    if (!pFile) return RESULT_CANNOT_READ;
    // Only plain files: a device such as /dev/zero would never end.
    struct stat in, out;
    if (fstat(fileno(pFile), &in) != 0 || !S_ISREG(in.st_mode)) {
        std::fclose(pFile);
        return RESULT_CANNOT_READ;
    }
    if (stat(strOut.c_str(), &out) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino) {
        std::fclose(pFile);
        return RESULT_SAME_FILE;
    }

    std::vector<Entry> entries;
    bool bOk = true, bAnyEntry = false;
    try {
        // Lines of any length and content: only the first MAX_LINE bytes of
        // each line are looked at.
        std::string line;
        char buffer[65536];
        size_t nRead;
        bool bTaken = false;
        while (bOk && (nRead = std::fread(buffer, 1, sizeof buffer, pFile)) > 0) {
            for (size_t i = 0; i < nRead && bOk; ++i) {
                if (buffer[i] == '\n') {
                    bOk = AddLine(entries, line.data(), line.size(), bTaken);
                    bAnyEntry = bAnyEntry || bTaken;
                    line.clear();
                } else if (line.size() <= MAX_LINE) {
                    line.push_back(buffer[i]);
                }
            }
        }
        if (bOk && !line.empty()) {
            bOk = AddLine(entries, line.data(), line.size(), bTaken);
            bAnyEntry = bAnyEntry || bTaken;
        }
    } catch (const std::bad_alloc&) {
        bOk = false;
    }
    const bool bReadError = std::ferror(pFile) != 0;
    std::fclose(pFile);
    if (!bOk) return RESULT_TOO_LARGE;
    if (bReadError) return RESULT_CANNOT_READ;
    // Nothing here was written by Kalvo: leave no MIDI file beside it.
    if (!bAnyEntry) return RESULT_NOT_A_LOG;
    return MakeMidiFile(entries, strOut.c_str(), true);
}
