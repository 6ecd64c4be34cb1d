// Enables one privilege of the process token for the life of the object, e.g.
// "SeBackupPrivilege" around RegSaveKeyA and "SeRestorePrivilege" around
// RegLoadKeyA/RegUnLoadKeyA, and puts it back as it was afterwards.
#pragma once

#include <windows.h>

#include "win/handles.h"

class ScopedPrivilege {
public:
    explicit ScopedPrivilege(const char* name);
    ~ScopedPrivilege();
    ScopedPrivilege(const ScopedPrivilege&) = delete;
    ScopedPrivilege& operator=(const ScopedPrivilege&) = delete;

    // False when the token could not be opened or the privilege is not held;
    // the caller's own call then reports the failure (error 1314).
    bool Enabled() const { return enabled_; }

private:
    win::UniqueHandle token_;
    TOKEN_PRIVILEGES previous_{};
    bool enabled_ = false;
};
