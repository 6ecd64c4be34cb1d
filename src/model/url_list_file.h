// One open URL list: the outline of categories, subcategories and titles read
// from a list file, its three level views, per-level selection and marks.
//
// The outline is one circular doubly linked list of items in file order with
// item 0 as head; an item is followed by its whole subtree. Item numbers are
// 16-bit and never change while a list is loaded (deleting unlinks an item but
// keeps its slot; only Load renumbers). Texts are ANSI code-page bytes.
//
// Nothing here shows a message: operations return small signed result codes
// (0 success, -1 nothing to do, -3 out of memory, -4 marks at another level,
// -5 nothing to mark; file writes return the OS error code) and the caller
// turns them into messages.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/find_state.h"
#include "model/item_texts.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

struct DuplicateMergeCounts;

enum ItemLevel : int { kCategory = 0, kSubcategory = 1, kTitle = 2 };
inline constexpr int kLevelCount = 3;

namespace ItemFlags {
inline constexpr std::uint8_t kLevelMask = 0x03;
inline constexpr std::uint8_t kMarked = 0x10;
inline constexpr std::uint8_t kSeparator = 0x20;
inline constexpr std::uint8_t kAliasTarget = 0x40;
inline constexpr std::uint8_t kAlias = 0x80;
}  // namespace ItemFlags

// What DisplayAttributes gives the list boxes: a colour code in the low
// 16 bits, and flags above it.
namespace DisplayCode {
inline constexpr int kColorMask = 0xFFFF;
inline constexpr int kNormal = 1;
inline constexpr int kRecent = 3;  // a title visited within the recent period
inline constexpr int kMarked = 4;
inline constexpr int kHasNote = 0x10000;  // a title with a note or log-in name
inline constexpr int kSeparator = 0x20000;
}  // namespace DisplayCode

struct ListItem {
    std::uint16_t prev = 0;
    std::uint16_t next = 0;
    std::uint8_t flags = 0;
    int Level() const { return flags & ItemFlags::kLevelMask; }
    bool Has(std::uint8_t flag) const { return (flags & flag) != 0; }
};

// Asked before every growth of a list's storage; a test replaces it to make
// memory run out at a chosen point.
class MemoryGate {
public:
    virtual ~MemoryGate() = default;
    virtual bool MayGrow(std::size_t newBytes) = 0;
};

// The OS services a list uses; the defaults are the real ones.
struct ListEnvironment {
    platform::FileSystem* files = &platform::OsFileSystem();
    const platform::CodePage* codePage = &platform::AnsiCodePage();
    const platform::Clock* clock = &platform::SystemClock();
    MemoryGate* memory = nullptr;
};

enum class SelectMode { kNone = 0, kSingleChild = 1, kFirstChild = 2 };

class CUrlListFile {
public:
    static constexpr int kMaxItems = 65535;
    static constexpr int kFullTitleCount = 10000;
    static constexpr std::size_t kViewStep = 50;  // growth of level views and marks

    explicit CUrlListFile(ListEnvironment env = {});
    ~CUrlListFile();
    CUrlListFile(const CUrlListFile&) = delete;
    CUrlListFile& operator=(const CUrlListFile&) = delete;

    // --- list file ---------------------------------------------------------
    // 0 loaded, 1 loaded and full, 3 read-only, -1 not found or bad path,
    // -2 other open failure, -3 memory ran out or the file holds more than
    // kMaxItems items (partly loaded, read-only).
    int Load(const std::string& path);
    int Load();  // reloads the list's own file
    // 0, or the OS error of the failed write; the file on disk is then as it was.
    int Save();
    int SaveCopy(const std::string& path) const;
    bool IsSameFile(const std::string& path) const;
    // Lets go of the list file, so that other programs may write or move it;
    // the list stays as it is, and the next Load or Save takes the file again.
    void CloseFile();
    int LastOsError() const { return lastOsError_; }
    void Reset();

    // --- outline -----------------------------------------------------------
    struct Sibling {
        int item;      // where the subtree ends
        int relation;  // 1 same level, 0 higher level, -1 reached the head
    };
    Sibling NextSibling(int item) const;
    int ResolveAlias(int item) const;
    std::string_view ItemText(int item) const;  // through aliases
    std::string_view RawText(int item) const { return texts_[item]; }
    std::string_view DisplayName(int item) const;
    const ListItem& Item(int item) const { return items_[item]; }
    int Level(int item) const { return items_[item].Level(); }
    int First() const { return items_[0].next; }  // 0 when the list is empty
    int Next(int item) const { return items_[item].next; }
    int Count() const { return count_; }  // highest item number in use
    // Whether `item` is in the outline: deleting an entry or dropping an alias
    // takes it out and leaves it pointing at itself, which a linked item never
    // does, since the head is always in the ring.
    bool IsLinked(int item) const { return item > 0 && item <= count_ && items_[item].next != item; }

