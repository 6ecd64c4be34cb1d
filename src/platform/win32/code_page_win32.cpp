// The system's ANSI code page through the Win32 national-language functions.
#include "platform/code_page.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring Widen(std::string_view text, UINT codePage, DWORD flags) {
    if (text.empty()) return {};
    int n = ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()),
                                  nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()),
                              wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return {};
    int n = ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                  nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n), '\0');
    if (n > 0)
        ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                              text.data(), n, nullptr, nullptr);
    return text;
}

class SystemPage final : public CodePage {
public:
    unsigned Number() const override { return ::GetACP(); }
    std::string CharsetName() const override {
        switch (Number()) {
            case 932: return "shift_jis";
            case 936: return "gb2312";
            case 949: return "ks_c_5601-1987";
            case 950: return "big5";
            default: return "windows-" + std::to_string(Number());
        }
    }
    bool IsLeadByte(unsigned char byte) const override { return ::IsDBCSLeadByte(byte) != 0; }
    bool HasLeadBytes() const override { return hasLeadBytes_; }
    std::string Lower(std::string_view text) const override {
        std::string out(text);
        if (!out.empty()) ::CharLowerBuffA(out.data(), static_cast<DWORD>(out.size()));
        return out;
    }
    int CompareNoCase(std::string_view a, std::string_view b) const override {
        int result = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                      static_cast<int>(a.size()), b.data(),
                                      static_cast<int>(b.size()));
        return result - CSTR_EQUAL;
    }
    std::string ToUtf8(std::string_view ansi) const override {
        return Narrow(Widen(ansi, CP_ACP, 0), CP_UTF8);
    }
    std::string FromUtf8(std::string_view utf8) const override {
        return Narrow(Widen(utf8, CP_UTF8, 0), CP_ACP);
    }

private:
    static bool AnsiHasLeadBytes() {
        CPINFO info{};
        return !::GetCPInfo(CP_ACP, &info) || info.MaxCharSize > 1;
    }
    const bool hasLeadBytes_ = AnsiHasLeadBytes();
};

}  // namespace

const CodePage& AnsiCodePage() {
    static const SystemPage page;
    return page;
}

bool ConsoleSpeaksUtf8() { return false; }

}  // namespace platform
