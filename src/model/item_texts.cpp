#include "model/item_texts.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {
constexpr std::size_t kFirstByteRoom = 4096;
}  // namespace

void ItemTexts::Reset(platform::FileBytes bytes) {
    bytes_ = std::move(bytes);
    spans_.assign(1, Span{0, 0});
    unused_ = bytes_.size();
}

void ItemTexts::Add(std::string_view text) {
    spans_.push_back(Span{static_cast<std::uint32_t>(bytes_.size()),
                          static_cast<std::uint32_t>(text.size())});
    bytes_.append(text);
}

void ItemTexts::Set(std::size_t item, std::string_view text) {
    Span& span = spans_[item];
    if (text.size() <= span.size) {
        if (!text.empty()) std::memmove(&bytes_[span.offset], text.data(), text.size());  // may be its own bytes
        unused_ += span.size - text.size();
        span.size = static_cast<std::uint32_t>(text.size());
        return;
    }
    if (text.size() > ByteRoom()) {
        std::string copy(text);  // `text` may lie in the buffer that is about to move
        bytes_.reserve(GrownCapacity(copy.size()));
        Set(item, copy);
        return;
    }
    unused_ += span.size;
    span = Span{static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(text.size())};
    bytes_.append(text);
    Tidy();
}

std::size_t ItemTexts::GrownCapacity(std::size_t moreBytes) const {
    return bytes_.size() + std::max({moreBytes, bytes_.size() / 8, kFirstByteRoom});
}

bool ItemTexts::ReserveSpans(std::size_t spans) {
    try {
        spans_.reserve(spans);
    } catch (const std::bad_alloc&) {
        return false;
    }
    platform::PrepareToFill(spans_.data() + spans_.size(), (spans_.capacity() - spans_.size()) * sizeof(Span));
    return true;
}

bool ItemTexts::ReserveBytes(std::size_t moreBytes) {
    if (moreBytes <= ByteRoom()) return true;
    try {
        bytes_.reserve(GrownCapacity(moreBytes));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void ItemTexts::Tidy() {
    if (unused_ <= bytes_.size() / 2) return;
    platform::FileBytes live;
    live.reserve(bytes_.size() - unused_ + kFirstByteRoom);
    for (Span& span : spans_) {
        std::uint32_t offset = static_cast<std::uint32_t>(live.size());
        live.append(bytes_, span.offset, span.size);
        span.offset = offset;
    }
    bytes_ = std::move(live);
    unused_ = 0;
}
