#include "ui/browser_actions.h"

namespace {

class CNoBrowserActions final : public IBrowserActions {
public:
    bool OpenTarget(HWND, const std::string&, bool) override { return false; }
    bool FetchFrontmostUrl(HWND, FetchedUrl&) override { return false; }
};

}  // namespace

bool IsInternetUrl(std::string_view url) noexcept {
    for (std::string_view prefix : {"http://", "news://", "ftp://", "mailto:", "https://", "gopher://"})
        if (url.substr(0, prefix.size()) == prefix) return true;
    return false;
}

bool IsMailto(std::string_view url) noexcept { return url.substr(0, 7) == "mailto:"; }

IBrowserActions& NoBrowserActions() noexcept {
    static CNoBrowserActions none;
    return none;
}
