// Reading a bookmark file into a new list file.
//
// The file is read line by line, each line trimmed. Where a writer put several
// structure tags on one line (<DT>, <DL>, </DL>, <HR>, <DD>), each starts a
// line of its own, as if the writer had broken the line there.
//
// Text in the file is in the ANSI code page unless the file declares UTF-8
// (a byte-order mark, or charset=UTF-8 in a META tag before the first <DL>);
// URLs, names and descriptions then have their character references decoded.
#include <vector>

#include "exchange/folder_tree.h"
#include "exchange/html_text.h"
#include "exchange/import_file.h"
#include "exchange/netscape_bookmarks.h"
#include "exchange/text_conversion.h"
#include "exchange/text_lines.h"
#include "model/title_text.h"

using exchange::CFolderTree;

namespace {

constexpr std::string_view kCorrupted = "(Corrupted)";
constexpr std::string_view kLineBreakTag = "<br>";
constexpr std::string_view kStructureTags[] = {"dt", "dl", "/dl", "hr", "dd"};

bool IsStructureTag(std::string_view text, std::size_t at) {
    for (std::string_view tag : kStructureTags)
        if (exchange::IsTag(text, at, tag)) return true;
    return false;
}

void SplitIntoLines(std::string_view html, std::vector<std::string_view>& lines) {
    std::string_view physical;
    while (exchange::NextLine(html, physical)) {
        std::string_view line = exchange::TrimWhiteSpace(physical);
        std::size_t start = 0;
        for (std::size_t at = line.find('<'); at != std::string_view::npos;
             at = line.find('<', at + 1)) {
            if (at > start && IsStructureTag(line, at)) {
                lines.push_back(exchange::TrimWhiteSpace(line.substr(start, at - start)));
                start = at;
            }
            at = exchange::TagEnd(line, at);  // a '<' inside the tag starts nothing
            if (at == std::string_view::npos) break;
        }
        lines.push_back(line.substr(start));
    }
}

bool DeclaresUtf8(const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines) {
        if (exchange::IsTag(line, 0, "dl")) break;
        if (exchange::ContainsNoCase(line, "<meta") &&
            (exchange::ContainsNoCase(line, "charset=utf-8") ||
             exchange::ContainsNoCase(line, "charset=utf8")))
            return true;
    }
    return false;
}

// Text after the tag at the start of `rest` up to the next tag: a folder's or
// bookmark's name.
std::string_view NameAfterTag(std::string_view rest) {
    std::size_t end = exchange::TagEnd(rest, 0);
    if (end == std::string_view::npos) return kCorrupted;
    std::string_view name = rest.substr(end + 1);
    return name.substr(0, name.find('<'));
}

int LevelAtDepth(int depth) { return depth >= 1 ? 1 : 0; }

class CBookmarkFileReader {
public:
    CBookmarkFileReader(const platform::CodePage& codePage, bool utf8)
        : codePage_(codePage), utf8_(utf8), tree_(-1) {
        open_.push_back({CFolderTree::kRoot, Previous::kOther});
    }

    void Take(std::string_view line);
    void Finish() {
        if (pending_) FlushBookmark();
    }
    const CFolderTree& Tree() const { return tree_; }

private:
    // What the line before was, as far as a following <HR> cares.
    enum class Previous { kOther, kClosedFolder, kBookmark };
    struct OpenContent {
        int content;
        Previous previous;
    };

    std::string Text(std::string_view raw) const {
        if (!utf8_) return exchange::DecodeCharacterReferences(raw, codePage_);
        return exchange::DecodeCharacterReferences(Utf8ToAnsi(raw, codePage_, BreakMarks::kKeep),
                                                   codePage_);
    }
    std::string Url(std::string_view raw) const {
        return exchange::DecodeCharacterReferences(utf8_ ? Utf8UrlToAnsi(raw, codePage_) : std::string(raw),
                                                   codePage_);
    }
    void StartBookmark(std::string_view rest);
    bool TakeDescription(std::string_view line);
    void FlushBookmark();

    const platform::CodePage& codePage_;
    bool utf8_;
    CFolderTree tree_;
    std::vector<OpenContent> open_;  // [0] is the file outside every <DL>
    bool pending_ = false;           // a bookmark waits for its description
    bool inDescription_ = false;
    std::string_view url_, name_;
    std::int64_t lastVisited_ = 0;
    std::string description_;
};

