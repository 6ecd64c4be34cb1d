// CListModels: the list models of the program and the rules for switching
// the current list among the configured ones.
//
// Items marked in one list can be moved, duplicated or aliased into another
// (see CUrlListFile::SetOtherList). So a list left while it holds marks is
// kept in memory as the other list, and switching back to it swaps the two
// models without reading its file again. At most two models exist.
//
// Loading is the caller's: Select hands it the model to fill, with the
// current index already set, and keeps or drops models by the outcome.
#pragma once

#include <functional>
#include <memory>

#include "model/url_list_file.h"

class CListModels {
public:
    // Opens the current list (whose index is set) into the given model;
    // false when it could not be opened (the model then is as it was).
    using Opener = std::function<bool(CUrlListFile& model)>;

    explicit CListModels(ListEnvironment environment = {});

    CUrlListFile& Current() noexcept { return *current_; }
    // The list left last while it held marks, else null.
    CUrlListFile* Other() noexcept { return other_.get(); }
    // The list current before this one (-1: none), also once its model is
    // gone: Ctrl+Tab goes back to it. While Other() exists it is that list.
    int PreviousIndex() const noexcept { return previousIndex_; }
    // That index after the list table changed; -1 when the list is no longer
    // in the table (a model kept for its marks is then never selected again
    // by an index).
    void SetPreviousIndex(int index) noexcept { previousIndex_ = index; }
    void DiscardOther() noexcept;
    // Both models let go of their list files (CUrlListFile::CloseFile).
    void CloseFiles() noexcept;

    // Makes list `index` current; `currentIndex` is the list table's current
    // index, changed only on success. Selecting the list that is current
    // already only reopens it (open decides whether its file is read again).
    bool Select(int& currentIndex, int index, const Opener& open);

private:
    std::unique_ptr<CUrlListFile> NewModel() const;
    void SwapWithOther(int& currentIndex) noexcept;

    ListEnvironment environment_;
    std::unique_ptr<CUrlListFile> current_;
    std::unique_ptr<CUrlListFile> other_;
    int previousIndex_ = -1;
};
