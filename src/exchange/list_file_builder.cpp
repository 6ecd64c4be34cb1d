#include "exchange/list_file_builder.h"

#include "exchange/text_lines.h"
#include "model/title_text.h"

namespace exchange {

namespace {

// Foreign names may hold any byte; a TAB, CR or LF would split or end the
// line and change the outline when the list is read back.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return line;
}

// Notes keep their line breaks and TABs (the title text escapes them);
// other control bytes have no meaning in a note.
std::string NoteText(std::string_view text) {
    std::string note(text);
    for (char& c : note)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') c = ' ';
    return note;
}

}  // namespace

void CListFileBuilder::AppendSeparator(int level) { AppendListLine(text_, level, {}, true); }

void CListFileBuilder::AddFolder(std::string_view name, int level) {
    // The list reader trims every line; trimming here keeps the file as it reads back.
    std::string clean = OneLine(name);
    std::string_view text = TrimWhiteSpace(clean);
    if (text.empty()) {  // reads back as a separator: write it as one
        AddFolderSeparator(level);
        return;
    }
    // A subcategory ahead of every category would be dropped when the list is read.
    if (level == 1 && !hasCategory_) AppendListLine(text_, 0, kUncategorized, false);
    AppendListLine(text_, level, text, false);
    hasCategory_ = true;
    headerLevel_ = lastFolderLevel_ = level;
}

void CListFileBuilder::AddFolderSeparator(int level) {
    headerLevel_ = level;
    if (!hasCategory_) return;  // the list reader drops what precedes the first category
    AppendSeparator(level);
    lastFolderLevel_ = level;
}

void CListFileBuilder::SupplyMissingLevels() {
    if (headerLevel_ < 0 || !hasCategory_) {
        AddFolder(kUncategorized, 0);
        AddFolder(kUncategorized, 1);
    } else if (headerLevel_ == 0 || lastFolderLevel_ == 0) {
        // Titles straight below a category would be out of reach of the views.
        AddFolder(kUncategorized, 1);
    }
    headerLevel_ = 1;
}

void CListFileBuilder::AddTitle(std::string_view url, std::string_view name,
                                std::int64_t lastVisited, std::string_view note) {
    if (headerLevel_ < 1 || lastFolderLevel_ < 1) SupplyMissingLevels();
    std::string text =
        ComposeTitleText(OneLine(url), OneLine(name), lastVisited, NoteText(note), {}, 0);
    std::string_view trimmed = TrimWhiteSpace(text);
    if (trimmed.empty())
        AppendSeparator(2);
    else
        AppendListLine(text_, 2, trimmed, false);
}

void CListFileBuilder::AddTitleSeparator() {
    if (lastFolderLevel_ < 1) return;  // only ever follows a title
    AppendSeparator(2);
}

}  // namespace exchange
