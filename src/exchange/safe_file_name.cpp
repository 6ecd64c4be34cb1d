#include "exchange/safe_file_name.h"

namespace {

constexpr std::size_t kMaxLength = 64;
constexpr std::size_t kCutLength = 61;
constexpr std::string_view kForbidden = "/\\:*?\"<>|";

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool IsDeviceName(std::string_view base) {
    // Windows ignores spaces at the end of the part before the extension.
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    std::string upper;
    for (char c : base) upper += UpperAscii(c);
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

std::string SafeFileName(std::string_view name, std::string_view extension,
                         const platform::CodePage& codePage) {
    std::string safe;
    for (std::size_t i = 0; i < name.size();) {
        bool pair = codePage.IsLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size();
        std::size_t width = pair ? 2 : 1;
        if (name.size() > kMaxLength && i + width > kCutLength) {
            safe += "...";
            break;
        }
        char c = name[i];
        if (!pair && (static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos))
            safe += ' ';
        else
            safe.append(name.substr(i, width));
        i += width;
    }
    safe.append(extension);

    std::size_t end = safe.size();
    while (end > 0 && (safe[end - 1] == '.' || safe[end - 1] == ' ')) safe[--end] = '_';
    std::size_t base = safe.find('.');
    if (IsDeviceName(std::string_view(safe).substr(0, base)))
        safe.insert(base == std::string::npos ? safe.size() : base, "_");
    return safe;
}
