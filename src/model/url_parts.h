// The parts of a URL that the cleanup commands look at, without decoding.
#pragma once

#include <string_view>

inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Length of a "scheme:" prefix without its colon, 0 when there is none.
inline std::size_t UrlSchemeLength(std::string_view url) {
    if (url.empty() || !IsAsciiLetter(url[0])) return 0;
    for (std::size_t i = 1; i < url.size(); ++i) {
        char c = url[i];
        if (c == ':') return i;
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return 0;
    }
    return 0;
}

// Where the "//authority" after the scheme ends; 0 when there is no authority.
inline std::size_t UrlAuthorityEnd(std::string_view url) {
    std::size_t scheme = UrlSchemeLength(url);
    if (scheme == 0 || url.substr(scheme, 3) != "://") return 0;
    std::size_t end = url.find_first_of("/?#", scheme + 3);
    return end == std::string_view::npos ? url.size() : end;
}
