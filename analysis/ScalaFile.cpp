// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ScalaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "analysis/TuningOptions.h"

namespace {

// Scale and map files are a few kilobytes; a megabyte is something else.
constexpr size_t MAX_FILE_BYTES = 1 << 20;

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& s) {
    size_t nFirst = 0, nLast = s.size();
    while (nFirst < nLast && IsBlank(s[nFirst])) ++nFirst;
    while (nLast > nFirst && IsBlank(s[nLast - 1])) --nLast;
    return s.substr(nFirst, nLast - nFirst);
}

// The first word of a line: what follows it after a blank is a remark.
std::string FirstWord(const std::string& s) {
    const std::string str = Trimmed(s);
    size_t n = 0;
    while (n < str.size() && !IsBlank(str[n])) ++n;
    return str.substr(0, n);
}

// The lines of a text file, numbered from 1, their line ends removed.
class CLines {
public:
    CLines(const std::string& strName, std::string& strError)
        : m_strName(strName), m_strError(strError) {}

    // False when the text holds a control character that no text file has.
    bool Split(const std::string& strText) {
        size_t nStart = 0;
        // A byte order mark is an editor's, not part of the first line.
        if (strText.compare(0, 3, "\xEF\xBB\xBF") == 0) nStart = 3;
        std::string strLine;
        for (size_t i = nStart; i < strText.size(); ++i) {
            const char c = strText[i];
            if (c == '\n') {
                m_astrLines.push_back(strLine);
                strLine.clear();
            } else if (c == '\r' && (i + 1 == strText.size() || strText[i + 1] == '\n')) {
                // CR LF, or a last line ended by a CR alone.
            } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f) {
                return Fail(static_cast<int>(m_astrLines.size()) + 1, "not a text file");
            } else {
                strLine += c;
            }
        }
        if (!strLine.empty()) m_astrLines.push_back(strLine);
        return true;
    }

    // The next line that is not a comment, blank ones too when bSkipBlank;
    // false at the end.
    bool Next(bool bSkipBlank, std::string& strLine) {
        while (m_nNext < m_astrLines.size()) {
            const std::string& str = m_astrLines[m_nNext++];
            const std::string strTrimmed = Trimmed(str);
            if (!strTrimmed.empty() && strTrimmed[0] == '!') continue;
            if (bSkipBlank && strTrimmed.empty()) continue;
            strLine = str;
            return true;
        }
        return false;
    }

    // The number of the line Next() gave last.
    int Number() const { return static_cast<int>(m_nNext); }
    // Where a file that ends too early is told to end.
    int LastNumber() const {
        return m_astrLines.empty() ? 1 : static_cast<int>(m_astrLines.size());
    }

    bool Fail(int nLine, const std::string& strReason) {
        m_strError = m_strName + ":" + std::to_string(nLine) + ": " + strReason;
        return false;
    }
    bool Fail(const std::string& strReason) { return Fail(Number(), strReason); }
    bool FailAtEnd(const std::string& strReason) { return Fail(LastNumber(), strReason); }

private:
    const std::string& m_strName;
    std::string& m_strError;
    std::vector<std::string> m_astrLines;
    size_t m_nNext = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Cents as Scala writes them: digits with one '.', an optional sign.
bool ParseCents(const std::string& str, double& dCents) {
    size_t n = 0;
    if (n < str.size() && (str[n] == '+' || str[n] == '-')) ++n;
    bool bDigit = false, bPoint = false;
    for (size_t i = n; i < str.size(); ++i) {
        if (IsDigit(str[i]))
            bDigit = true;
        else if (str[i] == '.' && !bPoint)
            bPoint = true;
        else
            return false;
    }
    if (!bDigit) return false;
    const char* pFirst = str.data() + (str[0] == '+' ? 1 : 0);
    const char* pLast = str.data() + str.size();
    const auto [p, ec] = std::from_chars(pFirst, pLast, dCents);
    return ec == std::errc() && p == pLast && std::isfinite(dCents);
}

