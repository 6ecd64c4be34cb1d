#include "exchange/json_bookmark_tree.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "exchange/list_file_builder.h"
#include "exchange/text_conversion.h"
#include "model/title_text.h"

namespace exchange {

namespace {

// Each folder takes two levels (its object and its array of children), so
// this leaves room for folders about 250 deep, which is far beyond any real
// file and far within any thread's stack for the walk below.
constexpr int kMaxDepth = 512;
constexpr std::string_view kCorrupted = "(Corrupted)";
constexpr std::int64_t kMicroseconds = 1000000;

int LevelAtDepth(int depth) { return depth >= 1 ? 1 : 0; }

std::int64_t Microseconds(const Json* value) {
    if (value == nullptr) return 0;
    if (value->is_number_unsigned()) {
        auto n = value->get<std::uint64_t>();
        return n > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                   ? std::numeric_limits<std::int64_t>::max()
                   : static_cast<std::int64_t>(n);
    }
    if (value->is_number_integer()) return value->get<std::int64_t>();
    if (value->is_number_float()) {
        double n = value->get<double>();
        return n > 0 && n < 9e18 ? static_cast<std::int64_t>(n) : 0;
    }
    if (const auto* text = value->get_ptr<const std::string*>()) return ParseSignedDecimal(*text);
    return 0;
}

// Seconds since 1970 for microseconds since `epoch`; 0 (never) for a date
// before 1970 or none.
std::int64_t UnixSeconds(std::int64_t microseconds, std::int64_t epoch) {
    if (microseconds <= 0) return 0;
    std::int64_t seconds = microseconds / kMicroseconds + epoch;
    return seconds > 0 ? seconds : 0;
}

// Builds the document of the members that are read, as the parser meets
// them; a member that is not read is stepped over with all it holds. Nesting
// deeper than kMaxDepth ends the parse at once.
class CBoundedDocument final : public Json::json_sax_t {
public:
    CBoundedDocument(const std::vector<std::string_view>& keys, Json& document)
        : keys_(keys), document_(document) {}

