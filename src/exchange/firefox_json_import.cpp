// Reading a Firefox bookmarks backup (the JSON file its Library writes).
//
// The file is the root container; its children are the standard folders
// (menu, toolbar, other and mobile bookmarks, and in older backups the tags).
// A container has "type" "text/x-moz-place-container" (or "typeCode" 2) and
// "children"; a place has "text/x-moz-place" (1), "title", "uri" and
// "lastModified" in microseconds since 1970; a separator has
// "text/x-moz-place-separator" (3). A description is the annotation
// "bookmarkProperties/description" among the place's "annos".
//
// The backup holds no time of a visit, so its titles are never visited: the
// time a bookmark was last changed would show an edited bookmark as recent.
#include "exchange/import_file.h"
#include "exchange/json_bookmark_tree.h"
#include "exchange/json_bookmarks.h"

using exchange::Json;
using exchange::JsonNodeKind;

namespace {

struct StandardFolder {
    std::string_view root;        // its "root" member
    std::string_view shortTitle;  // the title newer backups give it
    std::string_view name;        // what Firefox shows for it
};

const StandardFolder kStandardFolders[] = {
    {"bookmarksMenuFolder", "menu", "Bookmarks Menu"},
    {"toolbarFolder", "toolbar", "Bookmarks Toolbar"},
    {"unfiledBookmarksFolder", "unfiled", "Other Bookmarks"},
    {"mobileFolder", "mobile", "Mobile Bookmarks"},
};
// Tags hold copies of bookmarks found elsewhere.
constexpr std::string_view kTagsRoot = "tagsFolder";
// Addresses of saved searches, which only Firefox can open.
constexpr std::string_view kQueryScheme = "place:";

JsonNodeKind KindOf(const Json& node) {
    std::string_view type = exchange::StringMember(node, "type");
    const Json* code = exchange::Member(node, "typeCode");
    int typeCode = code && code->is_number_integer() ? code->get<int>() : 0;
    if (type == "text/x-moz-place-container" || typeCode == 2 ||
        (type.empty() && typeCode == 0 && exchange::ArrayMember(node, "children")))
        return JsonNodeKind::kFolder;
    if (type == "text/x-moz-place-separator" || typeCode == 3) return JsonNodeKind::kSeparator;
    if (type == "text/x-moz-place" || typeCode == 1 || (type.empty() && typeCode == 0)) {
        if (exchange::StringMember(node, "uri").substr(0, kQueryScheme.size()) == kQueryScheme)
            return JsonNodeKind::kOther;
        return JsonNodeKind::kBookmark;
    }
    return JsonNodeKind::kOther;
}

std::string_view NoteOf(const Json& node) {
    const Json* annotations = exchange::ArrayMember(node, "annos");
    if (annotations == nullptr) return {};
    for (const Json& annotation : *annotations)
        if (exchange::StringMember(annotation, "name") == "bookmarkProperties/description")
            return exchange::StringMember(annotation, "value");
    return {};
}

const exchange::JsonBookmarkFormat kFormat{
    {"children", "type", "typeCode", "root", "title", "uri", "annos", "name", "value"},
    "title",
    "uri",
    nullptr,
    0,
    KindOf,
    NoteOf,
};

std::string_view TopFolderName(const Json& folder) {
    std::string_view root = exchange::StringMember(folder, "root");
    std::string_view title = exchange::StringMember(folder, "title");
    for (const StandardFolder& standard : kStandardFolders)
        if (root == standard.root && (title.empty() || title == standard.shortTitle)) return standard.name;
    return title;
}

}  // namespace

bool FirefoxJsonToList(std::string_view json, const platform::CodePage& codePage, std::string& list) {
    Json document;
    if (!exchange::ParseBookmarkJson(json, kFormat, document)) return false;
    const Json* children = exchange::ArrayMember(document, "children");
    if (children == nullptr || KindOf(document) != JsonNodeKind::kFolder) return false;
    exchange::CJsonBookmarkReader reader(kFormat, codePage);
    for (const Json& folder : *children) {
        if (KindOf(folder) == JsonNodeKind::kFolder && exchange::StringMember(folder, "root") != kTagsRoot)
            reader.AddTopFolder(folder, TopFolderName(folder));
    }
    list = reader.ListText();
    return true;
}

int ImportFirefoxJson(const std::string& newList, const std::string& source, const ListEnvironment& env) {
    return exchange::ImportFile(newList, source, env, [&](std::string_view json, std::string& list) {
        return FirefoxJsonToList(json, *env.codePage, list);
    });
}
