// What the readers of browsers' JSON bookmark files share: parsing the file
// with bounded nesting, and walking its folders into a CFolderTree.
//
// The parse keeps only the members a reader asks for, so the document stays
// small whatever else a browser stores beside each bookmark; and it refuses
// nesting deeper than any browser writes, so no later step of the walk, and
// no destructor, recurses without bound.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/folder_tree.h"
#include "platform/code_page.h"

namespace exchange {

using Json = nlohmann::json;

enum class JsonNodeKind { kOther, kFolder, kBookmark, kSeparator };

// How one browser's file spells the parts of a bookmark.
struct JsonBookmarkFormat {
    std::vector<std::string_view> keys;  // the members that are read; all others are dropped
    const char* nameKey;
    const char* urlKey;
    const char* visitedKey;  // microseconds since the epoch below, as a number or in a string; null: none
    std::int64_t epoch;      // that epoch in seconds since 1970
    JsonNodeKind (*kindOf)(const Json& node);
    std::string_view (*noteOf)(const Json& node);
};

// The document of `text`; false when it is no JSON or nests too deeply.
// Never throws but for memory.
bool ParseBookmarkJson(std::string_view text, const JsonBookmarkFormat& format, Json& document);

// The member `key` of `object`, or nullptr when `object` has none (or is no object).
const Json* Member(const Json& object, const char* key);
// The text of a string member; empty when absent or not a string.
std::string_view StringMember(const Json& object, const char* key);
// The elements of an array member; nullptr when absent or not an array.
const Json* ArrayMember(const Json& object, const char* key);

class CJsonBookmarkReader {
public:
    CJsonBookmarkReader(const JsonBookmarkFormat& format, const platform::CodePage& codePage);

    // A category `name` holding what `folder` holds; a folder that holds
    // nothing is left out, as browsers keep their standard folders even when empty.
    void AddTopFolder(const Json& folder, std::string_view name);
    std::string ListText() const;

private:
    JsonNodeKind KindOf(const Json& node) const;
    void ReadChildren(const Json& children, int content);
    void AddBookmark(const Json& node, int content);
    std::string Text(std::string_view utf8) const;
    std::string FolderName(std::string_view utf8) const;

    const JsonBookmarkFormat& format_;
    const platform::CodePage& codePage_;
    CFolderTree tree_;
};

}  // namespace exchange
