// Reading an Opera hotlist into a new list file.
//
// A hotlist is a sequence of blocks: a "#FOLDER" or "#URL" line followed by
// field lines ("NAME=...", indented by a TAB). A block ends at an empty line,
// and also where the next block or a folder's closing "-" begins, so that a
// hotlist edited by hand without its empty lines keeps its entries.
//
// Hotlists since Opera 7 declare "encoding = utf8" on their second line; older
// ones are in the system's code page and are taken as they are.
#include <vector>

#include "exchange/folder_tree.h"
#include "exchange/html_text.h"
#include "exchange/import_file.h"
#include "exchange/opera_hotlist.h"
#include "exchange/text_conversion.h"
#include "exchange/text_lines.h"
#include "model/title_text.h"

using exchange::CFolderTree;

namespace {

constexpr std::string_view kHeader = "Opera Hotlist version 2.0";
constexpr std::string_view kCorrupted = "(Corrupted)";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool DeclaresUtf8(std::string_view optionsLine) {
    return StartsWith(optionsLine, "Options:") && exchange::ContainsNoCase(optionsLine, "utf8");
}

class CHotlistReader {
public:
    CHotlistReader(const platform::CodePage& codePage, bool utf8)
        : codePage_(codePage), utf8_(utf8), tree_(-1) {
        open_.push_back(CFolderTree::kRoot);
    }

    void Take(std::string_view line);
    void Finish() { EndBlock(); }
    const CFolderTree& Tree() const { return tree_; }

private:
    enum class Block { kNone, kFolder, kEntry };

    std::string Text(std::string_view raw, BreakMarks marks) const;
    void EndBlock();

    const platform::CodePage& codePage_;
    bool utf8_;
    CFolderTree tree_;
    std::vector<int> open_;  // [0] is the hotlist outside every folder
    Block block_ = Block::kNone;
    std::size_t header_ = 0;  // the open folder block's header in its parent
    CFolderTree::Entry entry_;
};

std::string CHotlistReader::Text(std::string_view raw, BreakMarks marks) const {
    if (utf8_) return Utf8ToAnsi(raw, codePage_, marks);
    return marks == BreakMarks::kConvert ? exchange::ReplaceAll(raw, "\x02\x02", "\\n") : std::string(raw);
}

void CHotlistReader::Take(std::string_view raw) {
    std::string_view line = exchange::TrimWhiteSpace(raw);
    if (line.empty() || line[0] == '#' || line == "-") {
        EndBlock();
        if (line == "#FOLDER") {
            int parent = open_.back();
            int level = tree_.Depth(parent) + 1 >= 1 ? 1 : 0;
            header_ = tree_.AddHeader(parent, std::string(kCorrupted), level);
            open_.push_back(tree_.OpenContent(parent));
            block_ = Block::kFolder;
        } else if (line == "#URL") {
            entry_ = CFolderTree::Entry{std::string(kCorrupted), std::string(kCorrupted), {}, 0, false};
            block_ = Block::kEntry;
        } else if (line == "-" && open_.size() > 1) {
            open_.pop_back();
        }
        return;
    }
    if (block_ == Block::kFolder) {
        if (StartsWith(line, "NAME="))
            tree_.NameHeader(open_[open_.size() - 2], header_, Text(line.substr(5), BreakMarks::kKeep));
    } else if (block_ == Block::kEntry) {
        if (StartsWith(line, "NAME="))
            entry_.name = Text(line.substr(5), BreakMarks::kKeep);
        else if (StartsWith(line, "URL="))
            entry_.url = utf8_ ? Utf8UrlToAnsi(line.substr(4), codePage_) : std::string(line.substr(4));
        else if (StartsWith(line, "VISITED="))
            entry_.lastVisited = ParseSignedDecimal(line.substr(8));
        else if (StartsWith(line, "DESCRIPTION="))
            entry_.note = Text(line.substr(12), BreakMarks::kConvert);
    }
}

void CHotlistReader::EndBlock() {
    if (block_ == Block::kEntry) tree_.AddEntry(open_.back(), std::move(entry_));
    block_ = Block::kNone;
}

}  // namespace

bool OperaToList(std::string_view hotlist, const platform::CodePage& codePage, std::string& list) {
    // Some editors put a byte-order mark before the header.
    exchange::SkipByteOrderMark(hotlist);
    std::string_view line;
    if (!exchange::NextLine(hotlist, line) || exchange::TrimTrailingWhiteSpace(line) != kHeader)
        return false;
    std::string_view rest = hotlist;
    std::string_view options;
    CHotlistReader reader(codePage, exchange::NextLine(rest, options) &&
                                        DeclaresUtf8(exchange::TrimWhiteSpace(options)));
    while (exchange::NextLine(hotlist, line)) reader.Take(line);
    reader.Finish();
    exchange::CListFileBuilder out;
    reader.Tree().Write(out);
    list = out.Text();
    return true;
}

int ImportOpera(const std::string& newList, const std::string& source, const ListEnvironment& env) {
    return exchange::ImportFile(newList, source, env, [&](std::string_view hotlist, std::string& list) {
        return OperaToList(hotlist, *env.codePage, list);
    });
}
