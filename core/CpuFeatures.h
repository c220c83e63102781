#pragma once
// The instruction sets the vector paths use, asked of the processor once, on first use.
// CPUID is slow under a hypervisor (several microseconds a question), and the compiler's own
// detection behind __builtin_cpu_supports asks a dozen questions at every start, needed or not.
// Header-only, so that the fingerprint library can ask too.

#include <cstdint>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#define LUMRA_CPU_FEATURES_X86 1
#endif

namespace lumra {

struct CpuFeatures {
    bool popcnt = false;
    bool bmi = false; // BMI1, for tzcnt
    bool avx2 = false;
    bool avx512bw = false; // with AVX-512 F, and the system saving the vector registers
    bool avx512vbmi = false;
    bool avx512vbmi2 = false;
};

inline CpuFeatures DetectCpuFeatures() {
    CpuFeatures f;
#if defined(LUMRA_CPU_FEATURES_X86)
    unsigned a = 0;
    unsigned b = 0;
    unsigned c = 0;
    unsigned d = 0;
    if (__get_cpuid_max(0, nullptr) < 7) {
        return f;
    }
    __cpuid(1, a, b, c, d);
    f.popcnt = (c & bit_POPCNT) != 0;
    const bool avx = (c & bit_AVX) != 0;
    std::uint64_t xcr0 = 0;
    if ((c & bit_OSXSAVE) != 0) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
        xcr0 = (static_cast<std::uint64_t>(high) << 32) | low;
    }
    const bool ymmSaved = (xcr0 & 0x6) == 0x6;               // SSE and AVX state
    const bool zmmSaved = ymmSaved && (xcr0 & 0xE0) == 0xE0; // opmask and ZMM state
    __cpuid_count(7, 0, a, b, c, d);
    f.bmi = (b & bit_BMI) != 0;
    f.avx2 = avx && ymmSaved && (b & bit_AVX2) != 0;
    f.avx512bw = zmmSaved && (b & bit_AVX512F) != 0 && (b & bit_AVX512BW) != 0;
    f.avx512vbmi = f.avx512bw && (c & bit_AVX512VBMI) != 0;
    f.avx512vbmi2 = f.avx512bw && (c & bit_AVX512VBMI2) != 0;
#endif
    return f;
}

// The features of this processor, detected on the first call.
inline const CpuFeatures& Cpu() {
    static const CpuFeatures features = DetectCpuFeatures();
    return features;
}

} // namespace lumra
