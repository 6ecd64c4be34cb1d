// Internet shortcut files: a [InternetShortcut] section with a URL= line,
// among other sections that Windows and browsers add.
#include <new>

#include "exchange/html_text.h"
#include "exchange/safe_file_name.h"
#include "exchange/shortcut_files.h"
#include "exchange/text_lines.h"
#include "exchange/whole_file.h"

namespace {

constexpr std::string_view kSection = "[InternetShortcut]";
constexpr std::string_view kUrlKey = "URL=";
constexpr std::string_view kExtension = ".url";

// Names and keys of the file are compared ignoring case, as Windows reads them.
bool FindUrl(std::string_view text, std::string& url) {
    exchange::SkipByteOrderMark(text);
    std::string_view line;
    bool inSection = false;
    while (exchange::NextLine(text, line)) {
        line = exchange::TrimWhiteSpace(line);
        if (!line.empty() && line[0] == '[') {
            inSection = line.size() == kSection.size() && exchange::StartsWithNoCase(line, kSection);
        } else if (inSection && exchange::StartsWithNoCase(line, kUrlKey)) {
            std::string_view value = line.substr(kUrlKey.size());
            url = value.substr(0, value.find_first_of("\r\n\t "));
            if (!url.empty()) return true;
        }
    }
    return false;
}

}  // namespace

int ReadUrlFile(const std::string& path, std::string& url, std::string& title,
                const ListEnvironment& env) {
    try {
        platform::FileBytes text;
        if (exchange::ReadWholeFile(*env.files, path, text) != 0 || !FindUrl(text, url)) return -1;
        std::string_view name = platform::FileNameOf(path);
        title = name.substr(0, name.rfind('.'));
        return 0;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int WriteUrlFile(const std::string& folder, std::string_view name, std::string_view url,
                 const ListEnvironment& env) {
    if (!env.files->IsFolder(folder)) return -1;
    std::string path = platform::JoinPath(folder, SafeFileName(name, kExtension, *env.codePage));
    std::string content = std::string(kSection) + "\r\n" + std::string(kUrlKey);
    content.append(url).append("\r\n");
    return exchange::WriteWholeFile(*env.files, path, content);
}