bool ParseUnsigned(const char* pFirst, const char* pLast, uint64_t& n) {
    if (pFirst == pLast || !IsDigit(*pFirst)) return false;
    const auto [p, ec] = std::from_chars(pFirst, pLast, n);
    return ec == std::errc() && p == pLast;
}

// A pitch: cents when it holds a '.', else a ratio n/d or a whole number.
bool ParsePitch(const std::string& str, double& dCents, std::string& strReason) {
    if (str.find('.') != std::string::npos) {
        if (ParseCents(str, dCents)) return true;
        strReason = Quoted(str) + " is not a number of cents";
        return false;
    }
    const bool bNegative = !str.empty() && str[0] == '-';
    const char* pFirst = str.data() + (bNegative ? 1 : 0);
    const char* pLast = str.data() + str.size();
    const char* pSlash = std::find(pFirst, pLast, '/');
    uint64_t nNumerator = 0, nDenominator = 1;
    if (!ParseUnsigned(pFirst, pSlash, nNumerator) ||
        (pSlash != pLast && !ParseUnsigned(pSlash + 1, pLast, nDenominator))) {
        strReason = Quoted(str) + " is not a pitch (cents like 701.955 or a ratio like 3/2)";
        return false;
    }
    if (bNegative || nNumerator == 0 || nDenominator == 0) {
        strReason = Quoted(str) + " is not a ratio above zero";
        return false;
    }
    dCents = 1200.0 * (std::log2(static_cast<double>(nNumerator)) -
                       std::log2(static_cast<double>(nDenominator)));
    return true;
}

// A whole number from lo to hi, the first word of a line.
bool ParseBounded(const std::string& str, int nLow, int nHigh, int& n) {
    return ParseWholeNumber(str, n) && n >= nLow && n <= nHigh;
}

// At most MAX_FILE_BYTES of a regular file. A FIFO or a device is refused
// before anything is read from it, so that naming one never blocks.
bool ReadTextFile(const std::string& strPath, const char* szWhat, std::string& strText,
                  std::string& strError) {
    const int fd = open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        strError = strPath + ": " + std::strerror(errno);
        return false;
    }
    struct stat st;
    std::string strReason;
    if (fstat(fd, &st) != 0)
        strReason = std::strerror(errno);
    else if (S_ISDIR(st.st_mode))
        strReason = "a folder, not a file";
    else if (!S_ISREG(st.st_mode))
        strReason = "not a regular file";
    else if (static_cast<uint64_t>(st.st_size) > MAX_FILE_BYTES)
        strReason = std::string("larger than 1 MB, which no ") + szWhat + " is";
    std::string str;
    char buffer[65536];
    while (strReason.empty()) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) strReason = std::strerror(errno);
        if (n <= 0) break;
        str.append(buffer, static_cast<size_t>(n));
        // The file may have grown since fstat.
        if (str.size() > MAX_FILE_BYTES)
            strReason = std::string("larger than 1 MB, which no ") + szWhat + " is";
    }
    close(fd);
    if (!strReason.empty()) {
        strError = strPath + ": " + strReason;
        return false;
    }
    strText.swap(str);
    return true;
}

}  // namespace

bool ParseScala(const std::string& strText, const std::string& strName, CScalaScale& scale,
                std::string& strError) {
    CLines lines(strName, strError);
    if (!lines.Split(strText)) return false;
    CScalaScale read;
    std::string strLine;
    // The description may be empty, but the line must be there.
    if (!lines.Next(false, strLine)) return lines.FailAtEnd("no description and no count");
    read.strDescription = Trimmed(strLine);
    if (!lines.Next(true, strLine)) return lines.FailAtEnd("no count of pitches");
    const std::string strCount = FirstWord(strLine);
    int nCount = 0;
    if (!ParseWholeNumber(strCount, nCount) || nCount < 0)
        return lines.Fail(Quoted(strCount) + " is not a count of pitches");
    if (nCount == 0) return lines.Fail("a count of 0 pitches leaves the scale without a period");
    if (nCount > MAX_SCALA_DEGREES)
        return lines.Fail(strCount + " pitches are more than the " +
                          std::to_string(MAX_SCALA_DEGREES) + " a scale may have");
    std::string strPitch;
    while (read.GetDegreeCount() < nCount) {
        if (!lines.Next(true, strLine))
            return lines.FailAtEnd(std::to_string(read.GetDegreeCount()) +
                                   " pitches where the count says " + strCount);
        strPitch = FirstWord(strLine);
        double dCents = 0;
        std::string strReason;
        if (!ParsePitch(strPitch, dCents, strReason)) return lines.Fail(strReason);
        read.adCents.push_back(dCents);
    }
    if (read.GetPeriodCents() <= 0.0)
        return lines.Fail("the period " + Quoted(strPitch) + " is not above 1/1");
    if (lines.Next(true, strLine)) return lines.Fail("more pitches than the count of " + strCount);
    scale = std::move(read);
    return true;
}

