#include "app/store/memory_store.h"

#include <cctype>
#include <vector>

namespace store {

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

namespace {

std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        std::size_t sep = path.find('\\');
        std::string_view part = path.substr(0, sep);
        if (!part.empty()) parts.push_back(part);
        path = sep == std::string_view::npos ? std::string_view() : path.substr(sep + 1);
    }
    return parts;
}

std::shared_ptr<MemoryNode> Walk(std::shared_ptr<MemoryNode> node, std::string_view path,
                                 bool create) {
    for (std::string_view part : SplitPath(path)) {
        if (!node || node->deleted) return nullptr;
        auto found = node->subkeys.find(part);
        if (found != node->subkeys.end()) {
            node = found->second;
        } else if (create) {
            node = node->subkeys.emplace(std::string(part), std::make_shared<MemoryNode>())
                       .first->second;
        } else {
            return nullptr;
        }
    }
    return node && !node->deleted ? node : nullptr;
}

std::shared_ptr<MemoryNode> DeepCopy(const MemoryNode& node) {
    auto copy = std::make_shared<MemoryNode>();
    copy->values = node.values;
    for (const auto& [name, child] : node.subkeys) copy->subkeys.emplace(name, DeepCopy(*child));
    return copy;
}

void MarkDeleted(MemoryNode& node) {
    node.deleted = true;
    for (auto& entry : node.subkeys) MarkDeleted(*entry.second);
}

std::string Little32(std::uint32_t number) {
    std::string data(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return data;
}

}  // namespace

class MemoryKey final : public StoreKey {
public:
    MemoryKey(MemoryStore& store, std::shared_ptr<MemoryNode> node, bool writable)
        : store_(store), node_(std::move(node)), writable_(writable) {}

    bool Read(std::string_view name, Value& value) const override {
        if (node_->deleted) return false;
        auto found = node_->values.find(name);
        if (found == node_->values.end()) return false;
        value = found->second;
        return true;
    }

    bool WriteText(std::string_view name, std::string_view text) override {
        return Write(name, Value{ValueKind::kText, std::string(text) + '\0'});
    }

    bool WriteNumber(std::string_view name, std::uint32_t number) override {
        return Write(name, Value{ValueKind::kNumber, Little32(number)});
    }

    bool DeleteValue(std::string_view name) override {
        if (!writable_ || node_->deleted) return false;
        auto found = node_->values.find(name);
        if (found == node_->values.end()) return false;
        node_->values.erase(found);
        return true;
    }

    std::unique_ptr<StoreKey> Open(std::string_view path) const override {
        auto node = Walk(node_, path, false);
        return node ? std::make_unique<MemoryKey>(store_, node, false) : nullptr;
    }

    std::unique_ptr<StoreKey> Create(std::string_view path) override {
        if (store_.readOnly_) return nullptr;
        auto node = Walk(node_, path, true);
        return node ? std::make_unique<MemoryKey>(store_, node, true) : nullptr;
    }

    bool DeleteSubkey(std::string_view path) override {
        std::vector<std::string_view> parts = SplitPath(path);
        if (parts.empty() || store_.readOnly_) return false;
        std::string_view leaf = parts.back();
        auto parent = Walk(node_, path.substr(0, static_cast<std::size_t>(leaf.data() - path.data())), false);
        if (!parent) return false;
        auto found = parent->subkeys.find(leaf);
        if (found == parent->subkeys.end() || !found->second->subkeys.empty()) return false;
        MarkDeleted(*found->second);
        parent->subkeys.erase(found);
        return true;
    }

    int SubkeyCount() const override {
        return node_->deleted ? -1 : static_cast<int>(node_->subkeys.size());
    }

    std::vector<std::string> SubkeyNames() const override {
        std::vector<std::string> names;
        if (!node_->deleted)
            for (const auto& entry : node_->subkeys) names.push_back(entry.first);
        return names;
    }

    bool SaveImage(const std::string& file) override {
        if (node_->deleted) return false;
        store_.images_[file] = DeepCopy(*node_);
        return true;
    }

private:
    bool Write(std::string_view name, Value value) {
        if (!writable_ || node_->deleted || store_.failingWrites_.count(name)) return false;
        auto found = node_->values.find(name);
        if (found != node_->values.end())
            found->second = std::move(value);
        else
            node_->values.emplace(std::string(name), std::move(value));
        return true;
    }

    MemoryStore& store_;
    std::shared_ptr<MemoryNode> node_;
    bool writable_;
};

MemoryStore::MemoryStore()
    : roots_{std::make_shared<MemoryNode>(), std::make_shared<MemoryNode>()} {}

std::unique_ptr<StoreKey> MemoryStore::Open(Root root, std::string_view path) {
    auto node = Walk(roots_[static_cast<int>(root)], path, false);
    return node ? std::make_unique<MemoryKey>(*this, node, false) : nullptr;
}

std::unique_ptr<StoreKey> MemoryStore::Create(Root root, std::string_view path) {
    if (readOnly_ || refusedRoot_ == static_cast<int>(root)) return nullptr;
    auto node = Walk(roots_[static_cast<int>(root)], path, true);
    return node ? std::make_unique<MemoryKey>(*this, node, true) : nullptr;
}

std::unique_ptr<StoreKey> MemoryStore::OpenImage(const std::string& file) {
    auto found = images_.find(file);
    if (found == images_.end() || !found->second) return nullptr;
    return std::make_unique<MemoryKey>(*this, DeepCopy(*found->second), false);
}

bool MemoryStore::ImageExists(const std::string& file) { return images_.count(file) != 0; }

bool MemoryStore::ShortPath(const std::string& path, std::string& shortPath) {
    if (shortPathFails_) return false;
    shortPath = path;
    return true;
}

void MemoryStore::PutValue(Root root, std::string_view path, std::string_view name, Value value) {
    auto node = Walk(roots_[static_cast<int>(root)], path, true);
    node->values[std::string(name)] = std::move(value);
}

void MemoryStore::CorruptImage(const std::string& file) { images_[file] = nullptr; }

void MemoryStore::RemoveImage(const std::string& file) { images_.erase(file); }

void MemoryStore::FailWritesOf(std::string_view valueName) {
    failingWrites_.emplace(valueName);
}

}  // namespace store
