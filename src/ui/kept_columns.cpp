#include "ui/kept_columns.h"

namespace {

// The ids of the boxes put aside, one per column; they trade ids with the
// shown boxes at a switch.
constexpr int kSpareBoxId = 0x7E00;
// A column of fewer entries fills in about the time two boxes take to trade
// places.
constexpr int kEntriesWorthKeeping = 2000;

}  // namespace

void CKeptColumns::Keep(bool keep, const CUrlListFile& list, int recentPeriodDays) {
    const int aside = 1 - front_;
    bool large = false;
    for (int column = 0; column < count_; ++column) {
        const CLevelListBox& spare = boxes_[aside][column];
        large = large || Box(column).Count() >= kEntriesWorthKeeping ||
                (spare.Handle() && spare.Count() >= kEntriesWorthKeeping);
    }
    kept_ = keep && large;
    for (int column = 0; column < count_ && kept_; ++column) {
        CLevelListBox& spare = boxes_[aside][column];
        kept_ = spare.Handle() || spare.AttachTwin(Box(column), kSpareBoxId + column);
    }
    for (int column = 0; column < count_; ++column) {
        if (kept_)
            Box(column).Remember(list, recentPeriodDays);
        else
            Box(column).Forget();
    }
}

void CKeptColumns::TradeIfKept() noexcept {
    if (!kept_) return;
    kept_ = false;
    const int aside = 1 - front_;
    for (int column = 0; column < count_; ++column) boxes_[aside][column].TakePlaceOf(Box(column));
    front_ = aside;
}