bool ReadScalaFile(const std::string& strPath, CScalaScale& scale, std::string& strError) {
    std::string strText;
    return ReadTextFile(strPath, "scale file", strText, strError) &&
           ParseScala(strText, strPath, scale, strError);
}

bool ParseKeyboardMap(const std::string& strText, const std::string& strName, CKeyboardMap& map,
                      std::string& strError) {
    CLines lines(strName, strError);
    if (!lines.Split(strText)) return false;
    CKeyboardMap read;
    std::string strLine, strWord;
    const auto next = [&](const char* szWhat) {
        if (!lines.Next(true, strLine)) return lines.FailAtEnd(std::string("no ") + szWhat);
        strWord = FirstWord(strLine);
        return true;
    };
    const auto key = [&](const char* szWhat, int& nKey) {
        if (!next(szWhat)) return false;
        if (ParseBounded(strWord, 0, 127, nKey)) return true;
        return lines.Fail(Quoted(strWord) + " is not a " + szWhat + " from 0 to 127");
    };
    if (!next("map size")) return false;
    if (!ParseBounded(strWord, 0, MAX_SCALA_DEGREES, read.nSize))
        return lines.Fail(Quoted(strWord) + " is not a map size from 0 to " +
                          std::to_string(MAX_SCALA_DEGREES));
    if (!key("first key", read.nFirstKey) || !key("last key", read.nLastKey)) return false;
    if (read.nFirstKey > read.nLastKey)
        return lines.Fail("the last key " + strWord + " is below the first key " +
                          std::to_string(read.nFirstKey));
    if (!key("middle key", read.nMiddleKey) || !key("reference key", read.nReferenceKey))
        return false;
    if (!next("reference frequency")) return false;
    if (!ParseFiniteNumber(strWord, read.dReferenceHz) || read.dReferenceHz <= 0.0)
        return lines.Fail(Quoted(strWord) + " is not a frequency above 0 Hz");
    if (!next("octave degree")) return false;
    if (!ParseBounded(strWord, 0, MAX_SCALA_DEGREES, read.nPeriodDegree))
        return lines.Fail(Quoted(strWord) + " is not a degree");
    const std::string strSize = std::to_string(read.nSize);
    while (static_cast<int>(read.anMap.size()) < read.nSize) {
        if (!lines.Next(true, strLine))
            return lines.FailAtEnd(std::to_string(read.anMap.size()) +
                                   " map entries where the size says " + strSize);
        strWord = FirstWord(strLine);
        int nDegree = -1;
        if (strWord != "x" && strWord != "X" &&
            !ParseBounded(strWord, 0, MAX_SCALA_DEGREES, nDegree))
            return lines.Fail(Quoted(strWord) + " is neither a degree nor x");
        read.anMap.push_back(nDegree);
    }
    if (lines.Next(true, strLine))
        return lines.Fail("more map entries than the size of " + strSize);
    map = std::move(read);
    return true;
}

bool ReadKeyboardMap(const std::string& strPath, CKeyboardMap& map, std::string& strError) {
    std::string strText;
    return ReadTextFile(strPath, "keyboard map", strText, strError) &&
           ParseKeyboardMap(strText, strPath, map, strError);
}
