#include "browser/url_kind.h"

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsInternetUrl(std::string_view url) {
    for (std::string_view scheme : {"http://", "news://", "ftp://", "mailto:", "https://", "gopher://"})
        if (StartsWith(url, scheme)) return true;
    return false;
}

bool IsMailto(std::string_view url) { return StartsWith(url, "mailto:"); }
