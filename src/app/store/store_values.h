// Typed reading and writing on top of the key-value store, with the size
// limits the settings have always had: a value that does not fit is treated
// as missing, so a damaged or foreign value never replaces a good setting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/store/key_value_store.h"

namespace store {

// Longest text a setting holds (a 256-byte buffer with its terminating zero).
inline constexpr std::size_t kMaxSettingChars = 255;
// Longest text ReadRegistryString returns (a 260-byte buffer).
inline constexpr std::size_t kMaxRegistryStringChars = 259;

// A text value of at most `maxChars` characters (up to its first zero byte);
// `expandable` tells whether it holds %VARIABLE% references to expand.
bool ReadText(const StoreKey& key, std::string_view name, std::size_t maxChars,
              std::string& text, bool* expandable = nullptr);
// A 32-bit number stored as exactly four bytes.
bool ReadNumber(const StoreKey& key, std::string_view name, std::uint32_t& number);

// Values "0", "1", ... in order, up to the first one that cannot be read or
// `limit` values.
std::vector<std::string> ReadNumberedTexts(const StoreKey& key, std::size_t limit);

// Writes items[i] as value "i" of `subkey` (created when missing). With
// `prune`, deletes the values "count", "count+1", ... up to the first one
// missing, so that a table that got shorter leaves nothing stale behind.
// False when the subkey cannot be created or a write fails.
bool WriteNumberedValues(StoreKey& key, std::string_view subkey,
                         const std::vector<std::string>& items, bool prune);
bool WriteNumberedValues(StoreKey& key, std::string_view subkey,
                         const std::vector<std::uint32_t>& items, bool prune);

// A text value of any key, e.g. another program's registration.
std::optional<std::string> ReadRegistryString(KeyValueStore& store, Root root,
                                              std::string_view subkey, std::string_view name);
// With an empty `subkey` the value goes into the root itself.
bool WriteRegistryString(KeyValueStore& store, Root root, std::string_view subkey,
                         std::string_view name, std::string_view text);

}  // namespace store
