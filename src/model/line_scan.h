// Finding the lines of a list file's bytes: sixty-four bytes a step, sixteen
// at a time where the processor has the instructions for it (every x86-64
// has), byte by byte elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How many '\n' bytes `bytes` holds.
std::size_t CountNewlines(std::string_view bytes);

// Hands out the ends of the lines of `bytes`, one after another. It keeps the
// positions of the '\n' and `mark` bytes of sixty-four bytes at a time as
// bits, so that most lines take no search at all and no branch the processor
// cannot foresee. Inline, as it is asked once for every line of a list.
class LineScanner {
public:
    LineScanner(std::string_view bytes, char mark) : bytes_(bytes), mark_(mark) { LoadBlock(0); }

    // The offset of the next '\n', or the size of the bytes when none is
    // left; `marked` tells whether a `mark` byte comes in the line before it.
    std::size_t NextEnd(bool& marked) {
        bool seen = false;
        while (ends_ == 0) {  // the line goes on past this block
            seen = seen || marks_ != 0;
            if (bytes_.size() - block_ <= kBlock) {
                marked = seen;
                return bytes_.size();
            }
            LoadBlock(block_ + kBlock);
        }
        const unsigned end = static_cast<unsigned>(__builtin_ctzll(ends_));
        const std::uint64_t before = (std::uint64_t{1} << end) - 1;
        marked = seen || (marks_ & before) != 0;
        marks_ &= ~before << 1;  // the rest belongs to the lines after this one
        ends_ &= ends_ - 1;
        return block_ + end;
    }

private:
    static constexpr std::size_t kBlock = 64;

    void LoadBlock(std::size_t block) {
        block_ = block;
        ends_ = marks_ = 0;
        const char* data = bytes_.data() + block;
        const std::size_t size = bytes_.size() - block < kBlock ? bytes_.size() - block : kBlock;
#if defined(__SSE2__)
        if (size == kBlock) {
            const __m128i newline = _mm_set1_epi8('\n'), mark = _mm_set1_epi8(mark_);
            for (unsigned at = 0; at < kBlock; at += 16) {
                const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
                ends_ |= Bits(chunk, newline) << at;
                marks_ |= Bits(chunk, mark) << at;
            }
            return;
        }
#endif
        for (std::size_t at = 0; at < size; ++at) {
            ends_ |= std::uint64_t{data[at] == '\n'} << at;
            marks_ |= std::uint64_t{data[at] == mark_} << at;
        }
    }
#if defined(__SSE2__)
    // One bit a byte of `chunk` that equals the byte of `wanted`, the lowest for the first.
    static std::uint64_t Bits(__m128i chunk, __m128i wanted) {
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, wanted)));
    }
#endif

    std::string_view bytes_;
    char mark_;
    std::size_t block_ = 0;     // the offset of the block at hand
    std::uint64_t ends_ = 0;    // its '\n' bytes not yet handed out
    std::uint64_t marks_ = 0;   // its `mark` bytes in lines not yet handed out
};
