#include "dialogs/message_boxes.h"

#include <utility>

namespace {

class SystemMessageBoxes final : public IMessageBoxes {
public:
    int Show(HWND owner, const std::string& text, const std::string& caption,
             MsgBoxKind kind) noexcept override {
        return ::MessageBoxA(owner, text.c_str(), caption.c_str(), static_cast<UINT>(kind));
    }
};

SystemMessageBoxes g_system;
IMessageBoxes* g_current = &g_system;

}  // namespace

IMessageBoxes& MessageBoxes() noexcept { return *g_current; }

MessageBoxesOverride::MessageBoxesOverride(IMessageBoxes& boxes) noexcept
    : previous_(std::exchange(g_current, &boxes)) {}

MessageBoxesOverride::~MessageBoxesOverride() { g_current = previous_; }
