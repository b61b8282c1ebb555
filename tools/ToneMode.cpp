// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ToneMode.h"

#include <chrono>
#include <thread>

#include "tools/Interrupt.h"
#include "tools/LiveMode.h"

int RunToneMode(const CAnalyzeOptions& options, std::FILE* pOut, std::FILE* pErr) {
    const std::unique_ptr<ITonePlayer> pPlayer = CreatePulseTonePlayer();
    return RunTone(*pPlayer, options, pOut, pErr);
}

int RunTone(ITonePlayer& player, const CAnalyzeOptions& options, std::FILE* pOut, std::FILE* pErr) {
    CInterruptScope interrupt;
    if (!player.Play(options.dToneHz, options.toneShape, options.dToneVolume)) {
        std::fprintf(pErr, "kalvo-analyze: cannot play the tone: %s\n",
                     player.GetLastErrorText().c_str());
        return EXIT_ANALYZE_CAPTURE_FAILED;
    }
    std::fprintf(pOut, "%s %.4f Hz\n", options.strTone.c_str(), options.dToneHz);
    int status = std::fflush(pOut) == 0 ? EXIT_ANALYZE_OK : EXIT_ANALYZE_WRITE_FAILED;
    const auto tStart = std::chrono::steady_clock::now();
    while (status == EXIT_ANALYZE_OK && !CInterruptScope::Signal()) {
        if (options.dSeconds > 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count() >=
                options.dSeconds)
            break;
        if (!player.IsPlaying()) {
            std::fprintf(pErr, "kalvo-analyze: the sound server stopped the tone\n");
            status = EXIT_ANALYZE_CAPTURE_FAILED;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    player.Stop();
    return status;
}
