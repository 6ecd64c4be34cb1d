// A buffer of a large page or more gets a mapping of its own that starts on a
// large-page boundary, marked for large pages: the system can then back every
// whole large page in it with one, where the allocator's mappings start 16
// bytes past a small page and leave the large pages no room.
#include "platform/file_bytes.h"

#include <cstdint>
#include <new>
#include <sanitizer/asan_interface.h>  // bounds checks in sanitized builds; nothing elsewhere
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::size_t kLargePage = 2 * 1024 * 1024;

std::uintptr_t RoundUp(std::uintptr_t size, std::uintptr_t unit) { return (size + unit - 1) / unit * unit; }

std::uintptr_t PageSize() {
    static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    return page;
}

std::size_t MappedSize(std::size_t size) { return RoundUp(size, PageSize()); }

}  // namespace

void* AllocateFileBytes(std::size_t size) {
    if (size < kLargePage) return ::operator new(size);
    const std::size_t length = MappedSize(size);
    // Room to slide to a boundary; what lies before and after it is given back.
    void* mapped = ::mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    char* raw = static_cast<char*>(mapped);
    char* begin = reinterpret_cast<char*>(RoundUp(reinterpret_cast<std::uintptr_t>(raw), kLargePage));
    if (begin != raw) ::munmap(raw, static_cast<std::size_t>(begin - raw));
    ::munmap(begin + length, static_cast<std::size_t>(raw + length + kLargePage - (begin + length)));
    ::madvise(begin, length, MADV_HUGEPAGE);  // a hint: kernels without large pages ignore it
    // The rest of the last page is out of bounds, as beyond a buffer from `new`.
    ASAN_POISON_MEMORY_REGION(begin + size, length - size);
    return begin;
}

void FreeFileBytes(void* data, std::size_t size) noexcept {
    if (size < kLargePage) {
        ::operator delete(data);
        return;
    }
    ASAN_UNPOISON_MEMORY_REGION(data, MappedSize(size));  // a later mapping may reuse the addresses
    ::munmap(data, MappedSize(size));
}

// Whole pages only: a page the buffer shares with other data may be in use.
// Kernels that do not know the request leave the faults to come as usual.
void PrepareToFill(void* data, std::size_t size) {
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = RoundUp(start, PageSize());
    const std::uintptr_t end = (start + size) / PageSize() * PageSize();
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

std::size_t FileBytesRoom(std::size_t size) {
    const std::size_t whole = RoundUp(size, kLargePage);
    return size >= kLargePage && whole - size <= size / 8 ? whole : size;
}

}  // namespace platform
