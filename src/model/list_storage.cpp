// Growth of a list's storage: every growth passes the memory gate and turns
// an allocation failure into a refusal, so callers can return -3 with the
// list unchanged.
#include <atomic>
#include <new>

#include "model/list_memory.h"
#include "model/url_list_file.h"

namespace {
constexpr std::size_t kFirstItemCapacity = 1000;
constexpr std::size_t kItemStep = 500;

std::uint64_t NextLoadStamp() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}
}  // namespace

CUrlListFile::CUrlListFile(ListEnvironment env) : env_(env) { Reset(); }

CUrlListFile::~CUrlListFile() { SetOtherList(nullptr); }

void CUrlListFile::Reset() {
    items_.assign(1, ListItem{});
    texts_.Reset();
    for (auto& view : views_) view.clear();
    marks_.clear();
    for (int& s : selection_) s = -1;
    markLevel_ = 3;
    titleCount_ = 0;
    count_ = 0;
    readOnly_ = true;
    backupPending_ = true;
    full_ = false;
    modified_ = false;
    loadStamp_ = NextLoadStamp();
    path_.clear();
    file_.reset();  // an emptied list no longer keeps other writers out of its old file
}

bool CUrlListFile::Reserve(std::size_t items) {
    if (items <= items_.capacity() && items <= texts_.SpanCapacity()) return true;
    if (env_.memory &&
        !env_.memory->MayGrow(items * (sizeof(ListItem) + sizeof(ItemTexts::Span))))
        return false;
    try {
        items_.reserve(items);
    } catch (const std::bad_alloc&) {
        return false;
    }
    platform::PrepareToFill(items_.data() + items_.size(), (items_.capacity() - items_.size()) * sizeof(ListItem));
    return texts_.ReserveSpans(items);
}

// Room for the text of one more item in the texts' buffer.
bool CUrlListFile::ReserveTextBytes(std::size_t bytes) {
    if (bytes <= texts_.ByteRoom()) return true;
    if (env_.memory && !env_.memory->MayGrow(texts_.GrownCapacity(bytes))) return false;
    return texts_.ReserveBytes(bytes);
}

template <typename Vector>
bool CUrlListFile::GrowBy(Vector& vector, std::size_t step) {
    if (vector.size() < vector.capacity()) return true;
    return ReserveThroughGate(env_.memory, vector, vector.capacity() + step);
}

template bool CUrlListFile::GrowBy(std::vector<std::uint16_t>&, std::size_t);

// Room for one more item, growing by the fixed step.
bool CUrlListFile::ReserveOneItem() {
    if (count_ >= kMaxItems) return false;
    std::size_t needed = static_cast<std::size_t>(count_) + 2;
    if (needed <= items_.capacity() && needed <= texts_.SpanCapacity()) return true;
    std::size_t capacity = items_.capacity() < kFirstItemCapacity ? kFirstItemCapacity
                                                                  : items_.capacity() + kItemStep;
    return Reserve(capacity);
}
