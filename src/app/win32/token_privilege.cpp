#include "app/win32/token_privilege.h"

ScopedPrivilege::ScopedPrivilege(const char* name) {
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                            token_.Put())) {
        static_cast<void>(token_.Release());  // whatever a failed call left is not ours
        return;
    }
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    DWORD previousSize = 0;
    // AdjustTokenPrivileges succeeds without granting a privilege the token
    // lacks; only ERROR_NOT_ALL_ASSIGNED tells.
    enabled_ = ::LookupPrivilegeValueA(nullptr, name, &wanted.Privileges[0].Luid) &&
               ::AdjustTokenPrivileges(token_.Get(), FALSE, &wanted, sizeof previous_, &previous_,
                                       &previousSize) &&
               ::GetLastError() == ERROR_SUCCESS;
}

ScopedPrivilege::~ScopedPrivilege() {
    // `previous_` lists the privilege only when the call changed it, so one that
    // was enabled before stays enabled.
    if (enabled_) ::AdjustTokenPrivileges(token_.Get(), FALSE, &previous_, 0, nullptr, nullptr);
}
