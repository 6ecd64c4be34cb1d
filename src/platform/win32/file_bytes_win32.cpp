// Large pages need a privilege ordinary users lack on Windows, so file bytes
// live in ordinary memory.
#include "platform/file_bytes.h"

#include <new>

namespace platform {

void* AllocateFileBytes(std::size_t size) { return ::operator new(size); }
void FreeFileBytes(void* data, std::size_t) noexcept { ::operator delete(data); }
void PrepareToFill(void*, std::size_t) {}
std::size_t FileBytesRoom(std::size_t size) { return size; }

}  // namespace platform
