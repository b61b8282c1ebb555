// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FileAnalysis.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cinttypes>
#include <cmath>

#include "analysis/Constants.h"
#include "analysis/NoteTable.h"
#include "analysis/ReadingLine.h"
#include "platform/sound/AudioFileReader.h"
#include "platform/system/ProgramVersion.h"
#include "tools/BlockSource.h"

namespace {
// The session log is a text-mode file on the platform it was designed for:
// its lines end in CR LF, and ours are byte for byte the same. The table is
// for Unix tools and ends its lines in LF.
constexpr const char* LOG_LINE_END = "\r\n";
constexpr const char* TSV_LINE_END = "\n";
}  // namespace

CBlockAnalyser::CBlockAnalyser(const CAnalyzeOptions& options)
    : m_pAnalyser(std::make_unique<CPitchAnalyser>()) {
    m_control.m_fA5Factor.store(A5Factor(options.nA5), std::memory_order_relaxed);
    m_control.m_fTransposition.store(TranspositionFactor(options.nTransposition),
                                     std::memory_order_relaxed);
    m_control.m_nRecordFlags.store(REC_LOG, std::memory_order_relaxed);
    m_pAnalyser->SetControlState(&m_control);
    m_pAnalyser->SetHost(this);
    m_pAnalyser->ApplyFftParameters(options.nWindowType, options.nFftSizeIndex, options.fAlpha);
    m_pAnalyser->m_nPitchMethod.store(options.nPitchMethod, std::memory_order_relaxed);
    m_pAnalyser->SetTuning(options.pTuning);
    m_pAnalyser->m_phaseMeter.m_bEnabled.store(options.bFine ? 1 : 0, std::memory_order_relaxed);
}

bool CBlockAnalyser::Analyse(const int16_t* pBlock) {
    m_bLineDue = false;
    return m_pAnalyser->AnalyseBlock(pBlock);
}

void CBlockAnalyser::AddReadingLine(const std::string& line, int nRecordFlags) {
    if (!(nRecordFlags & REC_LOG)) return;
    m_strLine = line;
    m_bLineDue = true;
}

uint64_t BlockStartMs(uint64_t nBlock) {
    return nBlock * BLOCK_FRAMES * 1000 / static_cast<uint64_t>(SAMPLE_RATE);
}

std::string FineCentsText(const PitchReading& r) {
    if (!r.bFine) return "";
    char text[32];
    // No "-0.0": a value that rounds to nothing is in tune.
    const double tenths = std::nearbyint(r.dFineCents * 10);
    std::snprintf(text, sizeof text, "%+.1f", tenths == 0 ? 0.0 : tenths / 10);
    return text;
}

std::string TsvHeader(bool bFine) {
    std::string strHeader =
        "block\ttime_s\tdominant_hz\tpublished_hz\tfreq_changed\tpeak_bin\ttransposed_hz\t"
        "note_index\tnote_name\tshown_cents\tshown_changed\tlevel_db\ttarget\ttarget_hz\tcents";
    if (bFine) strHeader += "\tfine_cents";
    return strHeader;
}

namespace {
// Appends value as printf's "%.<precision>g" (general) or "%.<precision>f"
// (fixed) would write it, without printf's cost per number.
void AppendNumber(std::string& str, double value, std::chars_format format, int precision) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, format, precision);
    str.append(text, result.ptr);
}
void AppendNumber(std::string& str, long long value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    str.append(text, result.ptr);
}
}  // namespace

