#include "app/lists/list_models.h"

#include <utility>

CListModels::CListModels(ListEnvironment environment)
    : environment_(environment), current_(NewModel()) {}

std::unique_ptr<CUrlListFile> CListModels::NewModel() const {
    return std::make_unique<CUrlListFile>(environment_);
}

void CListModels::DiscardOther() noexcept {
    other_.reset();  // a list unpairs itself as it goes
}

void CListModels::CloseFiles() noexcept {
    current_->CloseFile();
    if (other_) other_->CloseFile();
}

void CListModels::SwapWithOther(int& currentIndex) noexcept {
    std::swap(current_, other_);
    std::swap(currentIndex, previousIndex_);
}

bool CListModels::Select(int& currentIndex, int index, const Opener& open) {
    // Moving the current model aside here would open its file a second time
    // into a new model, and a held list file refuses a second writer.
    if (index == currentIndex) return open(*current_);

    const int oldIndex = currentIndex;
    if (other_) {
        if (index >= 0 && index == previousIndex_) {
            SwapWithOther(currentIndex);
            return true;
        }
        if (other_->MarkCount() > 0) {
            // The marks stay where they are; the current model (which holds
            // none: marking one list clears the other) takes the new list.
            currentIndex = index;
            if (open(*current_)) return true;
            currentIndex = oldIndex;
            return false;
        }
        DiscardOther();
    }

    currentIndex = index;
    if (current_->MarkCount() == 0) {
        if (!open(*current_)) {
            currentIndex = oldIndex;
            return false;
        }
    } else {
        std::unique_ptr<CUrlListFile> fresh = NewModel();
        if (!open(*fresh)) {
            currentIndex = oldIndex;
            return false;
        }
        other_ = std::exchange(current_, std::move(fresh));
        current_->SetOtherList(other_.get());
    }
    previousIndex_ = oldIndex;
    return true;
}
