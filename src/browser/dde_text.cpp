#include "browser/dde_text.h"

#include "browser/browser_table.h"

namespace {

constexpr std::string_view kOperaTitlePrefix = "Opera - [";

}  // namespace

std::string OpenUrlItem(std::string_view url, std::int32_t windowId) {
    return "\"" + std::string(url) + "\",," + std::to_string(windowId) + ",0,,,";
}

std::string ActivateItem(std::int32_t windowId) { return std::to_string(windowId) + ",0"; }

std::string WindowIdItem(std::int32_t windowId) { return std::to_string(windowId); }

std::optional<std::int32_t> ReplyWindowId(std::string_view data) {
    if (data.size() < 4) return std::nullopt;
    std::uint32_t id = 0;
    for (std::size_t i = 0; i < 4; ++i)
        id |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return static_cast<std::int32_t>(id);
}

std::vector<std::int32_t> ReplyWindowIds(std::string_view data) {
    std::vector<std::int32_t> ids;
    for (; data.size() >= 4; data.remove_prefix(4)) {
        std::int32_t id = *ReplyWindowId(data);
        if (id == 0) break;
        ids.push_back(id);
    }
    return ids;
}

WindowInfo ParseWindowInfo(std::string_view reply, std::string_view ddeName) {
    reply = reply.substr(0, reply.find('\0'));
    WindowInfo info;
    std::string* field = &info.url;
    bool inTitle = false;
    // The first character is the URL's opening quote. Backslash and quote
    // are ASCII and never the second byte of a double-byte character.
    for (std::size_t i = 1; i < reply.size(); ++i) {
        char c = reply[i];
        if (c == '\\' && i + 1 < reply.size() && reply[i + 1] == '"') {
            field->push_back('"');
            ++i;
            continue;
        }
        if (c == '"') {
            if (inTitle || i + 1 >= reply.size() || reply[i + 1] != ',') break;
            // The quote, the comma and the title's opening quote.
            inTitle = true;
            field = &info.title;
            i += 2;
            continue;
        }
        field->push_back(c);
    }
    if (info.title == ",") info.title.clear();
    if (KindOfBrowser(ddeName, NameMatch::kIgnoreCase) == BrowserKind::kOpera &&
        std::string_view(info.title).substr(0, kOperaTitlePrefix.size()) == kOperaTitlePrefix) {
        std::size_t length = info.title.size() - kOperaTitlePrefix.size();
        info.title = info.title.substr(kOperaTitlePrefix.size(), length > 0 ? length - 1 : 0);
    }
    return info;
}

std::string EscapeAmpersands(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    // "&" is never the second byte of a double-byte character.
    for (char c : text) {
        escaped.push_back(c);
        if (c == '&') escaped.push_back('&');
    }
    return escaped;
}
