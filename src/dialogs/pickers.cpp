#include "dialogs/pickers.h"

#include <commdlg.h>

#include <utility>

namespace {

class SystemPickers final : public IPickers {
public:
    int PickFile(const PickerRequest& request, PickerAnswer& answer) noexcept override {
        return RunSystemFileDialog(request, answer);
    }

    std::optional<COLORREF> PickColor(HWND owner, COLORREF initial) noexcept override {
        CHOOSECOLORA choose{};
        choose.lStructSize = sizeof choose;
        choose.hwndOwner = owner;
        choose.rgbResult = initial;
        choose.lpCustColors = customColors_;
        choose.Flags = CC_RGBINIT;
        if (!::ChooseColorA(&choose)) return std::nullopt;
        return choose.rgbResult;
    }

private:
    // The dialog's sixteen custom colours, kept for the whole run.
    COLORREF customColors_[16] = {};
};

SystemPickers g_system;
IPickers* g_current = &g_system;

}  // namespace

IPickers& Pickers() noexcept { return *g_current; }

PickersOverride::PickersOverride(IPickers& pickers) noexcept
    : previous_(std::exchange(g_current, &pickers)) {}

PickersOverride::~PickersOverride() { g_current = previous_; }
