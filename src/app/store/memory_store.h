// A key-value store held in memory, with image "files" kept beside it: the
// settings logic runs against it where there is no registry (native builds
// and tests). It follows the registry's rules that the logic relies on: names
// ignore case, keys opened for reading refuse writes, a key with subkeys
// cannot be deleted, and a deleted key's open handles stop working.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/store/key_value_store.h"

namespace store {

struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

struct MemoryNode {
    std::map<std::string, Value, NoCaseLess> values;
    std::map<std::string, std::shared_ptr<MemoryNode>, NoCaseLess> subkeys;
    bool deleted = false;
};

class MemoryStore final : public KeyValueStore {
public:
    MemoryStore();

    std::unique_ptr<StoreKey> Open(Root root, std::string_view path) override;
    std::unique_ptr<StoreKey> Create(Root root, std::string_view path) override;
    std::unique_ptr<StoreKey> OpenImage(const std::string& file) override;
    bool ImageExists(const std::string& file) override;
    bool ShortPath(const std::string& path, std::string& shortPath) override;

    // Setting up and damaging the store, for tests.
    void PutValue(Root root, std::string_view path, std::string_view name, Value value);
    void CorruptImage(const std::string& file);  // present, but does not load
    void RemoveImage(const std::string& file);
    void FailWritesOf(std::string_view valueName);  // every write of this name fails
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }  // no key opens for writing
    // No key below `root` opens for writing, as for a user who is no administrator.
    void RefuseWritesUnder(Root root) { refusedRoot_ = static_cast<int>(root); }
    void SetShortPathFails(bool fails) { shortPathFails_ = fails; }

private:
    friend class MemoryKey;
    std::shared_ptr<MemoryNode> roots_[2];
    std::map<std::string, std::shared_ptr<const MemoryNode>> images_;  // null: corrupt file
    std::set<std::string, NoCaseLess> failingWrites_;
    bool readOnly_ = false;
    int refusedRoot_ = -1;
    bool shortPathFails_ = false;
};

}  // namespace store
