// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Audio files written with libsndfile, a scratch folder, and a way to run the
// built kalvo-analyze and collect what it printed.

#include <fcntl.h>
#include <signal.h>
#include <sndfile.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace tooltest {

namespace fs = std::filesystem;

// A folder of its own per test, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (fs::temp_directory_path() / "kalvo_tools_XXXXXX").string();
        if (mkdtemp(pattern.data())) m_path = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        if (!m_path.empty()) fs::remove_all(m_path, ec);
    }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    bool Ok() const { return !m_path.empty(); }

private:
    fs::path m_path;
};

inline bool IsFloatFormat(int format) {
    const int sub = format & SF_FORMAT_SUBMASK;
    return sub == SF_FORMAT_FLOAT || sub == SF_FORMAT_DOUBLE;
}

// Writes `frames` frames of `channels` with libsndfile; value(frame, channel)
// is in 16-bit units. Integer formats store it rounded, float formats store
// it divided by 32768.
inline bool WriteAudio(const std::string& path, int rate, int channels, int64_t frames,
                       const std::function<double(int64_t, int)>& value,
                       int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    const bool isFloat = IsFloatFormat(format);
    std::vector<double> buffer(static_cast<size_t>(frames * channels));
    for (int64_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            buffer[i * channels + c] = isFloat ? value(i, c) / 32768.0 : std::round(value(i, c));
    // Normalised doubles would be scaled by 32767 for integer formats; ours
    // are in 16-bit units already.
    if (!isFloat) sf_command(f, SFC_SET_NORM_DOUBLE, nullptr, SF_FALSE);
    const sf_count_t written = sf_writef_double(f, buffer.data(), frames);
    return sf_close(f) == 0 && written == frames;
}

// A sine of amplitude `peak` (16-bit units), the same on every channel.
inline bool WriteTone(const std::string& path, int rate, int channels, double hz, double seconds,
                      double peak = 8000.0, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
    const auto frames = static_cast<int64_t>(std::llround(rate * seconds));
    return WriteAudio(
        path, rate, channels, frames,
        [=](int64_t i, int) {
            return peak * std::sin(2 * M_PI * hz * static_cast<double>(i) / rate);
        },
        format);
}

inline bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

inline std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// True for exactly one line of text: what a refused run prints on stderr.
inline bool OneLine(const std::string& err) {
    return !err.empty() && err.find('\n') == err.size() - 1;
}

struct RunResult {
    int status = -1;  // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Starts kalvo-analyze with args and the given redirections; -1 when it
// could not be started.
inline pid_t SpawnAnalyze(const std::vector<std::string>& args,
                          const posix_spawn_file_actions_t* pActions) {
    std::vector<std::string> words{KALVO_ANALYZE_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, KALVO_ANALYZE_PATH, pActions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    return pid;
}

// While it lives, every plain file a program started now may write fails
// past nBytes, as on a full disk; SIGXFSZ is ignored (so the write fails with
// EFBIG) unless bSizeSignal, as under `ulimit -f`.
class CFileSizeLimit {
public:
    CFileSizeLimit(rlim_t nBytes, bool bSizeSignal = false) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        struct rlimit limit = m_old;
        limit.rlim_cur = nBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        m_pfnOld = signal(SIGXFSZ, bSizeSignal ? SIG_DFL : SIG_IGN);
    }
    ~CFileSizeLimit() {
        signal(SIGXFSZ, m_pfnOld);
        setrlimit(RLIMIT_FSIZE, &m_old);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    struct rlimit m_old {};
    void (*m_pfnOld)(int) = SIG_DFL;
};

// Runs kalvo-analyze with args; stdout goes to stdoutPath when one is given.
inline RunResult RunAnalyze(const ScratchDir& dir, const std::vector<std::string>& args,
                            const std::string& stdoutPath = "") {
    const std::string outPath = stdoutPath.empty() ? dir / "stdout.txt" : stdoutPath;
    const std::string errPath = dir / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    RunResult result;
    const pid_t pid = SpawnAnalyze(args, &actions);
    if (pid > 0) {
        int wstatus = 0;
        if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
            result.status = WEXITSTATUS(wstatus);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (stdoutPath.empty()) result.out = ReadWhole(outPath);
    result.err = ReadWhole(errPath);
    return result;
}

// Starts kalvo-analyze without waiting, standard error to errPath. With
// nFileLimit every plain file it writes fails past that size, as on a full
// disk (SIGXFSZ ignored, so the write fails with EFBIG).
inline pid_t StartAnalyze(const std::vector<std::string>& args, const std::string& errPath,
                          rlim_t nFileLimit = RLIM_INFINITY) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::optional<CFileSizeLimit> limit;
    if (nFileLimit != RLIM_INFINITY) limit.emplace(nFileLimit);
    const pid_t pid = SpawnAnalyze(args, &actions);
    limit.reset();
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// True once bDone() holds, checked every few milliseconds; false when it
// still does not after nSeconds (a bound for a broken program, not a
// measurement).
inline bool WaitFor(const std::function<bool()>& bDone, int nSeconds) {
    const auto tEnd = std::chrono::steady_clock::now() + std::chrono::seconds(nSeconds);
    while (!bDone()) {
        if (std::chrono::steady_clock::now() > tEnd) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The exit status of pid; -1 when it was killed by a signal, or when it was
// still running after nSeconds (it is killed then).
inline int WaitWithin(pid_t pid, int nSeconds) {
    int wstatus = 0;
    if (!WaitFor([&] { return waitpid(pid, &wstatus, WNOHANG) == pid; }, nSeconds)) {
        kill(pid, SIGKILL);
        waitpid(pid, &wstatus, 0);
        return -1;
    }
    return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
}

// The writing end of a FIFO, opened once a reader has opened it (-1 when
// none did within nSeconds). Writes to it fail instead of raising SIGPIPE
// once the reader is gone, as long as SIGPIPE is ignored.
inline int OpenFifoWriter(const std::string& path, int nSeconds) {
    int fd = -1;
    WaitFor([&] { return (fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; },
            nSeconds);
    if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

inline bool WriteAllTo(int fd, const std::string& bytes) {
    for (size_t n = 0; n < bytes.size();) {
        const ssize_t w = write(fd, bytes.data() + n, bytes.size() - n);
        if (w <= 0) return false;
        n += static_cast<size_t>(w);
    }
    return true;
}

// Whether folder holds a temporary file of an output named name (".name.XXXXXX").
inline bool HasTemporaryOf(const std::string& folder, const std::string& name) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind("." + name + ".", 0) == 0) return true;
    return false;
}

// Splits on a separator; a trailing separator gives no empty last element.
inline std::vector<std::string> Split(const std::string& text, const std::string& sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(sep, start);
        if (end == std::string::npos) {
            parts.push_back(text.substr(start));
            break;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + sep.size();
    }
    return parts;
}

}  // namespace tooltest
