// The system's wait cursor while settings are written or list files looked up.
#pragma once

#include <windows.h>

#include "app/settings/wait_cursor.h"

class SystemWaitCursor final : public WaitCursor {
public:
    void Show() override { previous_ = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT)); }
    void Restore() override { ::SetCursor(previous_); }

private:
    HCURSOR previous_ = nullptr;
};
