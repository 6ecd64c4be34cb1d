// A hash index of normalised URLs: each distinct address gets the number of
// the first entry that had it. Its storage grows only through the list's
// memory gate, so a refusal becomes -3 with nothing half done.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class MemoryGate;

class UrlKeyIndex {
public:
    explicit UrlKeyIndex(MemoryGate* gate) : gate_(gate) {}
    // Room for `entries` addresses without rehashing; false when refused.
    bool Reserve(std::size_t entries);
    // The entry number of the first URL with the same address, or the new
    // entry's own number; -3 when memory ran out.
    int Add(std::string_view url);
    // The entry number of the URL's address, -1 when it is not held.
    int Find(std::string_view url);
    int Size() const { return static_cast<int>(hashes_.size()); }

private:
    std::uint32_t Normalize(std::string_view url);  // into scratch_, its hash
    std::size_t Probe(std::uint32_t hash) const;     // the slot holding or awaiting scratch_
    std::string_view Key(int entry) const;

    MemoryGate* gate_;
    std::string keys_;                  // every entry's key, one after another
    std::vector<std::uint32_t> ends_;   // where each entry's key ends in keys_
    std::vector<std::uint32_t> hashes_;
    std::vector<std::int32_t> slots_;   // entry number + 1, 0 for free
    std::string scratch_;
};
