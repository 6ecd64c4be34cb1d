// Reading the bookmarks file of a Chrome or Edge profile.
//
// The file holds one object whose "roots" are the bookmark bar, the other
// bookmarks and the bookmarks synced from phones. Each is a folder: an object
// with "name", "type" "folder" and "children"; a bookmark has "type" "url",
// "name", "url" and, once opened from the bookmarks, "date_last_used" in
// microseconds since 1601 (as a decimal string).
#include <initializer_list>

#include "exchange/import_file.h"
#include "exchange/json_bookmark_tree.h"
#include "exchange/json_bookmarks.h"

using exchange::Json;
using exchange::JsonNodeKind;

namespace {

constexpr std::int64_t k1601 = -11644473600;  // 1601-01-01 in seconds since 1970

struct Root {
    const char* key;
    std::string_view name;  // when the file names it not
};

const Root kRoots[] = {
    {"bookmark_bar", "Bookmarks bar"},
    {"other", "Other bookmarks"},
    {"synced", "Mobile bookmarks"},
};

JsonNodeKind KindOf(const Json& node) {
    std::string_view type = exchange::StringMember(node, "type");
    if (type == "folder" || (type.empty() && exchange::ArrayMember(node, "children"))) return JsonNodeKind::kFolder;
    if (type == "url" || type.empty()) return JsonNodeKind::kBookmark;
    return JsonNodeKind::kOther;
}

const exchange::JsonBookmarkFormat kFormat{
    {"roots", "bookmark_bar", "other", "synced", "children", "type", "name", "url", "date_last_used"},
    "name",
    "url",
    "date_last_used",
    k1601,
    KindOf,
    nullptr,
};

}  // namespace

bool ChromiumToList(std::string_view json, const platform::CodePage& codePage, std::string& list) {
    Json document;
    if (!exchange::ParseBookmarkJson(json, kFormat, document)) return false;
    const Json* roots = exchange::Member(document, "roots");
    if (roots == nullptr || !roots->is_object()) return false;
    exchange::CJsonBookmarkReader reader(kFormat, codePage);
    for (const Root& root : kRoots) {
        const Json* folder = exchange::Member(*roots, root.key);
        if (folder == nullptr) continue;
        std::string_view name = exchange::StringMember(*folder, "name");
        reader.AddTopFolder(*folder, name.empty() ? root.name : name);
    }
    list = reader.ListText();
    return true;
}

int ImportChromium(const std::string& newList, const std::string& source, const ListEnvironment& env) {
    return exchange::ImportFile(newList, source, env, [&](std::string_view json, std::string& list) {
        return ChromiumToList(json, *env.codePage, list);
    });
}

std::string ProposedChromiumSource(const std::string& localAppData, platform::FileSystem& files) {
    if (localAppData.empty()) return {};
    auto profileFile = [&](std::initializer_list<std::string_view> folders) {
        std::string path = localAppData;
        for (std::string_view folder : folders) path = platform::JoinPath(path, folder);
        return platform::JoinPath(path, "Bookmarks");
    };
    std::string chrome = profileFile({"Google", "Chrome", "User Data", "Default"});
    std::string edge = profileFile({"Microsoft", "Edge", "User Data", "Default"});
    return !files.Exists(chrome) && files.Exists(edge) ? edge : chrome;
}
