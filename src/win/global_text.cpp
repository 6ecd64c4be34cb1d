#include "win/global_text.h"

#include <cstring>

#include "win/guards.h"
#include "win/handles.h"

namespace win {

HGLOBAL GlobalCopy(std::string_view text) noexcept {
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, text.size() + 1));
    if (!memory) return nullptr;
    {
        GlobalLockGuard<char> lock(memory.Get());
        if (!lock) return nullptr;
        std::memcpy(lock.Get(), text.data(), text.size());
        lock.Get()[text.size()] = '\0';
    }
    return memory.Release();
}

std::string GlobalText(HGLOBAL memory) {
    GlobalLockGuard<const char> lock(memory);
    if (!lock) return {};
    const std::size_t size = ::GlobalSize(memory);
    const char* end = static_cast<const char*>(std::memchr(lock.Get(), '\0', size));
    return std::string(lock.Get(), end ? static_cast<std::size_t>(end - lock.Get()) : size);
}

}  // namespace win
