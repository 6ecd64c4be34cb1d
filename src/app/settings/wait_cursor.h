// Shows that the program is busy while settings are written or list files
// are looked up. The Windows build sets the wait cursor; elsewhere nothing shows.
#pragma once

class WaitCursor {
public:
    virtual ~WaitCursor() = default;
    virtual void Show() = 0;     // remembers what was shown before
    virtual void Restore() = 0;  // shows that again
};

class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursor* cursor) : cursor_(cursor) {
        if (cursor_) cursor_->Show();
    }
    ~WaitCursorScope() {
        if (cursor_) cursor_->Restore();
    }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    WaitCursor* cursor_;
};
