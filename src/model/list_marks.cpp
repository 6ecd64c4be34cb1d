// Marks, and the pairing with the other list of the program.
//
// At most one of the two lists holds marks: every SetMark on one list first
// discards the marks of the other, so the lists must know each other.
#include <algorithm>

#include "model/url_list_file.h"

void CUrlListFile::SetOtherList(CUrlListFile* other) {
    if (other == this) other = nullptr;
    if (other_ == other) return;
    if (other_) other_->other_ = nullptr;
    other_ = other;
    if (other_) {
        if (other_->other_) other_->other_->other_ = nullptr;
        other_->other_ = this;
    }
}

void CUrlListFile::DiscardOtherMarks() {
    if (other_ && other_->MarkCount() > 0) other_->ClearMarks();
}

int CUrlListFile::SetMark(int item, int mode) {
    if (!IsLinked(item) || mode < 0 || mode > 2) return -1;
    ListItem& it = items_[item];
    if (!it.Has(ItemFlags::kMarked) && mode != 0 && !marks_.empty() && markLevel_ != it.Level())
        return -4;  // marks are all at one level
    DiscardOtherMarks();
    if (it.Has(ItemFlags::kMarked)) {
        if (mode == 1) return 1;
        marks_.erase(std::find(marks_.begin(), marks_.end(), item));
        it.flags &= static_cast<std::uint8_t>(~ItemFlags::kMarked);
        if (marks_.empty()) markLevel_ = 3;
        return 0;
    }
    if (mode == 0) return 0;
    if (!GrowBy(marks_, kViewStep)) return -3;
    marks_.push_back(static_cast<std::uint16_t>(item));
    it.flags |= ItemFlags::kMarked;
    markLevel_ = it.Level();
    return 1;
}

int CUrlListFile::MarkSelected(int level) {
    if (level == -1) {
        level = kLevelCount - 1;
        while (level >= 0 && selection_[level] < 0) --level;
        if (level < 0) return -5;
    }
    if (level < 0 || level >= kLevelCount) return -5;
    if (!marks_.empty() && markLevel_ != level) return -4;
    int item = SelectedItem(level);
    if (item <= 0) return -5;
    return SetMark(item, 2) == -3 ? -3 : level;
}

int CUrlListFile::MarkRange(int level, int first, int last, int mode) {
    if (mode < 0 || mode > 2) return -1;
    if (level < 0 || level >= kLevelCount) return -5;
    if (!marks_.empty() && markLevel_ != level) return -4;
    if (Last(level) < 0) return -5;
    if (last < 0 || last > Last(level)) last = Last(level);
    for (int position = std::max(first, 0); position <= last; ++position)
        if (SetMark(ItemAt(level, position), mode) == -3) return -3;
    return level;
}

void CUrlListFile::ClearMarks() {
    for (std::uint16_t item : marks_)
        items_[item].flags &= static_cast<std::uint8_t>(~ItemFlags::kMarked);
    marks_.clear();
    markLevel_ = 3;
}
