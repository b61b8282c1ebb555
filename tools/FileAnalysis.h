// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "analysis/PitchAnalyser.h"
#include "tools/AnalyzeOptions.h"

// One analyser set up from the command line, fed block by block. It stands
// where the tuner's window stands: the host that receives the reading lines,
// with the log recording on, so a line is due exactly when the session log
// would write one.
class CBlockAnalyser : public IAnalysisHost {
public:
    explicit CBlockAnalyser(const CAnalyzeOptions& options);

    // Analyses one block of BLOCK_VALUES values. Returns false only when the
    // FFT refused its size.
    bool Analyse(const int16_t* pBlock);
    // Analyse in two halves (CPitchAnalyser::AnalyseSpectrum and
    // PublishSpectrum): the first on any thread, the second in block order.
    bool AnalyseSpectrum(const int16_t* pBlock, BlockSpectrum& spectrum) {
        return m_pAnalyser->AnalyseSpectrum(pBlock, spectrum);
    }
    void Publish(const int16_t* pBlock, const BlockSpectrum& spectrum) {
        m_bLineDue = false;
        m_pAnalyser->PublishSpectrum(pBlock, spectrum);
    }
    void ShareWindowCache(CBlockAnalyser& other) {
        m_pAnalyser->ShareWindowCache(*other.m_pAnalyser);
    }
    const PitchReading& GetReading() const { return m_pAnalyser->GetReading(); }
    // The reading line of the last block when the log would have written one.
    bool IsLineDue() const { return m_bLineDue; }
    const std::string& GetLine() const { return m_strLine; }

    void AddReadingLine(const std::string& line, int nRecordFlags) override;
    void RefreshViews() override {}
    void OnFftSizeRefused() override {}

private:
    // Large fixed arrays: kept off the stack.
    std::unique_ptr<CPitchAnalyser> m_pAnalyser;
    CControlState m_control;
    bool m_bLineDue = false;
    std::string m_strLine;
};

// Start of block nBlock in the file, in whole milliseconds.
uint64_t BlockStartMs(uint64_t nBlock);

// The line of one block in the --tsv table, without line end, and the header
// line naming its columns; bFine adds the fine_cents column at the end.
std::string TsvHeader(bool bFine = false);
std::string TsvLine(uint64_t nBlock, const PitchReading& reading, bool bFine = false);
// The fine offset to a tenth of a cent, signed ("+0.3"), or "" without one.
std::string FineCentsText(const PitchReading& reading);

// Reads options.strInput, analyses it block by block and writes the session
// log (or the table) to pOut. Returns an exit status (EXIT_ANALYZE_*); when
// it is not EXIT_ANALYZE_OK strError holds one line saying why. Whatever was
// analysed before a read error has been written.
int AnalyseAudioFile(const CAnalyzeOptions& options, std::FILE* pOut, std::string& strError);
