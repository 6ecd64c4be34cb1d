#include "platform/file_system.h"

namespace platform {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsSeparator(path[i - 1])) return i - 1;
    return std::string_view::npos;
}
}  // namespace

std::string_view FolderOf(std::string_view path) {
    std::size_t sep = LastSeparator(path);
    if (sep == std::string_view::npos) return {};
    return path.substr(0, sep == 0 ? 1 : sep);
}

std::string_view FileNameOf(std::string_view path) {
    std::size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (!joined.empty() && !IsSeparator(joined.back())) {
        // Keep the separator style the folder already uses.
        joined += joined.find('\\') != std::string::npos ? '\\' : '/';
    }
    joined += name;
    return joined;
}

}  // namespace platform
