// Merging titles with the same address into aliases of the first one.
#include <algorithm>

#include "model/duplicate_urls.h"
#include "model/list_memory.h"
#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

constexpr std::string_view kEscapedLineBreak = "\\n";

// The fields of the title that stays, gathering what its duplicates add.
struct KeptTitle {
    std::string note;  // escaped, as stored
    std::string logIn;
    std::int64_t lastVisited;
    std::string_view name;
    bool noteExtended = false;

    explicit KeptTitle(std::string_view text)
        : note(TitleNote(text)), logIn(TitleLogIn(text)), lastVisited(LastVisited(text)),
          name(TitleName(text)) {}

    void AddNoteLine(std::string_view line) {
        if (line.empty() || note == line || note.find(line) != std::string::npos) return;
        if (!note.empty()) note += kEscapedLineBreak;
        note += line;
        noteExtended = true;
    }

    void Absorb(std::string_view text) {
        lastVisited = std::max(lastVisited, LastVisited(text));
        if (TitleName(text) != name) AddNoteLine(std::string(TitleName(text)));
        AddNoteLine(TitleNote(text));
        std::string_view otherLogIn = TitleLogIn(text);
        if (logIn.empty())
            logIn = otherLogIn;
        else if (!otherLogIn.empty() && otherLogIn != logIn)
            AddNoteLine("Log-in name: " + std::string(otherLogIn));
    }
};

}  // namespace

int CUrlListFile::MergeDuplicateUrls(DuplicateMergeCounts& counts) {
    counts = DuplicateMergeCounts();
    DuplicateGroups groups;
    if (FindDuplicateUrls(*this, groups) != 0) return -3;
    if (groups.Count() == 0) return 0;
    // keeperOf[item]: the title that a replaced title's aliases now stand for.
    std::vector<std::uint16_t> keeperOf;
    if (!ReserveThroughGate(env_.memory, keeperOf, static_cast<std::size_t>(count_) + 1)) return -3;
    keeperOf.assign(static_cast<std::size_t>(count_) + 1, 0);

    for (int g = 0; g < groups.Count(); ++g) {
        std::uint16_t kept = groups.items[groups.starts[g]];
        KeptTitle fields(texts_[kept]);
        for (std::uint32_t i = groups.starts[g] + 1; i < groups.starts[g + 1]; ++i) {
            std::uint16_t later = groups.items[i];
            fields.Absorb(texts_[later]);
            keeperOf[later] = kept;
            texts_[later] = std::string(kAliasPrefix) + std::to_string(kept);
            items_[later].flags = static_cast<std::uint8_t>(
                (items_[later].flags & ItemFlags::kMarked) | kTitle | ItemFlags::kAlias);
            CountTitles(-1);
            ++counts.aliases;
        }
        std::string_view old = RawText(kept);
        texts_[kept] = ComposeTitleText(TitleUrl(old), fields.name, fields.lastVisited, fields.note,
                                        fields.logIn, kept);
        items_[kept].flags |= ItemFlags::kAliasTarget;
        ++counts.groups;
        if (fields.noteExtended) ++counts.notesExtended;
    }
    // Aliases of a replaced title now stand for the title that stays.
    for (int item = First(); item != 0; item = Next(item)) {
        if (!items_[item].Has(ItemFlags::kAlias)) continue;
        int target = ResolveAlias(item);
        if (target > 0 && target <= count_ && keeperOf[target] != 0)
            texts_[item] = std::string(kAliasPrefix) + std::to_string(keeperOf[target]);
    }
    modified_ = true;
    return 0;
}
