// Find: stepping through the outline to the next entry that contains a text.
#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

// The view positions that a walk through the outline passes, as the level
// views would show them. Entries that no view can show (titles that a
// hand-edited file put straight under a category, and whatever follows them
// in that category) are passed over as hidden.
class ViewTrail {
public:
    // Starts at the entry shown at `selection` down to `level` (-1: the head).
    ViewTrail(int level, const int (&selection)[kLevelCount]) : level_(level) {
        for (int l = 0; l < kLevelCount; ++l) positions_[l] = l <= level ? selection[l] : -1;
    }

    void StepToHead() {
        level_ = -1;
        hidden_ = false;
        for (int& position : positions_) position = -1;
    }

    void StepTo(int level) {
        if (hidden_) {
            if (level > level_) return;
            hidden_ = false;  // back at the level of the entry that hid them
        }
        if (level > level_ + 1) {
            hidden_ = true;
            return;
        }
        if (level == level_ + 1) {
            positions_[level] = 0;
        } else {
            ++positions_[level];
            for (int l = level + 1; l < kLevelCount; ++l) positions_[l] = -1;
        }
        level_ = level;
    }

    bool Shown() const { return !hidden_; }
    int Position(int level) const { return positions_[level]; }

private:
    int level_;
    bool hidden_ = false;
    int positions_[kLevelCount];
};

}  // namespace

bool CUrlListFile::Matches(int item, const platform::TextSearch& search) const {
    const platform::CodePage& cp = *env_.codePage;
    auto contains = [&](std::string_view field) {
        return search.FindIn(field) != std::string_view::npos;
    };
    if (items_[item].Has(ItemFlags::kSeparator)) return false;
    if (Level(item) != kTitle) return contains(cp.Lower(DisplayName(item)));
    // Lowering keeps TABs and the field tags (no letters), so the fields can be
    // read from the lowered line. The time and alias-number fields are not text
    // the user sees and do not count. URL and title are searched in one go
    // (a search text holds no TAB unless pasted in).
    std::string line = cp.Lower(ItemText(item));
    std::string_view view = line;
    std::size_t firstTab = view.find('\t');
    std::size_t secondTab = firstTab == std::string_view::npos ? firstTab : view.find('\t', firstTab + 1);
    if (contains(view.substr(0, secondTab))) return true;
    // Then the note and log-in fields, in one pass over the tagged fields.
    for (std::size_t tab = secondTab; tab != std::string_view::npos;) {
        std::size_t next = view.find('\t', tab + 1);
        std::string_view field = view.substr(tab + 1, next == std::string_view::npos ? next : next - tab - 1);
        if (field.size() > 2 && field[0] == kFieldTag && (field[1] == '+' || field[1] == '?') &&
            contains(field.substr(2)))
            return true;
        tab = next;
    }
    return false;
}

CUrlListFile::FindOutcome CUrlListFile::FindNext(std::string_view text, CFindState& round) {
    const FindOutcome unchanged{3, kLevelCount};
    std::string needle = env_.codePage->Lower(text);
    if (needle.empty()) return unchanged;  // would stop at every entry
    bool repeat = round.IsRepeat(needle, loadStamp_);
    platform::TextSearch search(needle, *env_.codePage);

    int deepest = kLevelCount - 1;
    while (deepest >= 0 && selection_[deepest] < 0) --deepest;
    int start = deepest < 0 ? 0 : SelectedItem(deepest);
    ViewTrail trail(deepest, selection_);
    for (int n = items_[start].next; n != start; n = items_[n].next) {
        if (n == 0) {
            trail.StepToHead();
            continue;
        }
        trail.StepTo(Level(n));
        if (!trail.Shown() || !Matches(n, search)) continue;

        int result = repeat && n == round.FirstFound() ? 1 : 0;
        if (!repeat) round.StartRound(std::move(needle), n, loadStamp_);
        int first = 0;
        while (first < kLevelCount && trail.Position(first) == selection_[first]) ++first;
        for (int l = first; l < kLevelCount; ++l)
            if (!ShowLevel(l, trail.Position(l))) return {-3, first};
        return {result, first};
    }
    if (repeat && start == round.FirstFound()) return {2, kLevelCount};
    if (start != 0 && Matches(start, search)) {
        round.StartRound(std::move(needle), start, loadStamp_);
        return {2, kLevelCount};
    }
    return unchanged;
}
