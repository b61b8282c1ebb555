// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/PitchAnalyser.h"
#include "tools/AnalyzeOptions.h"

class CAudioFileReader16k;
class CBlockAnalyser;

// The number of analysis threads --jobs 0 (the default) stands for: the
// processors this process may run on, at most 8 (so that memory stays under
// 12 MB).
unsigned DefaultAnalysisJobs();

// A file's blocks in order, each with its spectrum analysed: the blocks are
// read in chunks, and the spectra of a chunk are analysed on nJobs threads
// (the caller's included) while the caller publishes the chunk before it.
// The spectrum of a block depends on that block alone, so the readings come
// out the same whatever nJobs is; what depends on the blocks before
// (damping, change detection, the lines written) is left to the caller, in
// order. At most two chunks are held at a time, whatever the file's length.
// Input that is not a plain file (a pipe) is taken a block at a time.
class CBlockSource {
public:
    // first: the file's first block (nFirstFrames of it read), already taken
    // from reader. publisher analyses on the caller's thread too.
    CBlockSource(CAudioFileReader16k& reader, const CAnalyzeOptions& options,
                 CBlockAnalyser& publisher, const int16_t* first, std::size_t nFirstFrames);
    ~CBlockSource();
    CBlockSource(const CBlockSource&) = delete;
    CBlockSource& operator=(const CBlockSource&) = delete;

    // The next block, padded with silence to a whole block, the frames read
    // of it and its spectrum; false after the last block, or at a read
    // error or an FFT that refused its size (Failed(), Error()).
    bool Next(const int16_t*& pBlock, std::size_t& nFrames, const BlockSpectrum*& pSpectrum);
    bool Failed() const { return !m_strError.empty(); }
    const std::string& Error() const { return m_strError; }

private:
    struct Chunk {
        std::vector<int16_t> samples;
        std::vector<std::size_t> frames;
        std::vector<BlockSpectrum> spectra;
        unsigned nCount = 0;    // blocks held
        unsigned nClaimed = 0;  // blocks an analysis thread has taken
        unsigned nDone = 0;     // blocks analysed
        bool bLast = false;     // no chunk follows
        bool bRefused = false;  // the FFT refused its size
        std::string strReadError;
    };
    void Fill(Chunk& chunk);
    void Post(Chunk& chunk);
    // Analyses blocks of the posted chunks, oldest first, until chunk is done.
    void Finish(Chunk& chunk);
    void Work(CBlockAnalyser& analyser);
    // Under m_mutex: the oldest posted chunk with a block to take, or null.
    Chunk* Claimable();
    static void AnalyseOne(CBlockAnalyser& analyser, Chunk& chunk, unsigned i);

    CAudioFileReader16k& m_reader;
    CBlockAnalyser& m_publisher;
    Chunk m_chunks[2];
    Chunk* m_pCurrent;
    Chunk* m_pNext;
    // A plain file is read ahead in chunks; from a pipe or a device every
    // block is handed on as soon as it has been read, as data may come only
    // as it is played.
    bool m_bReadAhead;
    unsigned m_nChunkBlocks;
    unsigned m_nCursor = 0;
    std::string m_strError;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Chunk*> m_posted;  // oldest first
    bool m_bStop = false;
    std::vector<std::unique_ptr<CBlockAnalyser>> m_workerAnalysers;
    std::vector<std::thread> m_workers;
};
