// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmfReader.h"

#include <cstdio>
#include <map>

std::vector<int> SmfFile::meta(uint8_t type) const {
    std::vector<int> found;
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i].status == 0xFF && events[i].type == type)
            found.push_back(static_cast<int>(i));
    return found;
}

namespace {

struct Cursor {
    const std::vector<uint8_t>& bytes;
    size_t nPos;
    size_t nEnd;
    bool Has(size_t n) const { return nPos + n <= nEnd; }
    uint32_t Big(int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | bytes[nPos++];
        return v;
    }
    bool Vlq(uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            if (!Has(1)) return false;
            const uint8_t b = bytes[nPos++];
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;  // more than four bytes
    }
};

int DataBytes(uint8_t status) {
    switch (status & 0xF0) {
        case 0xC0:
        case 0xD0:
            return 1;
        default:
            return 2;
    }
}

}  // namespace

bool ReadSmf(const std::vector<uint8_t>& bytes, SmfFile& smf, std::string& strError) {
    smf = SmfFile();
    Cursor c{bytes, 0, bytes.size()};
    if (!c.Has(14) || std::string(bytes.begin(), bytes.begin() + 4) != "MThd") {
        strError = "no MThd";
        return false;
    }
    c.nPos = 4;
    if (c.Big(4) != 6) {
        strError = "header length is not 6";
        return false;
    }
    smf.nFormat = static_cast<int>(c.Big(2));
    smf.nTracks = static_cast<int>(c.Big(2));
    smf.nDivision = static_cast<int>(c.Big(2));
    if (smf.nFormat > 2 || smf.nTracks < 1 || (smf.nFormat == 0 && smf.nTracks != 1) ||
        (smf.nDivision & 0x8000) || smf.nDivision == 0) {
        strError = "bad header values";
        return false;
    }

    struct Sounding {
        uint32_t nOn;
        int nVelocity;
        int nBend;
        size_t nIndex;
    };
    std::map<int, Sounding> sounding;  // by key (channel 0 only is used)
    std::vector<std::pair<size_t, SmfNote>> notes;
    int nBend = 8192;

    for (int nTrack = 0; nTrack < smf.nTracks; ++nTrack) {
        if (!c.Has(8) ||
            std::string(bytes.begin() + c.nPos, bytes.begin() + c.nPos + 4) != "MTrk") {
            strError = "missing MTrk " + std::to_string(nTrack);
            return false;
        }
        c.nPos += 4;
        const uint32_t nLength = c.Big(4);
        if (c.nPos + nLength > bytes.size()) {
            strError = "track length beyond the file";
            return false;
        }
        Cursor t{bytes, c.nPos, c.nPos + nLength};
        uint32_t nTick = 0;
        uint8_t running = 0;
        bool bEnded = false;
        while (t.nPos < t.nEnd) {
            if (bEnded) {
                strError = "events after End of Track";
                return false;
            }
            uint32_t nDelta;
            if (!t.Vlq(nDelta) || !t.Has(1)) {
                strError = "truncated delta";
                return false;
            }
            nTick += nDelta;
            SmfEvent e{nTick, nTrack, 0, 0, {}};
            uint8_t b = bytes[t.nPos];
            if (b == 0xFF) {
                t.nPos++;
                if (!t.Has(1)) return strError = "truncated meta", false;
                e.status = 0xFF;
                e.type = bytes[t.nPos++];
                uint32_t n;
                if (!t.Vlq(n) || !t.Has(n)) return strError = "truncated meta data", false;
                e.data.assign(bytes.begin() + t.nPos, bytes.begin() + t.nPos + n);
                t.nPos += n;
                running = 0;
                if (e.type == 0x2F) bEnded = true;
            } else if (b == 0xF0 || b == 0xF7) {
                t.nPos++;
                uint32_t n;
                if (!t.Vlq(n) || !t.Has(n)) return strError = "truncated sysex", false;
                e.status = b;
                t.nPos += n;
                running = 0;
            } else {
                if (b & 0x80) {
                    running = b;
                    t.nPos++;
                } else {
                    if (!running) return strError = "data byte without running status", false;
                    smf.nRunningStatusUses++;
                }
                e.status = running;
                const int n = DataBytes(running);
                if (!t.Has(static_cast<size_t>(n)))
                    return strError = "truncated channel event", false;
                for (int i = 0; i < n; ++i) {
                    if (bytes[t.nPos] & 0x80) return strError = "status byte inside data", false;
                    e.data.push_back(bytes[t.nPos++]);
                }
                const uint8_t kind = running & 0xF0;
                if (kind == 0xE0) nBend = e.data[0] | (e.data[1] << 7);
                const bool bOn = kind == 0x90 && e.data[1] > 0;
                const bool bOff = kind == 0x80 || (kind == 0x90 && e.data[1] == 0);
                if (bOn) {
                    if (sounding.count(e.data[0]))
                        return strError = "note-on of a sounding key", false;
                    sounding[e.data[0]] = {nTick, e.data[1], nBend, notes.size()};
                    notes.push_back({nTick, SmfNote{e.data[0], e.data[1], nTick, nTick, nBend}});
                } else if (bOff) {
                    auto it = sounding.find(e.data[0]);
                    if (it == sounding.end()) {
                        smf.nUnpairedOffs++;
                    } else {
                        notes[it->second.nIndex].second.nOff = nTick;
                        sounding.erase(it);
                    }
                }
            }
            smf.events.push_back(std::move(e));
        }
        if (!bEnded) return strError = "track without End of Track", false;
        c.nPos = t.nEnd;
    }
    if (c.nPos != bytes.size()) return strError = "bytes after the last track", false;
    if (!sounding.empty()) return strError = "notes left sounding", false;
    for (auto& n : notes) smf.notes.push_back(n.second);
    return true;
}

bool ReadSmfFile(const std::string& strPath, SmfFile& smf, std::string& strError) {
    FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile) {
        strError = "cannot open " + strPath;
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(pFile);
    return ReadSmf(bytes, smf, strError);
}
