// A tiny program for the tests of starting programs: writes its working
// folder and then each of its arguments after the first, one per line, to
// the file named by its first argument.
//
//     write_args.exe OUTPUT_FILE ARGUMENTS...
#include <windows.h>

#include <cstdlib>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    std::ofstream out(__argv[1], std::ios::binary);
    out << folder << "\n";
    for (int i = 2; i < __argc; ++i) out << __argv[i] << "\n";
    return out ? 0 : 1;
}