std::string TsvLine(uint64_t nBlock, const PitchReading& r, bool bFine) {
    using std::chars_format;
    const char* name = NoteName(r.nNoteIndex);
    std::string strLine;
    strLine.reserve(160);
    AppendNumber(strLine, static_cast<long long>(nBlock));
    strLine += '\t';
    AppendNumber(strLine,
                 static_cast<double>(nBlock * BLOCK_FRAMES) / static_cast<double>(SAMPLE_RATE),
                 chars_format::fixed, 6);
    strLine += '\t';
    AppendNumber(strLine, r.dFrequency, chars_format::general, 17);
    strLine += '\t';
    AppendNumber(strLine, static_cast<double>(r.fFrequency), chars_format::general, 9);
    for (int value : {r.bFrequencyChanged, r.nPeakBin}) {
        strLine += '\t';
        AppendNumber(strLine, value);
    }
    strLine += '\t';
    AppendNumber(strLine, static_cast<double>(r.fTransposedFrequency), chars_format::general, 9);
    strLine += '\t';
    AppendNumber(strLine, r.nNoteIndex);
    strLine += '\t';
    strLine += name ? name : "";
    for (int value : {r.nShownCents, r.bShownChanged, r.nLevelDb}) {
        strLine += '\t';
        AppendNumber(strLine, value);
    }
    // The target and the undamped offset from it, where the reading has both.
    strLine += '\t';
    if (r.nTarget >= 0) {
        strLine += r.achTarget.data();
        const bool bSignal = r.fFrequency >= r.dMinFrequency && r.fFrequency <= MAX_FREQUENCY &&
                             r.fTransposedFrequency >= r.dMinFrequency;
        strLine += '\t';
        AppendNumber(strLine, static_cast<double>(r.fTargetFrequency), chars_format::general, 9);
        strLine += '\t';
        if (bSignal)
            AppendNumber(strLine, CentsBetween(r.fTransposedFrequency, r.fTargetFrequency),
                         chars_format::fixed, 1);
    } else {
        strLine += "\t\t";
    }
    if (bFine) strLine += '\t' + FineCentsText(r);
    return strLine;
}

int AnalyseAudioFile(const CAnalyzeOptions& options, std::FILE* pOut, std::string& strError) {
    CAudioFileReader16k reader;
    if (!reader.Open(options.strInput, strError)) return EXIT_ANALYZE_BAD_INPUT;

    std::array<int16_t, BLOCK_VALUES> block{};
    std::size_t got = 0;
    // The first block is read before anything is printed, so a file that
    // yields no audio prints nothing but the message.
    if (!reader.Read(block.data(), BLOCK_FRAMES, got, strError)) return EXIT_ANALYZE_BAD_INPUT;
    if (got == 0) {
        strError = "'" + options.strInput + "': holds no audio frames";
        return EXIT_ANALYZE_BAD_INPUT;
    }

    const bool bTsv = options.format == OutputFormat::Tsv;
    if (bTsv) {
        std::fputs((TsvHeader(options.bFine) + TSV_LINE_END).c_str(), pOut);
    } else {
        const std::string version = GetProgramVersion();
        for (int i = 0; i < LOG_HEADER_LINES; ++i)
            std::fputs((LogHeaderLine(i, version) + LOG_LINE_END).c_str(), pOut);
        if (!options.pTuning->IsDefault())
            std::fputs((FormatTimePrefix(0) + FormatTuningEntry(options.pTuning->GetTitle()) +
                        LOG_LINE_END)
                           .c_str(),
                       pOut);
    }

    CBlockAnalyser analyser(options);
    CBlockSource source(reader, options, analyser, block.data(), got);
    std::string line;
    int status = EXIT_ANALYZE_OK;
    const int16_t* pBlock = nullptr;
    std::size_t nFrames = 0;
    const BlockSpectrum* pSpectrum = nullptr;
    for (uint64_t nBlock = 0; source.Next(pBlock, nFrames, pSpectrum); ++nBlock) {
        // A last partial block comes padded with silence, so no sample of
        // the file goes unanalysed.
        analyser.Publish(pBlock, *pSpectrum);
        const PitchReading& reading = analyser.GetReading();
        if (bTsv) {
            line = TsvLine(nBlock, reading, options.bFine);
            line += TSV_LINE_END;
            std::fputs(line.c_str(), pOut);
        } else if (options.bAllBlocks || analyser.IsLineDue()) {
            // Times past 2^32 ms (49 days of audio) wrap like the log's
            // millisecond counter.
            line = FormatTimePrefix(static_cast<uint32_t>(BlockStartMs(nBlock)));
            line += options.bAllBlocks ? FormatReadingLine(reading) : analyser.GetLine();
            line += LOG_LINE_END;
            std::fputs(line.c_str(), pOut);
        }
    }
    if (source.Failed()) {
        strError = source.Error();
        status = EXIT_ANALYZE_BAD_INPUT;
    }
    if (std::fflush(pOut) != 0 || std::ferror(pOut)) {
        strError = "cannot write the output";
        return EXIT_ANALYZE_WRITE_FAILED;
    }
    return status;
}
