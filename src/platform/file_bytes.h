// The bytes of a whole file read at once, in memory the system may give in
// its large pages: a buffer of megabytes filled in small pages costs a fault,
// a zeroed page and its bookkeeping for every 4 KB, more than the reading.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Throws std::bad_alloc when the memory is not there, as `new` does.
void* AllocateFileBytes(std::size_t size);
void FreeFileBytes(void* data, std::size_t size) noexcept;
// The room to reserve for `size` bytes: up to the next large page where that
// adds little, since the system then backs the whole buffer with large pages,
// and the rest is room for edits.
std::size_t FileBytesRoom(std::size_t size);

// Memory about to be filled at once gets its pages in one call, not a fault
// at a time, where the system can do that.
void PrepareToFill(void* data, std::size_t size);

template <typename T>
struct FileBytesAllocator {
    using value_type = T;
    FileBytesAllocator() = default;
    template <typename U>
    FileBytesAllocator(const FileBytesAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(AllocateFileBytes(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreeFileBytes(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const FileBytesAllocator<U>&) const noexcept { return true; }
    template <typename U>
    bool operator!=(const FileBytesAllocator<U>&) const noexcept { return false; }
};

using FileBytes = std::basic_string<char, std::char_traits<char>, FileBytesAllocator<char>>;

}  // namespace platform
