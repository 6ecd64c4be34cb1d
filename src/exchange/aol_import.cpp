// Reading the favorite places of an AOL personal filing cabinet.
//
// The cabinet holds a table of record offsets. A favorite place takes two
// entries: its record (type 2, name at 26) and a data record with the address;
// a folder takes one. Every record carries at 126 the number of the folder
// whose content it belongs to; numbers grow with nesting, so a rise starts a
// deeper folder's content and a fall returns from it.
//
// Nothing in the file is trusted: every offset, name and address is checked
// against the file's size before it is read.
#include <cstdint>
#include <vector>

#include "exchange/aol_favorites.h"
#include "exchange/import_file.h"
#include "exchange/list_file_builder.h"

namespace {

constexpr std::string_view kMagic = "AOLVM100";
constexpr std::uint64_t kTableOffsetAt = 16;
constexpr std::uint32_t kTableSignature = 0x00015352;
constexpr std::uint64_t kTableStart = 24;
constexpr std::uint64_t kTypeAt = 8;
constexpr std::uint64_t kNameAt = 26;
constexpr std::uint64_t kFolderNumberAt = 126;
constexpr std::uint64_t kRecordSize = kFolderNumberAt + 4;  // the part of a record that is read
constexpr std::uint64_t kAddressAt = 8;
constexpr std::uint64_t kMarkerAddressAt = 40;
constexpr std::uint16_t kPlaceType = 2;
constexpr std::uint32_t kMarker = 'A' | ('O' << 8) | ('L' << 16);  // low three bytes at 8
constexpr int kStackSize = 3;

struct Record {
    bool place;
    std::uint32_t folder;  // number of the folder holding it
    std::string_view name;
    std::string_view address;
};

class CCabinet {
public:
    explicit CCabinet(std::string_view bytes) : bytes_(bytes) {}

    bool Has(std::uint64_t offset, std::uint64_t size) const {
        return offset <= bytes_.size() && size <= bytes_.size() - offset;
    }
    std::uint32_t U32(std::uint64_t at) const {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at);
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    std::uint16_t U16(std::uint64_t at) const {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }

    // The record table; false when the file is no cabinet.
    bool ReadTable(std::vector<std::uint32_t>& table) const;
    // The records the table lists, favorite places with their addresses.
    bool ReadRecords(const std::vector<std::uint32_t>& table, std::vector<Record>& records) const;

private:
    bool IsMarker(std::uint32_t record, bool& marker) const;
    bool ReadString(std::uint64_t at, std::uint64_t limit, std::string_view& text) const;
    bool ReadAddress(std::uint32_t data, std::string_view& address) const;

    std::string_view bytes_;
};

bool CCabinet::ReadTable(std::vector<std::uint32_t>& table) const {
    if (!Has(0, kTableOffsetAt + 4) || bytes_.substr(0, kMagic.size()) != kMagic) return false;
    std::uint64_t header = U32(kTableOffsetAt);
    if (!Has(header, 4) || U32(header) != kTableSignature) return false;
    for (std::uint64_t at = header + kTableStart; Has(at, 4); at += 4) {
        std::uint32_t offset = U32(at);
        if (offset == 0) break;
        table.push_back(offset);
    }
    return true;
}

bool CCabinet::IsMarker(std::uint32_t record, bool& marker) const {
    if (!Has(record, kTypeAt + 4)) return false;
    marker = (U32(record + kTypeAt) & 0xFFFFFF) == kMarker;
    return true;
}

// A NUL-terminated string at `at` of at most `limit` bytes; the NUL, when
// there is one within the limit, must lie inside the file.
bool CCabinet::ReadString(std::uint64_t at, std::uint64_t limit, std::string_view& text) const {
    if (!Has(at, 0)) return false;
    std::string_view rest = bytes_.substr(at);
    std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) {
        if (rest.size() < limit) return false;  // runs off the end of the file
        end = rest.size();
    }
    text = rest.substr(0, end < limit ? end : limit);
    return true;
}