    bool null() override { return Add(Json()); }
    bool boolean(bool value) override { return Add(Json(value)); }
    bool number_integer(number_integer_t value) override { return Add(Json(value)); }
    bool number_unsigned(number_unsigned_t value) override { return Add(Json(value)); }
    bool number_float(number_float_t value, const string_t&) override { return Add(Json(value)); }
    bool string(string_t& value) override { return Add(Json(std::move(value))); }
    bool binary(binary_t&) override { return Add(Json()); }
    bool start_object(std::size_t) override { return Open(Json::object()); }
    bool start_array(std::size_t) override { return Open(Json::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& key) override {
        if (skipped_ > 0) return true;
        if (std::find(keys_.begin(), keys_.end(), key) == keys_.end())
            skipNext_ = true;
        else
            member_ = &(*open_.back())[std::move(key)];
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const Json::exception&) override { return false; }

private:
    Json* Place(Json value) {
        if (open_.empty()) return &(document_ = std::move(value));
        Json& container = *open_.back();
        if (!container.is_array()) return &(*member_ = std::move(value));
        container.push_back(std::move(value));
        return &container.back();
    }
    // Whether the next value belongs to a member that is not read.
    bool Skipped() {
        bool skipped = skipped_ > 0 || skipNext_;
        skipNext_ = false;
        return skipped;
    }
    bool Add(Json value) {
        if (!Skipped()) Place(std::move(value));
        return true;
    }
    bool Open(Json container) {
        if (++depth_ > kMaxDepth) return false;
        if (Skipped())
            ++skipped_;
        else
            open_.push_back(Place(std::move(container)));
        return true;
    }
    bool Close() {
        --depth_;
        if (skipped_ > 0)
            --skipped_;
        else
            open_.pop_back();
        return true;
    }

    const std::vector<std::string_view>& keys_;
    Json& document_;
    std::vector<Json*> open_;  // the containers being filled, innermost last
    Json* member_ = nullptr;   // where the value of the last member read goes
    int depth_ = 0;
    int skipped_ = 0;  // containers open inside a member that is not read
    bool skipNext_ = false;
};

}  // namespace

bool ParseBookmarkJson(std::string_view text, const JsonBookmarkFormat& format, Json& document) {
    document = Json();
    CBoundedDocument builder(format.keys, document);
    return Json::sax_parse(text.data(), text.data() + text.size(), &builder);
}

const Json* Member(const Json& object, const char* key) {
    if (!object.is_object()) return nullptr;
    auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::string_view StringMember(const Json& object, const char* key) {
    const Json* member = Member(object, key);
    const auto* text = member ? member->get_ptr<const std::string*>() : nullptr;
    return text ? std::string_view(*text) : std::string_view();
}

const Json* ArrayMember(const Json& object, const char* key) {
    const Json* member = Member(object, key);
    return member && member->is_array() ? member : nullptr;
}

CJsonBookmarkReader::CJsonBookmarkReader(const JsonBookmarkFormat& format,
                                         const platform::CodePage& codePage)
    : format_(format), codePage_(codePage), tree_(0) {}

std::string CJsonBookmarkReader::Text(std::string_view utf8) const {
    return Utf8ToAnsi(utf8, codePage_, BreakMarks::kKeep);
}

// An empty name would make the folder's line a separator.
std::string CJsonBookmarkReader::FolderName(std::string_view utf8) const {
    std::string name = Text(utf8);
    return name.empty() ? std::string(kCorrupted) : name;
}

void CJsonBookmarkReader::AddTopFolder(const Json& folder, std::string_view name) {
    const Json* children = ArrayMember(folder, "children");
    if (children == nullptr || children->empty()) return;
    tree_.AddHeader(CFolderTree::kRoot, FolderName(name), 0);
    ReadChildren(*children, tree_.OpenContent(CFolderTree::kRoot));
}

// A bookmark without an address is nothing the list can open.
JsonNodeKind CJsonBookmarkReader::KindOf(const Json& node) const {
    JsonNodeKind kind = format_.kindOf(node);
    if (kind == JsonNodeKind::kBookmark && StringMember(node, format_.urlKey).empty()) return JsonNodeKind::kOther;
    return kind;
}

// A separator stands between folders when it follows one, between bookmarks
// when it follows one, and is dropped elsewhere, as in bookmark files.
void CJsonBookmarkReader::ReadChildren(const Json& children, int content) {
    JsonNodeKind previous = JsonNodeKind::kOther;
    int level = LevelAtDepth(tree_.Depth(content));
    for (const Json& node : children) {
        JsonNodeKind kind = KindOf(node);
        if (kind == JsonNodeKind::kFolder) {
            tree_.AddHeader(content, FolderName(StringMember(node, format_.nameKey)), level);
            int inner = tree_.OpenContent(content);
            // The parse bounded the nesting, and with it this recursion.
            if (const Json* grandchildren = ArrayMember(node, "children")) ReadChildren(*grandchildren, inner);
        } else if (kind == JsonNodeKind::kBookmark) {
            AddBookmark(node, content);
        } else if (kind == JsonNodeKind::kSeparator) {
            if (previous == JsonNodeKind::kFolder)
                tree_.AddFolderSeparator(content, level);
            else if (previous == JsonNodeKind::kBookmark)
                tree_.AddEntry(content, CFolderTree::Entry{{}, {}, {}, 0, true});
        }
        previous = kind;
    }
}

void CJsonBookmarkReader::AddBookmark(const Json& node, int content) {
    CFolderTree::Entry entry;
    entry.url = Utf8UrlToAnsi(StringMember(node, format_.urlKey), codePage_);
    entry.name = Text(StringMember(node, format_.nameKey));
    if (entry.name.empty()) entry.name = entry.url;  // what browsers show for a page without a title
    if (format_.noteOf) entry.note = Text(format_.noteOf(node));
    if (format_.visitedKey)
        entry.lastVisited = UnixSeconds(Microseconds(Member(node, format_.visitedKey)), format_.epoch);
    tree_.AddEntry(content, std::move(entry));
}

std::string CJsonBookmarkReader::ListText() const {
    CListFileBuilder out;
    tree_.Write(out);
    return out.Text();
}

}  // namespace exchange
