#include "exchange/import_file.h"

#include <new>

#include "exchange/whole_file.h"

namespace exchange {

int ImportFile(const std::string& newList, const std::string& source, const ListEnvironment& env,
               const std::function<bool(std::string_view source, std::string& list)>& convert) {
    try {
        platform::FileBytes bytes;
        std::string list;
        if (ReadWholeFile(*env.files, source, bytes) != 0 || !convert(bytes, list)) return -1;
        bytes = {};  // a large source need not stay beside its list
        return WriteWholeFile(*env.files, newList, list) == 0 ? 0 : -1;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

}  // namespace exchange
