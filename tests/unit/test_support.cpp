#include "test_support.h"

#include <atomic>
#include <chrono>

namespace testing_support {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> serial{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("vellinor-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(root_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

class BudgetedFile final : public platform::OpenFile {
public:
    BudgetedFile(std::unique_ptr<platform::OpenFile> real, FailingWritesFileSystem& owner)
        : real_(std::move(real)), owner_(owner) {}
    platform::OsError ReadAll(platform::FileBytes& out) override { return real_->ReadAll(out); }
    platform::OsError Write(std::string_view bytes) override {
        if (bytes.size() > owner_.budget_) {
            real_->Write(bytes.substr(0, owner_.budget_));
            owner_.budget_ = 0;
            return FailingWritesFileSystem::kDiskFull;
        }
        owner_.budget_ -= bytes.size();
        return real_->Write(bytes);
    }
    platform::OsError Truncate() override { return real_->Truncate(); }
    platform::OsError Flush() override { return real_->Flush(); }

private:
    std::unique_ptr<platform::OpenFile> real_;
    FailingWritesFileSystem& owner_;
};

std::unique_ptr<platform::OpenFile> FailingWritesFileSystem::Open(const std::string& path,
                                                                  platform::OpenMode mode,
                                                                  platform::OsError& error) {
    auto file = real_.Open(path, mode, error);
    if (!file) return nullptr;
    if (mode == platform::OpenMode::CreateNewDenyWrite) created.push_back(path);
    return std::make_unique<BudgetedFile>(std::move(file), *this);
}

}  // namespace testing_support
