// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/BlockSource.h"

#include <sched.h>
#include <sys/stat.h>

#include <algorithm>

#include "analysis/Constants.h"
#include "analysis/FundamentalTracker.h"
#include "platform/sound/AudioFileReader.h"
#include "tools/FileAnalysis.h"

namespace {
// Blocks per chunk: enough to keep the threads busy between hand-overs
// (some milliseconds of work), little memory (two chunks are 0.7 MB).
constexpr unsigned CHUNK_BLOCKS = 64;
// More threads than this gain nothing on a file and only cost memory.
constexpr unsigned MAX_JOBS = 64;
// Each thread adds about 0.25 MB to the 9 MB the program takes with one; with
// at most this many by default it stays under 12 MB on any input.
constexpr unsigned MAX_DEFAULT_JOBS = 8;
}  // namespace

unsigned DefaultAnalysisJobs() {
    unsigned n = 0;
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        n = static_cast<unsigned>(CPU_COUNT(&set));
    else
        n = std::thread::hardware_concurrency();
    return std::clamp(n, 1u, MAX_DEFAULT_JOBS);
}

CBlockSource::CBlockSource(CAudioFileReader16k& reader, const CAnalyzeOptions& options,
                           CBlockAnalyser& publisher, const int16_t* first,
                           std::size_t nFirstFrames)
    : m_reader(reader), m_publisher(publisher), m_pCurrent(&m_chunks[0]), m_pNext(&m_chunks[1]) {
    struct stat st;
    m_bReadAhead = stat(options.strInput.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    m_nChunkBlocks = m_bReadAhead ? CHUNK_BLOCKS : 1;
    for (Chunk& chunk : m_chunks) {
        chunk.samples.resize(std::size_t(CHUNK_BLOCKS) * BLOCK_VALUES);
        chunk.frames.resize(CHUNK_BLOCKS);
        chunk.spectra.resize(CHUNK_BLOCKS);
    }
    // The fundamental method learns a mains hum from block to block, so its
    // blocks are analysed one after the other, in order.
    const unsigned nJobs =
        options.nPitchMethod == PITCH_METHOD_FUNDAMENTAL
            ? 1
            : std::min(options.nJobs > 0 ? options.nJobs : DefaultAnalysisJobs(), MAX_JOBS);
    for (unsigned i = 1; i < nJobs; ++i) {
        m_workerAnalysers.push_back(std::make_unique<CBlockAnalyser>(options));
        m_workerAnalysers.back()->ShareWindowCache(publisher);
    }
    for (auto& pAnalyser : m_workerAnalysers)
        m_workers.emplace_back([this, p = pAnalyser.get()] { Work(*p); });

    // The first chunk starts with the block already read.
    Chunk& c = *m_pCurrent;
    std::copy(first, first + BLOCK_VALUES, c.samples.begin());
    c.frames[0] = nFirstFrames;
    c.nCount = 1;
    if (nFirstFrames < BLOCK_FRAMES) {
        std::fill(c.samples.begin() + 2 * nFirstFrames, c.samples.begin() + BLOCK_VALUES,
                  int16_t{0});
        c.bLast = true;
    } else {
        Fill(c);
    }
    Post(c);
    if (!c.bLast && m_bReadAhead) {
        m_pNext->nCount = 0;
        Fill(*m_pNext);
        Post(*m_pNext);
    }
    Finish(c);
}

CBlockSource::~CBlockSource() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_workers) t.join();
}

void CBlockSource::Fill(Chunk& chunk) {
    while (chunk.nCount < m_nChunkBlocks) {
        int16_t* const p = chunk.samples.data() + std::size_t(chunk.nCount) * BLOCK_VALUES;
        std::size_t got = 0;
        if (!m_reader.Read(p, BLOCK_FRAMES, got, chunk.strReadError)) {
            if (chunk.strReadError.empty()) chunk.strReadError = "cannot read the audio file";
            chunk.bLast = true;
            return;
        }
        if (got == 0) {
            chunk.bLast = true;
            return;
        }
        std::fill(p + 2 * got, p + BLOCK_VALUES, int16_t{0});
        chunk.frames[chunk.nCount++] = got;
        if (got < BLOCK_FRAMES) {
            chunk.bLast = true;
            return;
        }
    }
}

void CBlockSource::Post(Chunk& chunk) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        chunk.nClaimed = 0;
        chunk.nDone = 0;
        m_posted.push_back(&chunk);
    }
    m_wake.notify_all();
}

CBlockSource::Chunk* CBlockSource::Claimable() {
    for (Chunk* p : m_posted)
        if (p->nClaimed < p->nCount) return p;
    return nullptr;
}

void CBlockSource::AnalyseOne(CBlockAnalyser& analyser, Chunk& chunk, unsigned i) {
    if (!analyser.AnalyseSpectrum(chunk.samples.data() + std::size_t(i) * BLOCK_VALUES,
                                  chunk.spectra[i]))
        chunk.bRefused = true;  // the same for every block: read only when done
}

void CBlockSource::Work(CBlockAnalyser& analyser) {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        Chunk* p = nullptr;
        m_wake.wait(lock, [&] { return m_bStop || (p = Claimable()) != nullptr; });
        if (m_bStop) return;
        const unsigned i = p->nClaimed++;
        lock.unlock();
        AnalyseOne(analyser, *p, i);
        lock.lock();
        if (++p->nDone == p->nCount) m_wake.notify_all();
    }
}

void CBlockSource::Finish(Chunk& chunk) {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (chunk.nDone == chunk.nCount) break;
        Chunk* p = Claimable();
        if (!p) {
            m_wake.wait(lock);
            continue;
        }
        const unsigned i = p->nClaimed++;
        lock.unlock();
        AnalyseOne(m_publisher, *p, i);
        lock.lock();
        if (++p->nDone == p->nCount) m_wake.notify_all();
    }
    m_posted.erase(std::find(m_posted.begin(), m_posted.end(), &chunk));
}

bool CBlockSource::Next(const int16_t*& pBlock, std::size_t& nFrames,
                        const BlockSpectrum*& pSpectrum) {
    if (!m_strError.empty()) return false;
    if (m_nCursor == m_pCurrent->nCount) {
        Chunk& done = *m_pCurrent;
        if (!done.strReadError.empty()) m_strError = done.strReadError;
        if (done.bLast) return false;
        if (!m_bReadAhead) {
            done.nCount = 0;
            done.bRefused = false;
            Fill(done);
            Post(done);
            Finish(done);
            m_nCursor = 0;
            if (done.nCount == 0) {
                if (!done.strReadError.empty()) m_strError = done.strReadError;
                return false;
            }
            return Next(pBlock, nFrames, pSpectrum);
        }
        // The chunk after the next one is read into this one's place while
        // the threads analyse the next.
        if (!m_pNext->bLast) {
            done.nCount = 0;
            done.bRefused = false;
            Fill(done);
            Post(done);
        }
        std::swap(m_pCurrent, m_pNext);
        m_nCursor = 0;
        Finish(*m_pCurrent);
        if (m_pCurrent->nCount == 0) {
            if (!m_pCurrent->strReadError.empty()) m_strError = m_pCurrent->strReadError;
            return false;
        }
    }
    if (m_pCurrent->bRefused) {
        m_strError = "the FFT refused its size";
        return false;
    }
    const unsigned i = m_nCursor++;
    pBlock = m_pCurrent->samples.data() + std::size_t(i) * BLOCK_VALUES;
    nFrames = m_pCurrent->frames[i];
    pSpectrum = &m_pCurrent->spectra[i];
    return true;
}
