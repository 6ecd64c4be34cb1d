// Writing an open list as a bookmark file.
#include "exchange/list_walk.h"
#include "exchange/netscape_bookmarks.h"
#include "exchange/text_lines.h"
#include "exchange/whole_file.h"

namespace {

// Brackets would open or close a tag inside a name.
std::string WithoutBrackets(std::string_view name) {
    std::string text(name);
    for (char& c : text)
        if (c == '<' || c == '>') c = ' ';
    return text;
}

}  // namespace

std::string ListToNetscape(const CUrlListFile& list, std::string_view listName, std::int64_t now) {
    const std::string date = std::to_string(now);
    const std::string title = WithoutBrackets(listName);
    std::string out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n";
    // Without it browsers take the names for their own default encoding.
    out += "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=" +
           list.Environment().codePage->CharsetName() + "\">\r\n";
    out += "<title>" + title + "</title>\r\n<h1>" + title + "</h1>\r\n\r\n<dl><p>\r\n";
    int openFolders = 0;
    exchange::ForEachExportItem(list, [&](const exchange::ExportItem& item) {
        std::string name = WithoutBrackets(item.name);
        if (item.level < kTitle) {
            for (; openFolders > item.level; --openFolders) out += "</dl><p>\r\n";
            if (name.empty()) {
                out += "<hr>\r\n";
            } else {
                out += "<dt><h3 FOLDED ADD_DATE=\"" + date + "\">" + name + "</h3>\r\n<dl><p>\r\n";
                ++openFolders;
            }
        } else if (item.separator) {
            out += "<hr>\r\n";
        } else if (!name.empty()) {
            std::string visited = std::to_string(item.lastVisited);
            // A double quote would end the HREF value early (bookmarklets hold
            // many); every reader of bookmark files decodes the reference.
            out += "        <dt><a href=\"" + exchange::ReplaceAll(item.url, "\"", "&quot;") +
                   "\" ADD_DATE=\"" + date +
                   "\" LAST_VISIT=\"" + visited + "\" LAST_MODIFIED=\"" + visited + "\">" + name +
                   "</a>\r\n";
            if (!item.note.empty()) out += "<dd>" + exchange::ReplaceAll(item.note, "\\n", "<br>") + "\r\n";
        }
    });
    for (; openFolders >= 0; --openFolders) out += "</dl><p>\r\n";
    return out;
}

int ExportNetscape(const CUrlListFile& list, std::string_view listName, const std::string& target) {
    const ListEnvironment& env = list.Environment();
    return exchange::WriteWholeFile(*env.files, target, ListToNetscape(list, listName, env.clock->Now()));
}
