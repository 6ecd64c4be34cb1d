// Finding titles with the same address in one pass over the outline, and
// marking them.
#include "model/duplicate_urls.h"

#include "model/list_memory.h"
#include "model/title_text.h"
#include "model/url_key_index.h"
#include "model/url_parts.h"
#include "model/url_list_file.h"

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view DefaultPort(std::string_view scheme) {
    if (scheme == "http") return "80";
    if (scheme == "https") return "443";
    if (scheme == "ftp") return "21";
    return {};
}

void AppendLower(std::string& out, std::string_view text) {
    for (char c : text) out += AsciiLower(c);
}

}  // namespace

void AppendNormalizedUrl(std::string& out, std::string_view url) {
    std::size_t schemeLength = UrlSchemeLength(url);
    std::size_t schemeStart = out.size();
    AppendLower(out, url.substr(0, schemeLength));
    std::string_view scheme = std::string_view(out).substr(schemeStart);
    std::string_view rest = url.substr(schemeLength);
    if (schemeLength == 0 || rest.substr(0, 3) != "://") {
        out += rest;
        return;
    }
    std::string_view defaultPort = DefaultPort(scheme);
    out += "://";
    rest.remove_prefix(3);
    std::size_t authorityEnd = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, authorityEnd);
    std::string_view path = authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
    std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos) {
        out += authority.substr(0, at + 1);  // user names and passwords keep their case
        authority.remove_prefix(at + 1);
    }
    std::size_t portColon = authority.rfind(':');
    if (portColon != std::string_view::npos && authority.find(']', portColon) != std::string_view::npos)
        portColon = std::string_view::npos;  // a colon inside an IPv6 address
    std::string_view host = authority.substr(0, portColon);
    std::string_view port = portColon == std::string_view::npos ? std::string_view() : authority.substr(portColon + 1);
    AppendLower(out, host);
    if (!port.empty() && port != defaultPort) {
        out += ':';
        out += port;
    }
    if (path.empty() || path[0] != '/') out += '/';
    out += path;
}

std::string NormalizedUrl(std::string_view url) {
    std::string out;
    AppendNormalizedUrl(out, url);
    return out;
}

namespace {

// The titles that take part, in outline order: plain titles with a URL.
template <typename Visit>
bool ForEachPlainTitle(const CUrlListFile& list, Visit visit) {
    for (int item = list.First(); item != 0; item = list.Next(item)) {
        const ListItem& it = list.Item(item);
        if (it.Level() != kTitle || it.Has(ItemFlags::kSeparator) || it.Has(ItemFlags::kAlias)) continue;
        std::string_view url = TitleUrl(list.RawText(item));
        if (!url.empty() && !visit(item, url)) return false;
    }
    return true;
}

int MarkTitles(CUrlListFile& list, const std::vector<std::uint16_t>& titles) {
    if (!titles.empty() && list.MarkCount() > 0 && list.MarkLevel() != kTitle) return -4;
    int marked = 0;
    for (std::uint16_t item : titles) {
        if (list.Item(item).Has(ItemFlags::kMarked)) continue;
        int result = list.SetMark(item, 1);
        if (result < 0) return result;
        ++marked;
    }
    return marked;
}

}  // namespace

int FindDuplicateUrls(const CUrlListFile& list, DuplicateGroups& groups) {
    groups.items.clear();
    groups.starts.clear();
    MemoryGate* gate = list.Environment().memory;
    std::size_t capacity = static_cast<std::size_t>(list.Count());
    // Address numbers are handed out in order of first occurrence, so they
    // are also the order of the groups.
    UrlKeyIndex index(gate);
    std::vector<std::uint16_t> titles;     // the titles in outline order
    std::vector<std::uint32_t> addressOf;  // by title: its address number
    std::vector<std::uint32_t> next;       // by address: its count, then its next place in items
    if (!index.Reserve(capacity) || !ReserveThroughGate(gate, titles, capacity) ||
        !ReserveThroughGate(gate, addressOf, capacity) || !ReserveThroughGate(gate, next, capacity))
        return -3;
    bool indexed = ForEachPlainTitle(list, [&](int item, std::string_view url) {
        int address = index.Add(url);
        if (address < 0) return false;
        if (static_cast<std::size_t>(address) == next.size()) next.push_back(0);
        ++next[static_cast<std::size_t>(address)];
        titles.push_back(static_cast<std::uint16_t>(item));
        addressOf.push_back(static_cast<std::uint32_t>(address));
        return true;
    });
    if (!indexed) return -3;

    std::size_t grouped = 0, groupCount = 0;
    for (std::uint32_t count : next)
        if (count > 1) grouped += count, ++groupCount;
    if (!ReserveThroughGate(gate, groups.items, grouped) ||
        !ReserveThroughGate(gate, groups.starts, groupCount + 1))
        return -3;
    for (std::uint32_t& count : next) {
        std::uint32_t start = static_cast<std::uint32_t>(groups.items.size());
        if (count > 1) {
            groups.starts.push_back(start);
            groups.items.resize(start + count);
        }
        count = count > 1 ? start : UINT32_MAX;
    }
    groups.starts.push_back(static_cast<std::uint32_t>(groups.items.size()));
    for (std::size_t t = 0; t < titles.size(); ++t) {
        std::uint32_t& place = next[addressOf[t]];
        if (place != UINT32_MAX) groups.items[place++] = titles[t];
    }
    if (groupCount == 0) groups.starts.clear();
    return 0;
}

int MarkDuplicateUrls(CUrlListFile& list) {
    DuplicateGroups groups;
    if (FindDuplicateUrls(list, groups) != 0) return -3;
    return MarkDuplicateUrls(list, groups);
}

int MarkDuplicateUrls(CUrlListFile& list, const DuplicateGroups& groups) {
    std::vector<std::uint16_t> later;
    if (!ReserveThroughGate(list.Environment().memory, later, groups.items.size())) return -3;
    for (int g = 0; g < groups.Count(); ++g)
        later.insert(later.end(), groups.items.begin() + groups.starts[g] + 1,
                     groups.items.begin() + groups.starts[g + 1]);
    return MarkTitles(list, later);
}

int MarkUrlsHeldBy(CUrlListFile& list, const CUrlListFile& other) {
    MemoryGate* gate = list.Environment().memory;
    UrlKeyIndex held(gate);
    std::vector<std::uint16_t> found;
    if (!held.Reserve(static_cast<std::size_t>(other.Count())) ||
        !ReserveThroughGate(gate, found, static_cast<std::size_t>(list.Count())))
        return -3;
    if (!ForEachPlainTitle(other, [&](int, std::string_view url) { return held.Add(url) >= 0; }))
        return -3;
    ForEachPlainTitle(list, [&](int item, std::string_view url) {
        if (held.Find(url) >= 0) found.push_back(static_cast<std::uint16_t>(item));
        return true;
    });
    return MarkTitles(list, found);
}
