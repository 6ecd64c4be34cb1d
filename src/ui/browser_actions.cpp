#include "ui/browser_actions.h"

namespace {

class CNoBrowserActions final : public IBrowserActions {
public:
    bool OpenTarget(HWND, const std::string&, bool) override { return false; }
    bool OpenUrl(HWND, const std::string&, bool) override { return false; }
    bool FetchFrontmostUrl(HWND, FetchedUrl&) override { return false; }
};

}  // namespace

IBrowserActions& NoBrowserActions() noexcept {
    static CNoBrowserActions none;
    return none;
}
