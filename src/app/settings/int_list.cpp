#include "app/settings/int_list.h"

#include <climits>

namespace {

bool ParseInt(std::string_view text, std::size_t& pos, int& value) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    std::size_t digitsStart = pos;
    long long magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (pos == digitsStart) return false;
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX) return false;
    value = static_cast<int>(signedValue);
    return true;
}

}  // namespace

std::size_t ParseIntList(std::string_view text, int* values, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',') return i;
            ++pos;
        }
        int value = 0;
        if (!ParseInt(text, pos, value)) return i;
        values[i] = value;
    }
    return count;
}

std::string FormatIntList(const int* values, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}