void CBookmarkFileReader::Take(std::string_view line) {
    if (pending_) {
        if (TakeDescription(line)) return;
        FlushBookmark();
    }
    OpenContent& current = open_.back();
    Previous previous = current.previous;
    current.previous = Previous::kOther;
    int depth = tree_.Depth(current.content);

    if (exchange::IsTag(line, 0, "dl")) {
        open_.push_back({tree_.OpenContent(current.content), Previous::kOther});
    } else if (exchange::IsTag(line, 0, "/dl")) {
        if (open_.size() == 1) return;  // nothing open to close
        open_.pop_back();
        open_.back().previous = Previous::kClosedFolder;
    } else if (exchange::IsTag(line, 0, "dt")) {
        std::size_t end = exchange::TagEnd(line, 0);
        if (end == std::string_view::npos) return;
        std::string_view rest = exchange::TrimWhiteSpace(line.substr(end + 1));
        if (exchange::IsTag(rest, 0, "h3"))
            tree_.AddHeader(current.content, Text(NameAfterTag(rest)), LevelAtDepth(depth));
        else if (exchange::IsTag(rest, 0, "a") && depth >= 0)
            StartBookmark(rest);
    } else if (line.size() == 4 && exchange::IsTag(line, 0, "hr") && line[3] == '>') {
        if (previous == Previous::kClosedFolder)
            tree_.AddFolderSeparator(current.content, LevelAtDepth(depth));
        else if (previous == Previous::kBookmark)
            tree_.AddEntry(current.content, CFolderTree::Entry{{}, {}, {}, 0, true});
    }
}

void CBookmarkFileReader::StartBookmark(std::string_view rest) {
    std::size_t end = exchange::TagEnd(rest, 0);
    std::string_view tag = rest.substr(0, end);
    std::string_view url, lastVisited;
    if (!exchange::FindAttribute(tag, "href", url)) return;  // an anchor, not a bookmark
    exchange::FindAttribute(tag, "last_visit", lastVisited);
    pending_ = true;
    inDescription_ = false;
    url_ = url;
    name_ = NameAfterTag(rest);
    lastVisited_ = ParseSignedDecimal(lastVisited);
    description_.clear();
}

// The <DD> line after a bookmark holds its description; a description line
// that ends in <br> goes on on the next line, unless that line starts an
// entry of its own.
bool CBookmarkFileReader::TakeDescription(std::string_view line) {
    if (!inDescription_) {
        if (!exchange::IsTag(line, 0, "dd")) return false;
        std::size_t end = exchange::TagEnd(line, 0);
        line = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
        inDescription_ = true;
    } else if (IsStructureTag(line, 0)) {
        return false;
    }
    description_.append(line);
    if (!exchange::EndsWithNoCase(line, kLineBreakTag)) FlushBookmark();
    return true;
}

void CBookmarkFileReader::FlushBookmark() {
    // Every <br> is a line break, wherever it stands: the exporter writes a
    // note's breaks inside one line.
    std::string text = utf8_ ? Utf8ToAnsi(description_, codePage_, BreakMarks::kKeep) : description_;
    std::string note = exchange::ReplaceAll(text, kLineBreakTag, "\\n", exchange::Case::kIgnored);
    OpenContent& current = open_.back();
    tree_.AddEntry(current.content,
                   CFolderTree::Entry{Url(url_), Text(name_),
                                      exchange::DecodeCharacterReferences(note, codePage_),
                                      lastVisited_, false});
    current.previous = Previous::kBookmark;
    pending_ = inDescription_ = false;
}

}  // namespace

std::string NetscapeToList(std::string_view html, const platform::CodePage& codePage) {
    bool byteOrderMark = exchange::SkipByteOrderMark(html);
    std::vector<std::string_view> lines;
    SplitIntoLines(html, lines);
    CBookmarkFileReader reader(codePage, byteOrderMark || DeclaresUtf8(lines));
    for (std::string_view line : lines) reader.Take(line);
    reader.Finish();
    exchange::CListFileBuilder out;
    reader.Tree().Write(out);
    return out.Text();
}

int ImportNetscape(const std::string& newList, const std::string& source,
                   const ListEnvironment& env) {
    return exchange::ImportFile(newList, source, env, [&](std::string_view html, std::string& list) {
        // A bookmark file is text: a zero byte is another kind of file, or
        // one cut off while it was written, which would come in as an empty
        // or partial list without a word.
        if (html.find('\0') != std::string_view::npos) return false;
        list = NetscapeToList(html, *env.codePage);
        return true;
    });
}
