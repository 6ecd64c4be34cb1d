// The key-value store that holds the settings: a tree of keys with named,
// typed values, as the Windows registry offers it. The settings logic works on
// this interface only, so it runs against the registry on Windows and against
// an in-memory store in native tests.
//
// Paths separate subkeys with '\\'; names of keys and values ignore case.
// Nothing throws: operations answer with false or an empty pointer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace store {

enum class Root { kCurrentUser, kLocalMachine };

// REG_SZ, REG_EXPAND_SZ (a text with %VARIABLE% references), REG_DWORD, the rest.
enum class ValueKind { kText, kExpandableText, kNumber, kOther };

// A value as stored: its kind and its raw bytes (texts usually end with a zero byte).
struct Value {
    ValueKind kind = ValueKind::kOther;
    std::string data;
};

// An open key. Closing happens in the destructor. A key opened for reading
// refuses writes, as a registry key opened with query access does.
class StoreKey {
public:
    virtual ~StoreKey() = default;
    virtual bool Read(std::string_view name, Value& value) const = 0;  // false: missing
    // Written as REG_SZ including the terminating zero.
    virtual bool WriteText(std::string_view name, std::string_view text) = 0;
    virtual bool WriteNumber(std::string_view name, std::uint32_t number) = 0;
    virtual bool DeleteValue(std::string_view name) = 0;  // false: missing or refused
    virtual std::unique_ptr<StoreKey> Open(std::string_view path) const = 0;  // for reading
    virtual std::unique_ptr<StoreKey> Create(std::string_view path) = 0;  // created or opened for writing
    // Deletes a subkey that has no subkeys of its own.
    virtual bool DeleteSubkey(std::string_view path) = 0;
    virtual int SubkeyCount() const = 0;  // -1 when it cannot be told
    virtual std::vector<std::string> SubkeyNames() const = 0;
    // Writes an image of this key with all its subkeys to `file`, replacing
    // any file of that name.
    virtual bool SaveImage(const std::string& file) = 0;
};

class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;
    // An empty path opens the root itself.
    virtual std::unique_ptr<StoreKey> Open(Root root, std::string_view path) = 0;
    virtual std::unique_ptr<StoreKey> Create(Root root, std::string_view path) = 0;
    // Opens an image written by SaveImage for reading; empty when the file is
    // missing or cannot be loaded. The image stays loaded while the key lives.
    virtual std::unique_ptr<StoreKey> OpenImage(const std::string& file) = 0;
    virtual bool ImageExists(const std::string& file) = 0;
    // The short (8.3) form of an existing path, under which image files are
    // named; false when the system cannot give it.
    virtual bool ShortPath(const std::string& path, std::string& shortPath) = 0;
};

}  // namespace store
