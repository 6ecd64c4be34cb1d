// Adding entries and changing their texts.
#include <algorithm>

#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

// A name, title, URL or log-in name is one field of one line of the list
// file: a TAB would split the fields and a line break the line. (These bytes
// are never the second byte of a double-byte character.)
std::string OneLineField(std::string_view text, const platform::CodePage& cp) {
    std::string field(text);
    std::replace_if(field.begin(), field.end(),
                    [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return std::string(platform::Trim(field, cp));
}

}  // namespace

void CUrlListFile::ReplaceText(int item, std::string text) {
    if (RawText(item) == text) return;
    texts_.Set(item, text);
    modified_ = true;
}

void CUrlListFile::CountTitles(int delta) {
    titleCount_ += delta;
    if (delta > 0 && titleCount_ >= kFullTitleCount) full_ = true;
    if (delta < 0 && titleCount_ < kFullTitleCount) full_ = false;
}

int CUrlListFile::EditableTitle(int item) const {
    item = ResolveAlias(item);
    if (!IsLinked(item) || Level(item) != kTitle) return 0;
    const ListItem& it = items_[item];
    return it.Has(ItemFlags::kSeparator) || it.Has(ItemFlags::kAlias) ? 0 : item;
}

int CUrlListFile::AddItem(int level, std::string text, std::string_view sortKey) {
    if (text.empty()) return -1;  // it would read back as a separator
    Placement place;
    if (int result = PlaceEntry(level, sortKey, place); result != 0) return result;
    int item = InsertBefore(place.before, std::move(text), static_cast<std::uint8_t>(level));
    if (item < 0) return -3;
    ShowPlacedEntry(level, place, item);
    if (level == kTitle) CountTitles(1);
    return place.position;
}

void CUrlListFile::EditItem(int level, int position, std::string_view name, std::string_view url) {
    int item = ResolveAlias(ItemAt(level, position));
    if (item <= 0 || items_[item].Has(ItemFlags::kSeparator)) return;
    const platform::CodePage& cp = *env_.codePage;
    std::string newName = OneLineField(name, cp);
    if (Level(item) != kTitle) {
        if (!newName.empty()) ReplaceText(item, std::move(newName));
        return;
    }
    std::string newUrl = OneLineField(url, cp);
    if (newUrl.empty()) return;  // the line would start with a TAB and lose it
    std::string_view old = RawText(item);
    ReplaceText(item, ComposeTitleText(newUrl, newName, LastVisited(old), TitleNote(old),
                                       TitleLogIn(old), AliasNumber(old)));
}

void CUrlListFile::SetNoteAndLogIn(int item, std::string_view note, std::string_view logIn) {
    item = EditableTitle(item);
    if (item == 0) return;
    std::string_view old = RawText(item);
    ReplaceText(item, ComposeTitleText(TitleUrl(old), TitleName(old), LastVisited(old), note,
                                       OneLineField(logIn, *env_.codePage), AliasNumber(old)));
}

void CUrlListFile::SetTitleUrl(int item, std::string_view url) {
    item = EditableTitle(item);
    std::string newUrl = OneLineField(url, *env_.codePage);
    if (item == 0 || newUrl.empty()) return;
    std::string_view old = RawText(item);
    ReplaceText(item, ComposeTitleText(newUrl, TitleName(old), LastVisited(old), TitleNote(old),
                                       TitleLogIn(old), AliasNumber(old)));
}

void CUrlListFile::SetLastVisited(int item, bool never) {
    item = EditableTitle(item);
    if (item == 0) return;
    std::string_view old = RawText(item);
    ReplaceText(item, ComposeTitleText(TitleUrl(old), TitleName(old), never ? 0 : env_.clock->Now(),
                                       TitleNote(old), TitleLogIn(old), AliasNumber(old)));
}

int CUrlListFile::InsertSeparator(int level) {
    if (level < 0 || level >= kLevelCount || selection_[level] < 0) return -1;
    int position = selection_[level];
    if (!GrowBy(views_[level], kViewStep)) return -3;
    int item = InsertBefore(ItemAt(level, position), std::string(),
                            static_cast<std::uint8_t>(level | ItemFlags::kSeparator));
    if (item < 0) return -3;
    InsertInView(level, position, item);
    ++selection_[level];  // the highlighted entry stays highlighted, below the line
    return position;
}

void CUrlListFile::MoveInView(int level, int from, int to) {
    if (level < 0 || level >= kLevelCount) return;
    int last = Last(level);
    if (from < 0 || from > last || to < -1) return;
    if (to > last) to = -1;
    if (to == from || to == from + 1 || (to == -1 && from == last)) return;

    int item = ItemAt(level, from);
    int before = to < 0 ? NextSibling(ItemAt(level, last)).item : ItemAt(level, to);
    bool wasSelected = SelectedItem(level) == item;
    MoveSubtree(item, before);

    auto view = views_[level].begin();
    int position = to < 0 ? last : to < from ? to : to - 1;
    if (position < from)
        std::rotate(view + position, view + from, view + from + 1);
    else
        std::rotate(view + from, view + from + 1, view + position + 1);
    if (wasSelected)
        selection_[level] = position;  // the views below still show its children
    else
        Reselect(level, position);
}