    // Appends item Count()+1 and links it before `before`; the new number or -3.
    int InsertBefore(int before, std::string text, std::uint8_t flags);
    // Unlinks `item` with its subtree and relinks it before `before`.
    void MoveSubtree(int item, int before);
    // Item before which a new entry of `level` ends the selected parent's
    // children: 0 for level 0, -1 when the level above has no selection.
    int InsertionPoint(int level) const;

    // --- level views and selection -----------------------------------------
    int ItemAt(int level, int position) const;
    int Selection(int level) const { return selection_[level]; }
    int Last(int level) const { return static_cast<int>(views_[level].size()) - 1; }
    int SelectedItem(int level) const;
    std::string_view SelectedUrl() const;
    int RebuildLevel(int level);  // 0 or -3
    // Selects `position` at `level` (-1: only rebuild from level 0) and rebuilds
    // every deeper view; the position actually selected.
    int Select(int level, int position, SelectMode mode = SelectMode::kNone);
    int InsertInView(int level, int position, int item);  // 0 or -3
    // List box drawing code (DisplayCode): marked, recently visited or
    // normal, plus separator and note flags.
    int DisplayAttributes(int level, int position, int recentPeriodDays) const;
    // The same at the time `now`: filling a column reads the clock once.
    int DisplayAttributes(int level, int position, int recentPeriodDays, std::int64_t now) const;

    // --- plain readers -----------------------------------------------------
    int TitleCount() const { return titleCount_; }
    bool IsReadOnly() const { return readOnly_; }
    bool IsFull() const { return full_; }
    bool IsModified() const { return modified_; }
    void SetModified() { modified_ = true; }
    const std::string& Path() const { return path_; }
    int MarkLevel() const { return markLevel_; }
    int MarkCount() const { return static_cast<int>(marks_.size()); }
    const std::vector<std::uint16_t>& Marks() const { return marks_; }
    const ListEnvironment& Environment() const { return env_; }

    // --- editing -----------------------------------------------------------
    // Adds an entry under the parent selected above `level`, at its
    // alphabetical place by `sortKey` (the name as shown) when the view is in
    // order, else at the end. The new position; -1 when the level above has no
    // selection (or `text` is empty); -3 when memory ran out (nothing changed).
    int AddItem(int level, std::string text, std::string_view sortKey);
    // Position before which `key` belongs in the view, -1 for the end.
    int SortedPosition(int level, std::string_view key) const;
    // Renames the entry (an alias edits its target); titles also take `url`.
    // TAB, CR and LF become spaces; an empty name (for titles: URL) is ignored.
    void EditItem(int level, int position, std::string_view name, std::string_view url = {});
    // `note` is raw (CR LF and TAB allowed); an alias is resolved to its target.
    void SetNoteAndLogIn(int item, std::string_view note, std::string_view logIn);
    void SetLastVisited(int item, bool never);  // now by the list's clock, or 0
    // A new URL for the title, its other fields kept (an alias changes its target).
    void SetTitleUrl(int item, std::string_view url);
    // A separator above the selected entry, which stays selected; its
    // position, -1 when nothing is selected at `level`, -3 out of memory.
    int InsertSeparator(int level);

    // --- deleting ----------------------------------------------------------
    // Deletes the item with its subtree. An alias target hands its role to its
    // first alias outside the deleted range, or with `allInstances` every
    // alias goes with it. With `unmark` the deletion counts as unmarking
    // (which discards the other list's marks); deleted items never stay marked.
    void DeleteItem(int item, bool allInstances, bool unmark);
    // DeleteItem of a view entry; the selection keeps its item, or when that
    // was deleted the same position (at most the new last).
    void DeleteAt(int level, int position, bool allInstances);

    // --- moving and sorting ------------------------------------------------
    // Moves the entry with its subtree before the entry at `to` (-1: after the
    // last) and selects it.
    void MoveInView(int level, int from, int to);
    // Sorts each run of the view between separators (or empty names) by
    // display name, keeping equal names in their order; 0, or -3 (unchanged).
    int SortLevel(int level);

    // --- finding -----------------------------------------------------------
    struct FindOutcome {
        // 0 next match, 1 the first match again (full circle), 2 the only
        // match, 3 not found, -3 memory ran out while showing the match.
        int result;
        int firstChangedLevel;  // kLevelCount when the selection is unchanged
    };
    // Steps to the next entry after the deepest selection whose name (for
    // titles: URL, title, note or log-in name) contains `text`, ignoring case,
    // wrapping round through the head.
    FindOutcome FindNext(std::string_view text, CFindState& round);

