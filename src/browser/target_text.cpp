#include "browser/target_text.h"

namespace {

constexpr std::string_view kMailPrefix = "mailto:";
constexpr std::string_view kInternetPrefixes[] = {"http://",  "news://",   "ftp://",
                                                  "mailto:",  "https://",  "gopher://"};
constexpr std::string_view kProgramExtensions[] = {".exe", ".bat", ".com"};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsCandidatePath(std::string_view text) {
    return (text.size() >= 3 && text.substr(1, 2) == ":\\") || StartsWith(text, "\\\\");
}

bool HasProgramExtension(std::string_view path) {
    if (path.size() < 4) return false;
    std::string last(path.substr(path.size() - 4));
    for (char& c : last)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (std::string_view extension : kProgramExtensions)
        if (last == extension) return true;
    return false;
}

}  // namespace

bool IsMailLink(std::string_view target) { return StartsWith(target, kMailPrefix); }

bool IsInternetUrl(std::string_view target) {
    for (std::string_view prefix : kInternetPrefixes)
        if (StartsWith(target, prefix)) return true;
    return false;
}

bool SplitProgramCommand(std::string_view text, const PathProbe& probe, std::string& program,
                         std::string& arguments) {
    program = std::string(text);
    arguments.clear();
    if (!IsCandidatePath(text)) return false;
    PathKind kind = probe(program);
    // A space is never the second byte of a double-byte character.
    while (kind == PathKind::kMissing) {
        std::size_t space = program.rfind(' ');
        if (space == std::string::npos) return false;
        // A "/\" glued to the text before it (as in "x/\y") is no switch
        // after a program: the text is not a command line.
        std::size_t slashes = text.find("/\\", space);
        if (slashes != std::string_view::npos && slashes > 1 && text[slashes - 1] != ' ')
            return false;
        program.resize(space);
        kind = probe(program);
    }
    if (program.size() < text.size()) arguments = std::string(text.substr(program.size() + 1));
    return kind != PathKind::kFolder && HasProgramExtension(program);
}

PathParts SplitPathParts(std::string_view path, bool nameWithExtension,
                         const platform::CodePage& cp) {
    // The last separator and the last dot, stepping over double-byte
    // characters (a backslash can be their second byte).
    std::size_t folderEnd = 0;
    std::size_t lastDot = std::string_view::npos;
    if (path.size() >= 2 && path[1] == ':' && !cp.IsLeadByte(static_cast<unsigned char>(path[0])))
        folderEnd = 2;
    for (std::size_t i = 0; i < path.size(); ++i) {
        char c = path[i];
        if (cp.IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (c == '\\' || c == '/') {
            folderEnd = i + 1;
            lastDot = std::string_view::npos;
        } else if (c == '.') {
            lastDot = i;
        }
    }
    PathParts parts;
    parts.folder = std::string(path.substr(0, folderEnd));
    std::string_view file = path.substr(folderEnd);
    std::size_t nameLength = lastDot == std::string_view::npos ? file.size() : lastDot - folderEnd;
    parts.extension = std::string(file.substr(nameLength));
    parts.name = std::string(nameWithExtension ? file : file.substr(0, nameLength));
    return parts;
}

std::size_t LastBackslash(std::string_view path, const platform::CodePage& cp) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (cp.IsLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (path[i] == '\\') last = i;
    }
    return last;
}
