#include "model/url_key_index.h"

#include "model/duplicate_urls.h"
#include "model/list_memory.h"

namespace {

std::uint32_t Fnv1a(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : bytes) hash = (hash ^ c) * 16777619u;
    return hash;
}

// Doubling keeps appending in amortised constant time.
template <typename Vector>
bool RoomFor(MemoryGate* gate, Vector& vector, std::size_t extra) {
    std::size_t needed = vector.size() + extra;
    if (needed <= vector.capacity()) return true;
    std::size_t grown = vector.capacity() * 2;
    return ReserveThroughGate(gate, vector, grown > needed ? grown : needed);
}

}  // namespace

bool UrlKeyIndex::Reserve(std::size_t entries) {
    std::size_t slots = 16;
    while (slots < entries * 2) slots *= 2;  // at most half full: short probes
    if (slots <= slots_.size()) return true;
    if (!ReserveThroughGate(gate_, slots_, slots) || !ReserveThroughGate(gate_, hashes_, entries) ||
        !ReserveThroughGate(gate_, ends_, entries))
        return false;
    slots_.assign(slots, 0);
    for (int entry = 0; entry < Size(); ++entry) {
        std::size_t mask = slots_.size() - 1;
        std::size_t slot = hashes_[entry] & mask;
        while (slots_[slot] != 0) slot = (slot + 1) & mask;
        slots_[slot] = entry + 1;
    }
    return true;
}

std::uint32_t UrlKeyIndex::Normalize(std::string_view url) {
    scratch_.clear();
    AppendNormalizedUrl(scratch_, url);
    return Fnv1a(scratch_);
}

std::string_view UrlKeyIndex::Key(int entry) const {
    std::uint32_t begin = entry == 0 ? 0 : ends_[entry - 1];
    return std::string_view(keys_).substr(begin, ends_[entry] - begin);
}

std::size_t UrlKeyIndex::Probe(std::uint32_t hash) const {
    std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    for (; slots_[slot] != 0; slot = (slot + 1) & mask) {
        int entry = slots_[slot] - 1;
        if (hashes_[entry] == hash && Key(entry) == scratch_) break;
    }
    return slot;
}

int UrlKeyIndex::Add(std::string_view url) {
    if (!ReserveThroughGate(gate_, scratch_, url.size() + 8)) return -3;
    std::uint32_t hash = Normalize(url);
    if (static_cast<std::size_t>(Size() + 1) * 2 > slots_.size() &&
        !Reserve(static_cast<std::size_t>(Size() + 1) * 2))
        return -3;
    std::size_t slot = Probe(hash);
    if (slots_[slot] != 0) return slots_[slot] - 1;
    if (!RoomFor(gate_, keys_, scratch_.size()) || !RoomFor(gate_, ends_, 1) ||
        !RoomFor(gate_, hashes_, 1))
        return -3;
    keys_ += scratch_;
    ends_.push_back(static_cast<std::uint32_t>(keys_.size()));
    hashes_.push_back(hash);
    slots_[slot] = Size();
    return Size() - 1;
}

int UrlKeyIndex::Find(std::string_view url) {
    if (slots_.empty() || !ReserveThroughGate(gate_, scratch_, url.size() + 8)) return -1;
    std::size_t slot = Probe(Normalize(url));
    return slots_[slot] - 1;
}
