#include "app/store/store_values.h"

namespace store {

namespace {

std::string NumberedName(std::size_t index) { return std::to_string(index); }

template <typename Item, typename Write>
bool WriteNumbered(StoreKey& key, std::string_view subkey, const std::vector<Item>& items,
                   bool prune, Write write) {
    std::unique_ptr<StoreKey> target = key.Create(subkey);
    if (!target) return false;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!write(*target, NumberedName(i), items[i])) return false;
    if (prune)
        for (std::size_t i = items.size(); target->DeleteValue(NumberedName(i)); ++i) {
        }
    return true;
}

}  // namespace

bool ReadText(const StoreKey& key, std::string_view name, std::size_t maxChars,
              std::string& text, bool* expandable) {
    Value value;
    if (!key.Read(name, value) ||
        (value.kind != ValueKind::kText && value.kind != ValueKind::kExpandableText))
        return false;
    std::string_view data = value.data;
    data = data.substr(0, data.find('\0'));
    if (data.size() > maxChars) return false;
    text.assign(data);
    if (expandable) *expandable = value.kind == ValueKind::kExpandableText;
    return true;
}

bool ReadNumber(const StoreKey& key, std::string_view name, std::uint32_t& number) {
    Value value;
    if (!key.Read(name, value) || value.kind != ValueKind::kNumber || value.data.size() != 4)
        return false;
    number = 0;
    for (int i = 3; i >= 0; --i)  // REG_DWORD is little-endian
        number = (number << 8) | static_cast<unsigned char>(value.data[static_cast<std::size_t>(i)]);
    return true;
}

std::vector<std::string> ReadNumberedTexts(const StoreKey& key, std::size_t limit) {
    std::vector<std::string> texts;
    std::string text;
    while (texts.size() < limit && ReadText(key, NumberedName(texts.size()), kMaxSettingChars, text))
        texts.push_back(text);
    return texts;
}

bool WriteNumberedValues(StoreKey& key, std::string_view subkey,
                         const std::vector<std::string>& items, bool prune) {
    return WriteNumbered(key, subkey, items, prune,
                         [](StoreKey& target, const std::string& name, const std::string& item) {
                             return target.WriteText(name, item);
                         });
}

bool WriteNumberedValues(StoreKey& key, std::string_view subkey,
                         const std::vector<std::uint32_t>& items, bool prune) {
    return WriteNumbered(key, subkey, items, prune,
                         [](StoreKey& target, const std::string& name, std::uint32_t item) {
                             return target.WriteNumber(name, item);
                         });
}

std::optional<std::string> ReadRegistryString(KeyValueStore& store, Root root,
                                              std::string_view subkey, std::string_view name) {
    std::unique_ptr<StoreKey> key = store.Open(root, subkey);
    std::string text;
    if (!key || !ReadText(*key, name, kMaxRegistryStringChars, text)) return std::nullopt;
    return text;
}

bool WriteRegistryString(KeyValueStore& store, Root root, std::string_view subkey,
                         std::string_view name, std::string_view text) {
    std::unique_ptr<StoreKey> key = store.Create(root, subkey);
    return key && key->WriteText(name, text);
}

}  // namespace store
