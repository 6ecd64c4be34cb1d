// Reading and writing the list file.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "model/line_scan.h"
#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

constexpr std::string_view kBackupPrefix = "Autobackup of ";
constexpr std::size_t kMaxTextOffset = UINT32_MAX;
constexpr std::size_t kWriteChunk = 256 * 1024;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::memcmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// A line without its white space, in a code page without lead bytes. The
// two TABs a title line starts with and the CR every line ends with, as the
// writer puts them, are taken off at once, which spares most lines of a
// list the steps of the byte-by-byte trimming.
std::string_view TrimWritten(std::string_view line) {
    if (line.size() > 2 && line[0] == '\t' && line[1] == '\t') line.remove_prefix(2);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return platform::TrimSingleByte(line);
}

bool IsLevelMarker(std::string_view line) {
    return line.size() >= 3 && line[0] == '<' && line[2] == '>';
}

// Where the texts' buffer already holds, byte for byte, the line the writer
// lays out for an item (a loaded line in normal form whose text is as it was
// read): the range of that line in the buffer.
bool LineInBuffer(std::string_view bytes, int level, std::string_view text, std::size_t& begin,
                  std::size_t& end) {
    const std::string_view prefix = ListLinePrefix(level);
    const std::size_t offset = static_cast<std::size_t>(text.data() - bytes.data());
    if (text.empty() || offset < prefix.size() || bytes.size() - offset - text.size() < kLineEnd.size())
        return false;
    begin = offset - prefix.size();
    end = offset + text.size() + kLineEnd.size();
    // Byte by byte: a few bytes each, asked of every line of a list.
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (bytes[begin + i] != prefix[i]) return false;
    return bytes[end - 2] == kLineEnd[0] && bytes[end - 1] == kLineEnd[1];
}

// Whether an alias line reads exactly "alias:" and its number as the writer puts it.
bool IsWrittenAlias(std::string_view text, long number) {
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const std::string_view written(digits, static_cast<std::size_t>(end - digits));
    return text.substr(kAliasPrefix.size()) == written;
}

}  // namespace

int CUrlListFile::Load() { return Load(std::string(path_)); }

int CUrlListFile::Load(const std::string& path) {
    platform::FileSystem& files = *env_.files;
    bool wasReadOnly = readOnly_;
    file_.reset();

    platform::OsError error = 0;
    bool openedReadOnly = false;
    auto file = files.Open(path, platform::OpenMode::ReadWriteDenyWrite, error);
    if (!file && files.Classify(error) == platform::ErrorKind::AccessOrSharing) {
        file = files.Open(path, platform::OpenMode::ReadShareAll, error);
        openedReadOnly = file != nullptr;
    }
    platform::FileBytes content;
    if (file) {
        error = file->ReadAll(content);
        if (error != 0) file.reset();
    }
    if (!file) {
        lastOsError_ = error;
        if (!path_.empty() && !wasReadOnly && !ReopenHeldFile()) readOnly_ = true;
        return files.Classify(error) == platform::ErrorKind::NotFound ? -1 : -2;
    }

    Reset();
    std::string full;
    path_ = files.FullPath(path, full) ? full : path;
    int result = ParseContent(std::move(content));
    if (result == -3 || openedReadOnly) {
        readOnly_ = true;
        return result == -3 ? -3 : 3;
    }
    file_ = std::move(file);
    readOnly_ = false;
    modified_ = false;
    full_ = titleCount_ > kFullTitleCount;
    return full_ ? 1 : 0;
}

void CUrlListFile::CloseFile() { file_.reset(); }

bool CUrlListFile::ReopenHeldFile() {
    platform::OsError error = 0;
    file_ = env_.files->Open(path_, platform::OpenMode::ReadWriteDenyWrite, error);
    return file_ != nullptr;
}

