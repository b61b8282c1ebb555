// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The largest scale read: more degrees than this is no scale anyone tunes to.
constexpr int MAX_SCALA_DEGREES = 1000;

// A Scala scale (.scl): the pitches of degrees 1 ... n above degree 0, in
// cents; the last one is the period (1200 for 2/1, 1901.955 for 3/1).
struct CScalaScale {
    std::string strDescription;
    std::vector<double> adCents;
    int GetDegreeCount() const { return static_cast<int>(adCents.size()); }
    double GetPeriodCents() const { return adCents.empty() ? 0.0 : adCents.back(); }
};

// Reads the Scala format: '!' lines are comments; the first other line is
// the description (which may be empty), the next the count, then one pitch
// per line: cents when it holds a '.', otherwise a ratio n/d or a whole
// number n (n/1). Anything after the pitch and a blank on its line is
// ignored; blank lines after the description are skipped. Line ends LF or
// CR LF; a leading UTF-8 byte order mark is skipped. Inner degrees may lie
// below 1/1 (negative cents, 1/2). Refused: a missing or bad count, fewer
// or more pitches than counted, a pitch that does not read, a zero or
// negative ratio, a period (the last pitch) of 1/1 or less, a count of 0
// (no period), more than MAX_SCALA_DEGREES degrees, a file that is not text
// (a control character other than tab). On failure strError is one line
// "NAME:LINE: reason" (the line where it went wrong; the last line for a
// missing pitch) and scale is unchanged. strName is the file's name as the
// user gave it.
bool ParseScala(const std::string& strText, const std::string& strName, CScalaScale& scale,
                std::string& strError);
// The same from a file (at most 1 MB); "NAME: reason" when it cannot be read.
// Only a regular file is read: a FIFO or a device is refused without
// blocking.
bool ReadScalaFile(const std::string& strPath, CScalaScale& scale, std::string& strError);

// A Scala keyboard mapping (.kbm): which MIDI key holds which degree, and the
// reference key and frequency.
struct CKeyboardMap {
    int nSize = 0;        // map size; 0 maps every key linearly to a degree
    int nFirstKey = 0;    // first MIDI key to map
    int nLastKey = 127;   // last MIDI key to map
    int nMiddleKey = 60;  // the key where degree 0 (map entry 0) is
    int nReferenceKey = 69;
    double dReferenceHz = 440.0;
    int nPeriodDegree = 0;   // the degree of the formal octave (0: the scale's own count)
    std::vector<int> anMap;  // nSize entries: the degree of each key, -1 for 'x'
};
// The .kbm format: seven numbers (size, first, last, middle, reference key,
// reference frequency, octave degree), then the size's map entries, one per
// line, each a degree or 'x'; '!' lines are comments. Refused as ParseScala
// refuses, with "NAME:LINE: reason": a missing number, keys outside 0 ... 127,
// a last key below the first, a frequency that is not positive, a size or a
// degree that is negative or above MAX_SCALA_DEGREES, fewer or more entries
// than the size.
bool ParseKeyboardMap(const std::string& strText, const std::string& strName, CKeyboardMap& map,
                      std::string& strError);
bool ReadKeyboardMap(const std::string& strPath, CKeyboardMap& map, std::string& strError);
