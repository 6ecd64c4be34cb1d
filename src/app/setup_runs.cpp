#include "app/setup_runs.h"

SetupOutcome RunSetup(HWND, CAppSettings&) { return {}; }

bool RunUninstall(HWND, CAppSettings&) { return false; }
