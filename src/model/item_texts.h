// The texts of a list's items, back to back in one buffer, by item number.
//
// A loaded list's texts are slices of the list file's own bytes, so loading
// copies no text and allocates nothing per item. A text replaced by one no
// longer than it is overwritten in place; a longer one moves to the end of
// the buffer, and the space texts leave behind is reclaimed once it makes up
// half of the buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_bytes.h"

class ItemTexts {
public:
    struct Span {
        std::uint32_t offset;
        std::uint32_t size;
    };

    // One item's text, assignable like a string.
    class Slot {
    public:
        Slot(ItemTexts& texts, std::size_t item) : texts_(texts), item_(item) {}
        operator std::string_view() const { return std::as_const(texts_)[item_]; }
        Slot& operator=(std::string_view text) {
            texts_.Set(item_, text);
            return *this;
        }

    private:
        ItemTexts& texts_;
        std::size_t item_;
    };

    std::string_view operator[](std::size_t item) const {
        const Span& span = spans_[item];
        return std::string_view(bytes_.data() + span.offset, span.size);
    }
    Slot operator[](std::size_t item) { return Slot(*this, item); }
    std::size_t size() const { return spans_.size(); }

    // No texts but the empty one of the head; the buffer becomes `bytes`,
    // whose slices AddSlice gives to the items.
    void Reset(platform::FileBytes bytes = {});
    std::string_view Bytes() const { return bytes_; }
    // The caller has made room for the span (ReserveSpans).
    void AddSlice(std::size_t offset, std::size_t size) {
        Span& added = spans_.emplace_back();
        added.offset = static_cast<std::uint32_t>(offset);
        added.size = static_cast<std::uint32_t>(size);
        unused_ -= size;
    }
    // The caller has made room for the span and the bytes (ReserveBytes).
    void Add(std::string_view text);
    void Set(std::size_t item, std::string_view text);
    // Reclaims the space texts left once it makes up half of the buffer.
    void Tidy();

    // The sizes the reserving functions below need, for the memory gate.
    std::size_t SpanCapacity() const { return spans_.capacity(); }
    std::size_t ByteRoom() const { return bytes_.capacity() - bytes_.size(); }
    // Both report false when the allocation fails.
    bool ReserveSpans(std::size_t spans);
    bool ReserveBytes(std::size_t moreBytes);
    // How much the buffer grows to take `moreBytes` more bytes.
    std::size_t GrownCapacity(std::size_t moreBytes) const;

private:

    platform::FileBytes bytes_;
    std::vector<Span> spans_;
    std::size_t unused_ = 0;  // bytes no span covers any more
};
