// The folders of a bookmark file or hotlist as its reader meets them, and the
// order the list file needs: each folder's header, then its own entries, then
// its subfolders. Readers of nested formats record each folder's content in
// one pass; Write then emits it in that order without reading the source again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/list_file_builder.h"

namespace exchange {

class CFolderTree {
public:
    struct Entry {
        std::string url;
        std::string name;
        std::string note;
        std::int64_t lastVisited = 0;
        bool separator = false;
    };

    static constexpr int kRoot = 0;

    // The root content is at `rootDepth`; each content opened in another is one deeper.
    explicit CFolderTree(int rootDepth);

    int OpenContent(int parent);
    int Depth(int content) const { return contents_[content].depth; }
    // A folder header line at `level`; the index lets a reader name it later.
    std::size_t AddHeader(int content, std::string name, int level);
    void NameHeader(int content, std::size_t header, std::string name);
    void AddFolderSeparator(int content, int level);
    void AddEntry(int content, Entry entry);

    void Write(CListFileBuilder& out) const;

private:
    struct Step {
        enum Kind { kHeader, kSeparator, kContent } kind;
        int level;  // header and separator
        int content;  // kContent
        std::string name;
    };
    struct Content {
        int depth;
        std::vector<Entry> entries;
        std::vector<Step> steps;
    };

    std::vector<Content> contents_;
};

}  // namespace exchange