    // --- marks and the other list ------------------------------------------
    // Pairs this list with the other list of the program (nullptr: none), in
    // both directions: marking in one discards the marks of the other, and
    // CopyMarkedFromOther reads the other. A list unpairs itself when deleted.
    void SetOtherList(CUrlListFile* other);
    CUrlListFile* OtherList() const { return other_; }
    // mode 0 unmark, 1 mark, 2 toggle: 1 marked, 0 unmarked, -1 no such item,
    // -3 out of memory, -4 marks exist at another level.
    int SetMark(int item, int mode);
    // Both give the level, or -4 when marks exist at another level, -5 when
    // there is nothing to mark there, -3 out of memory (the marks made stay).
    int MarkSelected(int level);  // -1: the deepest level with a selection
    int MarkRange(int level, int first, int last, int mode);  // last -1: the view's last
    void ClearMarks();
    // Insert the marked items under the parent selected above the mark level:
    // 0; -1 no marks (or, for aliases, marks that are not titles) or no
    // parent; -3 memory ran out (what was inserted stays, marks stay).
    int MoveMarked();
    int AliasMarked();
    int CopyMarkedFromOther();
    void DeleteMarked();

    // --- duplicates --------------------------------------------------------
    // Replaces each later title of every group of FindDuplicateUrls by an
    // alias of the group's first, in its own place. Nothing is lost: a note,
    // title or log-in name that differs is added to the kept title's note (an
    // empty log-in name takes the other's) and the latest visit is kept.
    // 0 with the counts; -3 out of memory (the list is unchanged).
    int MergeDuplicateUrls(DuplicateMergeCounts& counts);

private:
    friend class ListInvariantChecker;

    // Where a new entry of a level goes: linked before `before`, shown at
    // `position` of the level view (list_placement.cpp).
    struct Placement {
        int before;
        int position;
        bool viewWasEmpty;
    };
    int PlaceEntry(int level, std::string_view key, Placement& place);
    void ShowPlacedEntry(int level, const Placement& place, int item);
    bool ShowLevel(int level, int position);
    void Reselect(int level, int position);
    void SelectAfterInsert(int level, int lastInserted);
    void ForgetUnlinked();
    int ViewPosition(int level, int item) const;

    void ReplaceText(int item, std::string text);
    void CountTitles(int delta);
    int EditableTitle(int item) const;

    // Deleting (list_delete.cpp); a range is an item with its subtree, and
    // one AliasBook keeps the aliases right through a whole deletion.
    class AliasBook;
    void DeleteRange(AliasBook& book, int item, bool allInstances, bool unmark);

    bool Matches(int item, const platform::TextSearch& search) const;
    void DiscardOtherMarks();
    int InsertCopy(const CUrlListFile& from, int source, int before);

    bool Reserve(std::size_t items);
    bool ReserveOneItem();
    bool ReserveTextBytes(std::size_t bytes);
    template <typename Vector>
    bool GrowBy(Vector& vector, std::size_t step);
    // An alias line, or a title line carrying a '#' field, as the parse met
    // it, with the number it names. `asWritten`: an alias line reads "alias:"
    // and `number` as the writer puts it; a title is in the writer's form with
    // its own item number in its '#' field.
    struct NumberedLine {
        int item;
        bool asWritten;
        long number;
    };
    int ParseContent(platform::FileBytes content);
    void ResolveAliases(const std::vector<NumberedLine>& aliases,
                        const std::vector<NumberedLine>& targets);
    void Unlink(int item);
    platform::OsError WriteLines(platform::OpenFile& file) const;
    using WriteContent = platform::WriteContent;
    int WriteReplacing(const std::string& target, const WriteContent& write);
    void WriteBackup();
    bool ReopenHeldFile();

    ListEnvironment env_;
    std::vector<ListItem> items_;
    ItemTexts texts_;
    std::vector<std::uint16_t> views_[kLevelCount];
    std::vector<std::uint16_t> marks_;
    int selection_[kLevelCount] = {-1, -1, -1};
    int markLevel_ = 3;
    bool readOnly_ = true;
    bool modified_ = false;
    bool full_ = false;
    int titleCount_ = 0;
    int lastOsError_ = 0;
    std::unique_ptr<platform::OpenFile> file_;
    std::string path_;
    int count_ = 0;
    bool backupPending_ = true;
    CUrlListFile* other_ = nullptr;
    std::uint64_t loadStamp_ = 0;  // new with every Reset; names this load for a Find round
};
