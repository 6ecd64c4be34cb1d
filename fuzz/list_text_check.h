// What every importer's output must be, whatever it read: a list file in the
// writer's form, lines ended by CR LF with no other line break and the first
// line a category, so the list reader keeps all of it.
#pragma once

#include <cstdlib>
#include <string>

inline void CheckListText(const std::string& list) {
    if (list.empty()) return;
    if (list.compare(0, 3, "<1>") != 0) std::abort();
    if (list.compare(list.size() - 2, 2, "\r\n") != 0) std::abort();
    for (std::size_t at = list.find_first_of("\r\n"); at != std::string::npos;
         at = list.find_first_of("\r\n", at + 2)) {
        if (list.compare(at, 2, "\r\n") != 0) std::abort();
    }
}
