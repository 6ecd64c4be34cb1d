#include "model/line_scan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
constexpr std::size_t kLane = 16;
constexpr std::size_t kStep = 4 * kLane;

// 0xFF in each byte of the sixteen at `at` that is a '\n'.
__m128i Newlines(const char* at) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), _mm_set1_epi8('\n'));
}

std::size_t Sum(__m128i counters) {
    const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
    return static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
           static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
}
#endif

}  // namespace

std::size_t CountNewlines(std::string_view bytes) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t count = 0, at = 0;
#if defined(__SSE2__)
    // Four rows of byte counters, so that no step waits for the one before,
    // summed before any can pass 255.
    constexpr std::size_t kBlock = 255 * kStep;
    while (size - at >= kStep) {
        std::size_t end = at + (size - at < kBlock ? (size - at) / kStep * kStep : kBlock);
        __m128i rows[4];
        for (__m128i& row : rows) row = _mm_setzero_si128();
        for (; at < end; at += kStep)
            for (std::size_t row = 0; row < 4; ++row)
                rows[row] = _mm_sub_epi8(rows[row], Newlines(data + at + row * kLane));
        for (const __m128i& row : rows) count += Sum(row);
    }
#endif
    for (; at < size; ++at) count += data[at] == '\n';
    return count;
}
