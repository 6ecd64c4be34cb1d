// The line scanner and the newline count against plain readings of the same bytes:
// lines that end in, across and exactly at its 64-byte blocks, marks before
// and after a line's end, and bytes that end with or without a '\n'.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "model/line_scan.h"

TEST(LineScanner, FindsEveryLineAndItsMarkAsAPlainReadingDoes) {
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        const int lines = static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i) {
            std::string line(random() % 150, 'x');
            if (!line.empty() && random() % 3 == 0) line[random() % line.size()] = '#';
            bytes += line + (i + 1 < lines || random() % 2 ? "\n" : "");
        }
        SCOPED_TRACE(bytes);
        LineScanner scanner(bytes, '#');
        for (std::size_t at = 0; at < bytes.size();) {
            std::size_t end = bytes.find('\n', at);
            if (end == std::string::npos) end = bytes.size();
            bool marked = true;
            ASSERT_EQ(scanner.NextEnd(marked), end);
            EXPECT_EQ(marked, bytes.substr(at, end - at).find('#') != std::string::npos);
            at = end + 1;
        }
    }
}

// Sizes around the 64-byte step and the 255 steps the byte counters hold,
// in text of nothing but '\n' and in text where about half the bytes are.
TEST(LineScanner, CountsNewlinesAsAPlainCountDoes) {
    std::mt19937 random(5);
    for (std::size_t size : {0, 15, 64, 65, 255 * 64, 255 * 64 + 17, 40000}) {
        std::string all(size, '\n'), half(size, 'x');
        for (char& c : half) c = random() % 2 ? '\n' : 'x';
        EXPECT_EQ(CountNewlines(all), size);
        const auto newlines = static_cast<std::size_t>(std::count(half.begin(), half.end(), '\n'));
        EXPECT_EQ(CountNewlines(half), newlines) << size;
    }
}
