// Any bytes load as a list without harm, and once written a list reads back
// into the same file. The first write may still renumber aliases (their
// numbers are item numbers, and dropped lines leave gaps), so the check is
// that writing the written list again changes nothing.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "model/url_list_file.h"

namespace {

std::string ScratchPath(const char* name) {
    return "/tmp/vellinor-list-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = ScratchPath("in.txt");
    static const std::string first = ScratchPath("first.txt");
    static const std::string second = ScratchPath("second.txt");
    static const std::string third = ScratchPath("third.txt");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CUrlListFile list;
    int result = list.Load(input);
    if (result != 0 && result != 1 && result != -3) std::abort();  // every readable file loads
    list.Select(0, 0, SelectMode::kFirstChild);
    if (list.SaveCopy(first) != 0) std::abort();

    CUrlListFile again;
    if (again.Load(first) < 0 || again.SaveCopy(second) != 0) std::abort();
    CUrlListFile onceMore;
    if (onceMore.Load(second) < 0 || onceMore.SaveCopy(third) != 0) std::abort();
    if (ReadFile(second) != ReadFile(third)) std::abort();
    std::remove(input.c_str());
    return 0;
}
