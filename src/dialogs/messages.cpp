#include "dialogs/messages.h"

#include "platform/file_system.h"
#include "win/resource_string.h"

int MsgBoxFromText(HWND owner, std::string_view text, MsgBoxKind kind) noexcept {
    try {
        // A byte search is safe in double-byte code pages: TAB is never the
        // second byte of a character.
        std::size_t tab = text.find('\t');
        if (tab == std::string_view::npos || tab == 0)
            return MessageBoxes().Show(owner, std::string(text), kFallbackCaption, kind);
        return MessageBoxes().Show(owner, std::string(text.substr(tab + 1)),
                                   std::string(text.substr(0, tab)), kind);
    } catch (...) {
        return 0;
    }
}

int MsgBoxFromString(HWND owner, UINT id, MsgBoxKind kind) noexcept {
    try {
        return MsgBoxFromText(owner, win::LoadResourceString(id), kind);
    } catch (...) {
        return 0;
    }
}

int MsgBoxFormatted(HWND owner, UINT id, MsgBoxKind kind,
                    std::initializer_list<MessageArg> args) noexcept {
    std::optional<std::string> text = FormatResourceString(id, args);
    return text ? MsgBoxFromText(owner, *text, kind) : 0;
}

std::string SystemErrorText(DWORD error) {
    // The file system seam already asks the system for the text (without
    // letting it fill in the description's own %1 inserts from arguments that
    // are not there) and trims it.
    return platform::OsFileSystem().ErrorText(static_cast<platform::OsError>(error));
}

std::optional<std::string> FormatSystemError(UINT id, DWORD error) noexcept {
    try {
        return FormatResourceString(id, {SystemErrorText(error)});
    } catch (...) {
        return std::nullopt;
    }
}

void ShowSystemError(DWORD error) noexcept {
    try {
        MessageBoxes().Show(nullptr, SystemErrorText(error), kSystemErrorCaption,
                            MsgBoxKind::kInformation);
    } catch (...) {
    }
}
