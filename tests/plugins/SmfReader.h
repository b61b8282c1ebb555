// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small Standard MIDI File reader of the tests' own, written from the file
// format and sharing nothing with the plug-in, so that a fault in the writer
// cannot hide behind the same fault in the reader.
struct SmfNote {
    int nKey;
    int nVelocity;
    uint32_t nOn;  // absolute ticks
    uint32_t nOff;
    int nBend;  // pitch bend in force at the note-on (8192 = none)
    bool operator==(const SmfNote&) const = default;
};

struct SmfEvent {
    uint32_t nTick;
    int nTrack;
    uint8_t status;  // channel status with channel, or 0xFF for meta
    uint8_t type;    // meta type
    std::vector<uint8_t> data;
};

struct SmfFile {
    int nFormat = -1;
    int nTracks = 0;
    int nDivision = 0;
    std::vector<SmfEvent> events;  // all tracks, in file order
    std::vector<SmfNote> notes;    // note-ons paired with their note-offs, by note-on
    int nUnpairedOffs = 0;         // note-offs without a sounding note
    int nRunningStatusUses = 0;
    std::vector<int> meta(uint8_t type) const;  // index list into events
};

// Parses the whole file; false with the reason in strError when anything is
// out of place (chunk lengths, truncated events, a track not ending with End
// of Track, notes left sounding, ...).
bool ReadSmf(const std::vector<uint8_t>& bytes, SmfFile& smf, std::string& strError);
bool ReadSmfFile(const std::string& strPath, SmfFile& smf, std::string& strError);