// Each accepted line becomes an item whose text is a slice of the file's
// bytes, copied nowhere; only alias lines and lines carrying a '#' field are
// rewritten, once, when the aliases are resolved.
int CUrlListFile::ParseContent(platform::FileBytes content) {
    const platform::CodePage& cp = *env_.codePage;
    std::size_t expected = CountNewlines(content) + 2;  // and the head
    if (expected > static_cast<std::size_t>(kMaxItems) + 1) expected = kMaxItems + 1;
    // One allocation when memory allows; else the arrays grow step by step.
    const std::size_t room = Reserve(expected) ? expected : 0;
    texts_.Reset(std::move(content));
    const std::string_view bytes = texts_.Bytes();
    const bool singleByte = !cp.HasLeadBytes();

    std::vector<NumberedLine> aliases;
    std::vector<NumberedLine> targets;
    int result = 0;
    bool started = false;
    LineScanner scanner(bytes, '#');
    for (std::size_t at = 0; at < bytes.size();) {
        bool hash = false;
        std::size_t eol = scanner.NextEnd(hash);  // only such a line can carry an alias number
        if (eol > kMaxTextOffset) {
            result = -3;  // beyond what a text's offset can name
            break;
        }
        // Views made straight: substr would check, on every line, bounds the scanner keeps.
        std::string_view raw(bytes.data() + at, eol - at);
        std::string_view line = singleByte ? TrimWritten(raw) : Trim(raw, cp);
        at = eol + 1;

        bool marker = IsLevelMarker(line);
        if (!started) {
            if (!marker || line[1] != '1') continue;
            started = true;
        }
        int level = !marker ? kTitle : line[1] == '1' ? kCategory : kSubcategory;
        std::string_view text = marker ? std::string_view(line.data() + 3, line.size() - 3) : line;
        std::uint8_t flags = static_cast<std::uint8_t>(level);
        if (text.empty() || StartsWith(text, "---")) {
            flags |= ItemFlags::kSeparator;
            text = {};
        }
        if (static_cast<std::size_t>(count_) + 2 > room && !ReserveOneItem()) {
            result = -3;
            break;
        }
        int item = ++count_;
        // Field by field into the array: a whole item built aside and copied
        // in costs a stalled load on every line.
        ListItem& added = items_.emplace_back();
        added.prev = static_cast<std::uint16_t>(item - 1);
        added.flags = flags;
        items_[item - 1].next = static_cast<std::uint16_t>(item);
        texts_.AddSlice(text.empty() ? 0 : static_cast<std::size_t>(text.data() - bytes.data()),
                        text.size());
        // Read in outline order, the categories come as the top level lists them.
        if (level == kCategory && InsertInView(kCategory, -1, item) != 0) {
            result = -3;
            break;
        }

        if (level == kTitle && !(flags & ItemFlags::kSeparator)) {
            // Whether the text is already as the writer puts it is told
            // here, while the line is at hand: resolving the aliases after
            // the parse would have to reach back to it.
            if (StartsWith(text, kAliasPrefix)) {
                items_[item].flags |= ItemFlags::kAlias;
                const long number = AliasNumber(text);
                aliases.push_back({item, IsWrittenAlias(text, number), number});
                continue;
            }
            ++titleCount_;
            if (hash) {
                // Most such lines are as the writer puts them, which one pass tells.
                const long written = WrittenAliasNumber(text);
                const long number = written != 0 ? written : AliasNumber(text);
                if (number > 0) targets.push_back({item, written == item, number});
            }
        }
    }
    items_[count_].next = 0;
    items_[0].prev = static_cast<std::uint16_t>(count_);
    ResolveAliases(aliases, targets);
    texts_.Tidy();
    return result;
}

// Each alias takes the item number of the first title carrying its number;
// one that names no title is dropped. A title's '#' field then carries its
// own item number when it has aliases and goes otherwise. Only lines not
// already so are rewritten.
void CUrlListFile::ResolveAliases(const std::vector<NumberedLine>& aliases,
                                  const std::vector<NumberedLine>& targets) {
    // The first title carrying each number. Lists as this program writes
    // them carry item numbers only, which a table indexed by number serves;
    // any other number goes into a map.
    auto isItemNumber = [](long number) { return number > 0 && number <= kMaxItems; };
    std::vector<std::uint16_t> firstByItemNumber(targets.empty() ? 0 : kMaxItems + 1);
    std::unordered_map<long, int> firstByOtherNumber;
    for (const NumberedLine& target : targets) {
        if (!isItemNumber(target.number)) {
            firstByOtherNumber.emplace(target.number, target.item);  // the first wins
            continue;
        }
        std::uint16_t& first = firstByItemNumber[static_cast<std::size_t>(target.number)];
        if (first == 0) first = static_cast<std::uint16_t>(target.item);
    }
    auto firstCarrying = [&](long number) {
        if (isItemNumber(number))
            return static_cast<int>(firstByItemNumber[static_cast<std::size_t>(number)]);
        auto found = firstByOtherNumber.find(number);
        return found == firstByOtherNumber.end() ? 0 : found->second;
    };
    for (const NumberedLine& alias : aliases) {
        const int target = targets.empty() ? 0 : firstCarrying(alias.number);
        if (target == 0) {
            texts_[alias.item] = std::string_view();
            Unlink(alias.item);
            continue;
        }
        items_[target].flags |= ItemFlags::kAliasTarget;
        if (alias.asWritten && target == alias.number) continue;
        char text[32];
        std::memcpy(text, kAliasPrefix.data(), kAliasPrefix.size());
        char* end = std::to_chars(text + kAliasPrefix.size(), text + sizeof text, target).ptr;
        texts_[alias.item] = std::string_view(text, static_cast<std::size_t>(end - text));
    }
    for (const NumberedLine& target : targets) {
        const bool hasAliases = items_[target.item].Has(ItemFlags::kAliasTarget);
        if (hasAliases && target.asWritten) continue;
        texts_[target.item] = WithAliasNumber(RawText(target.item), hasAliases ? target.item : 0);
    }
}

