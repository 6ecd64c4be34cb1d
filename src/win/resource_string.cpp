#include "win/resource_string.h"

#include "win/module.h"

namespace win {

std::string LoadResourceString(UINT id) {
    // LoadStringA truncates silently and tells only how much it copied (without
    // the terminating zero): a result that fills the buffer may be cut short,
    // so try again with a larger one. String-table entries are at most 4,097
    // characters, but a double-byte code page can make that up to twice the bytes.
    std::string text(256, '\0');
    for (;;) {
        int copied = ::LoadStringA(ModuleInstance(), id, text.data(), static_cast<int>(text.size()));
        if (copied < static_cast<int>(text.size()) - 1 || text.size() >= 16384) {
            text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
            return text;
        }
        text.assign(text.size() * 2, '\0');
    }
}

}  // namespace win
