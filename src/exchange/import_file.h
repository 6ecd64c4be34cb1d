// The frame every single-file importer shares: read the source whole, convert
// it, and write the new list file only when all of that succeeded.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/url_list_file.h"

namespace exchange {

// `convert` turns the source's bytes into list file text, or returns false
// when the source is not the kind of file it reads. 0, or -1 when the source
// cannot be read or converted, memory runs out, or the list cannot be written.
int ImportFile(const std::string& newList, const std::string& source, const ListEnvironment& env,
               const std::function<bool(std::string_view source, std::string& list)>& convert);

}  // namespace exchange