// Through a small buffer, so that writing a list needs no second copy of all
// of it in memory; runs of lines the texts' buffer already holds as written
// are taken from there whole, and a long run is written straight from it.
platform::OsError CUrlListFile::WriteLines(platform::OpenFile& file) const {
    const std::string_view bytes = texts_.Bytes();
    std::string chunk;
    chunk.reserve(2 * kWriteChunk + 1024);
    std::size_t runBegin = 0, runEnd = 0;
    auto writeFullChunk = [&]() -> platform::OsError {
        if (chunk.size() < kWriteChunk) return 0;
        platform::OsError error = file.Write(chunk);
        chunk.clear();
        return error;
    };
    auto endRun = [&]() -> platform::OsError {
        std::string_view run = bytes.substr(runBegin, runEnd - runBegin);
        runBegin = runEnd = 0;
        if (run.size() < kWriteChunk) {
            chunk.append(run);
            return writeFullChunk();
        }
        platform::OsError error = file.Write(chunk);
        chunk.clear();
        return error != 0 ? error : file.Write(run);
    };
    for (int i = items_[0].next; i != 0; i = items_[i].next) {
        const bool separator = items_[i].Has(ItemFlags::kSeparator);
        std::size_t begin = 0, end = 0;
        if (!separator && LineInBuffer(bytes, items_[i].Level(), texts_[i], begin, end)) {
            if (begin != runEnd) {
                if (platform::OsError error = endRun()) return error;
                runBegin = begin;
            }
            runEnd = end;
            continue;
        }
        if (platform::OsError error = endRun()) return error;
        AppendListLine(chunk, items_[i].Level(), texts_[i], separator);
        if (platform::OsError error = writeFullChunk()) return error;
    }
    if (platform::OsError error = endRun()) return error;
    return file.Write(chunk);
}

int CUrlListFile::Save() {
    if (readOnly_ || path_.empty()) return 0;
    if (backupPending_) {
        WriteBackup();
        backupPending_ = false;
    }
    int error = WriteReplacing(path_, [this](platform::OpenFile& file) { return WriteLines(file); });
    if (error == 0) modified_ = false;
    return error;
}

void CUrlListFile::WriteBackup() {
    platform::FileBytes bytes;
    platform::OsError error = 0;
    if (file_) {
        error = file_->ReadAll(bytes);
    } else {
        auto file = env_.files->Open(path_, platform::OpenMode::ReadShareAll, error);
        if (file) error = file->ReadAll(bytes);
    }
    if (error != 0) return;
    std::string name = std::string(kBackupPrefix).append(platform::FileNameOf(path_));
    WriteReplacing(platform::JoinPath(platform::FolderOf(path_), name),
                   [&bytes](platform::OpenFile& file) { return file.Write(bytes); });
}

// The new content goes to a file beside the target and replaces it only once
// it is complete on disk, so a failed write never leaves a truncated file.
int CUrlListFile::WriteReplacing(const std::string& target, const WriteContent& write) {
    platform::FileSystem& files = *env_.files;
    std::string temporary;
    platform::OsError error = platform::WriteBeside(files, target, write, temporary);
    if (error != 0) return error;
    bool ownFile = target == path_;
    if (ownFile) file_.reset();  // Windows cannot replace a file held open
    error = files.Replace(temporary, target);
    // When another program grabbed the file in between, the list stays
    // writable and the next save tries again.
    if (ownFile) ReopenHeldFile();
    if (error != 0) files.Remove(temporary);
    return error;
}

// A copy under a new name replaces nothing: as a copy by the system, it is
// written in place and left to the system to put on disk, and a failed write
// removes it again. Over an existing file it goes as a save does, through a
// file beside it that is on disk before it replaces that file, so a failed
// write or a crash never leaves that file truncated.
int CUrlListFile::SaveCopy(const std::string& path) const {
    platform::FileSystem& files = *env_.files;
    const WriteContent lines = [this](platform::OpenFile& file) { return WriteLines(file); };
    platform::OsError error = 0;
    if (auto file = files.Open(path, platform::OpenMode::CreateNewDenyWrite, error)) {
        error = lines(*file);
        file.reset();
        if (error != 0) files.Remove(path);
        return error;
    }
    if (!files.Exists(path)) return error;
    // Refused where writing into it would be: a read-only file, or one another writer holds.
    if (!files.Open(path, platform::OpenMode::ReadWriteDenyWrite, error)) return error;
    return platform::ReplaceWhole(files, path, lines);
}

bool CUrlListFile::IsSameFile(const std::string& path) const {
    std::string full;
    return !path_.empty() && env_.files->FullPath(path, full) && full == path_;
}
