// Any bytes read as an Internet shortcut give no address or one that fits on
// a title line.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "exchange/shortcut_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/vellinor-url-fuzz-" + std::to_string(::getpid()) + ".url";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string url, title;
    int result = ReadUrlFile(path, url, title);
    if (result == 0 && (url.empty() || url.find_first_of("\r\n\t ") != std::string::npos)) std::abort();
    if (result != 0 && result != -1) std::abort();
    if (result == 0 && title != "vellinor-url-fuzz-" + std::to_string(::getpid())) std::abort();
    return 0;
}
