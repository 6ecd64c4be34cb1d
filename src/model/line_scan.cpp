#include "model/line_scan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
constexpr std::size_t kStep = 16;

__m128i Load(const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }
#endif

}  // namespace

std::size_t CountNewlines(std::string_view bytes) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t count = 0, at = 0;
#if defined(__SSE2__)
    const __m128i newline = _mm_set1_epi8('\n');
    // Byte counters, summed before any can pass 255.
    constexpr std::size_t kBlock = 255 * kStep;
    while (size - at >= kStep) {
        std::size_t end = at + (size - at < kBlock ? (size - at) / kStep * kStep : kBlock);
        __m128i counters = _mm_setzero_si128();
        for (; at < end; at += kStep)
            counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(Load(data + at), newline));
        __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
#endif
    for (; at < size; ++at) count += data[at] == '\n';
    return count;
}
