// The new list file an importer writes: category, subcategory and title lines
// in the layout the list writer uses, so the file loads into exactly the
// outline that was built and saves back byte for byte.
//
// A list has only two folder levels above its titles. A title that would
// stand outside them gets the missing levels as "Uncategorized" lines: a
// category and a subcategory when no folder line is in force (header level
// -1), a subcategory when only a category is (header level 0).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace exchange {

inline constexpr std::string_view kUncategorized = "Uncategorized";

class CListFileBuilder {
public:
    // A category (level 0) or subcategory (level 1) line; it becomes the header level.
    void AddFolder(std::string_view name, int level);
    // A separator at category or subcategory level; it becomes the header level.
    void AddFolderSeparator(int level);
    // A title line; the note may be raw or already escaped.
    void AddTitle(std::string_view url, std::string_view name, std::int64_t lastVisited,
                  std::string_view note);
    void AddTitleSeparator();

    // The level of the last folder line in force, -1 when none; readers lower
    // it as folders close.
    int HeaderLevel() const { return headerLevel_; }
    void SetHeaderLevel(int level) { headerLevel_ = level < -1 ? -1 : level; }

    const std::string& Text() const { return text_; }

private:
    void AppendSeparator(int level);
    void SupplyMissingLevels();

    std::string text_;
    int headerLevel_ = -1;
    bool hasCategory_ = false;
    int lastFolderLevel_ = -1;  // what actually stands above the next title
};

}  // namespace exchange
