// Titles of a list that point at the same address, and what the cleanup
// commands do with them: mark every occurrence but the first, mark the titles
// the other list already holds, or turn later occurrences into aliases.
//
// Two URLs are the same address when they are equal after the harmless
// normalisations only: the scheme and the host in lower case, a default port
// dropped and an empty path read as "/". A query or a fragment is never
// dropped. Aliases are never duplicates of their target, and separators and
// titles without a URL take no part.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CUrlListFile;

// Appends the comparison form of `url` to `out`.
void AppendNormalizedUrl(std::string& out, std::string_view url);
std::string NormalizedUrl(std::string_view url);

// Groups of titles with the same address, in outline order of their first
// title; the titles of a group are in outline order too.
struct DuplicateGroups {
    std::vector<std::uint16_t> items;   // every group's titles, group after group
    std::vector<std::uint32_t> starts;  // where each group begins in items, then the end
    int Count() const { return starts.empty() ? 0 : static_cast<int>(starts.size()) - 1; }
    int First(int group) const { return items[starts[group]]; }
};

// 0, or -3 when memory ran out (`groups` is then empty).
int FindDuplicateUrls(const CUrlListFile& list, DuplicateGroups& groups);

// Marks every title of a group but its first, so that the commands for marked
// items act on them. The number newly marked (0 when there are none); -3 out
// of memory (the marks made stay); -4 marks exist above the title level.
int MarkDuplicateUrls(CUrlListFile& list);
// The same for the groups FindDuplicateUrls gave for `list`.
int MarkDuplicateUrls(CUrlListFile& list, const DuplicateGroups& groups);

// Marks the titles of `list` whose address a title of `other` already has;
// results as MarkDuplicateUrls.
int MarkUrlsHeldBy(CUrlListFile& list, const CUrlListFile& other);

struct DuplicateMergeCounts {
    int groups = 0;         // groups merged
    int aliases = 0;        // titles replaced by an alias
    int notesExtended = 0;  // kept titles whose note took what differed
};