// The address string of a data record ends at its stored length or at an
// earlier NUL. The length byte stands just before the string; it is read as
// unsigned, since a length is never negative and addresses of 128 to 255
// bytes are common.
bool CCabinet::ReadAddress(std::uint32_t data, std::string_view& address) const {
    bool marker = false;
    if (!IsMarker(data, marker)) return false;
    std::uint64_t at = static_cast<std::uint64_t>(data) + (marker ? kMarkerAddressAt : kAddressAt);
    if (!Has(at - 4, 4)) return false;
    std::uint64_t length = static_cast<unsigned char>(bytes_[at - 4]);
    if (!Has(at, length)) return false;
    return ReadString(at, length, address);
}

bool CCabinet::ReadRecords(const std::vector<std::uint32_t>& table,
                           std::vector<Record>& records) const {
    std::size_t i = 0;
    bool marker = false;
    if (!table.empty()) {
        if (!IsMarker(table[0], marker)) return false;
        if (marker) i = 1;
    }
    while (i < table.size()) {
        std::uint32_t at = table[i];
        if (!Has(at, kRecordSize)) return false;
        Record record{U16(at + kTypeAt) == kPlaceType, U32(at + kFolderNumberAt), {}, {}};
        if (!ReadString(at + kNameAt, bytes_.size(), record.name)) return false;
        ++i;
        if (record.place) {
            if (i == table.size() || !ReadAddress(table[i], record.address)) return false;
            ++i;
        } else if (i < table.size()) {
            if (!IsMarker(table[i], marker)) return false;
            if (marker) ++i;
        }
        records.push_back(record);
    }
    return true;
}

// For each record, the next one whose folder number is not greater: where
// the content of a deeper folder that follows the record ends.
std::vector<std::size_t> EndsOfDeeperContent(const std::vector<Record>& records) {
    std::vector<std::size_t> next(records.size(), records.size());
    std::vector<std::size_t> waiting;
    for (std::size_t i = 0; i < records.size(); ++i) {
        while (!waiting.empty() && records[i].folder <= records[waiting.back()].folder) {
            next[waiting.back()] = i;
            waiting.pop_back();
        }
        waiting.push_back(i);
    }
    return next;
}

// The walk over the records in two interleaved passes: the folder pass writes
// folders, and wherever a folder's content starts, a bookmark pass first
// writes the favorite places of that content (skipping deeper folders'
// content) up to where the content ends. So each folder's own places come
// right after its header, then its subfolders.
void WriteRecords(const std::vector<Record>& records, exchange::CListFileBuilder& out) {
    if (records.empty()) return;
    const std::vector<std::size_t> ends = EndsOfDeeperContent(records);
    auto writePlaces = [&](std::size_t start) {
        std::uint32_t current = records[start].folder;
        for (std::size_t i = start; i < records.size() && records[i].folder >= current;) {
            if (records[i].folder > current) {
                i = ends[i - 1];  // a deeper folder's content
                continue;
            }
            if (records[i].place) out.AddTitle(records[i].address, records[i].name, 0, {});
            ++i;
        }
    };

    // Folder numbers of the contents above, to find the depth again on a return.
    std::uint32_t stack[kStackSize] = {records[0].folder, 0, 0};
    int depth = 0;
    std::uint32_t current = records[0].folder;
    writePlaces(0);
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::uint32_t folder = records[i].folder;
        if (folder > current) {
            if (++depth < kStackSize) stack[depth] = current;
            writePlaces(i);
        } else if (folder < current) {
            depth = kStackSize;
            for (int k = 0; k < kStackSize; ++k) {
                if (stack[k] == folder) {
                    depth = k;
                    break;
                }
            }
        }
        current = folder;
        if (!records[i].place) out.AddFolder(records[i].name, depth < 1 ? depth : 1);
    }
}

}  // namespace

int AolToList(std::string_view cabinet, std::string& list) {
    CCabinet file(cabinet);
    std::vector<std::uint32_t> table;
    std::vector<Record> records;
    if (!file.ReadTable(table) || !file.ReadRecords(table, records)) return -1;
    exchange::CListFileBuilder out;
    WriteRecords(records, out);
    list = out.Text();
    return 0;
}

int ImportAol(const std::string& newList, const std::string& source, const ListEnvironment& env) {
    return exchange::ImportFile(newList, source, env, [](std::string_view cabinet, std::string& list) {
        return AolToList(cabinet, list) == 0;
    });
}
