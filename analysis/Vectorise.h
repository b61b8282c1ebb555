// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a hot loop's function to be compiled twice, for AVX2 and for any
// x86-64, the choice made once at load time. Each lane does the same IEEE
// operations (no contraction), so both give the same bits. ThreadSanitizer
// builds go without: the clone selector runs before its runtime is set up.
#if defined(__SANITIZE_THREAD__) || !defined(__x86_64__)
#define KALVO_AVX2_CLONES
#else
#define KALVO_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#endif

#if defined(__x86_64__)
// Whether the processor has AVX2 and fused multiply-adds, asked once.
inline bool CpuHasAvx2Fma() {
    static const bool bHas = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    }();
    return bHas;
}
#endif
