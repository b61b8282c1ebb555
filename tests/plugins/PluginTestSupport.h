// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "analysis/NoteTable.h"
#include "analysis/ReadingLine.h"

// A fresh folder under /tmp for one test, removed afterwards.
class CTempFolder {
public:
    CTempFolder() {
        char name[] = "/tmp/kalvo_plugins_XXXXXX";
        if (mkdtemp(name)) m_strPath = name;
    }
    ~CTempFolder() {
        std::error_code error;
        if (!m_strPath.empty()) std::filesystem::remove_all(m_strPath, error);
    }
    std::string operator/(const std::string& strName) const { return m_strPath + "/" + strName; }
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// An entry line as the program builds it: time prefix, reading line, LF.
inline std::string ReadingEntry(uint32_t nMs, int nNote, int nCents, int nLevelDb) {
    const double dFrequency = NoteTable[nNote] * std::pow(2.0, nCents / 1200.0);
    return FormatTimePrefix(nMs) +
           FormatReadingLine(dFrequency, static_cast<float>(dFrequency), nNote, nCents, nLevelDb) +
           "\n";
}

inline std::string InfoEntry(uint32_t nMs, const char* pszInfo) {
    return FormatTimePrefix(nMs) + pszInfo + "\n";
}
