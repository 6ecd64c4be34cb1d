// vellinor.exe: the program. Its settings live in the registry.
#include <windows.h>

#include "app/main_app.h"
#include "app/win32/registry_store.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    RegistryStore registry;
    CMainApp app(AppEnvironment{&registry, {}});
    int code = app.Start(commandLine ? commandLine : "") ? app.Run() : 0;
    app.End();
    return code;
}
