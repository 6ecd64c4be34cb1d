// Switching between two lists of 65,535 items each in the running
// application, with marks in one: after the first switch (which reads the
// second list) the two models only change places, so nothing is read again.
// Times the List menu's Ctrl+Tab command from the command to the painted
// window, in Organize mode (or the mode named), and prints the best and the median of the rounds,
// how long the start took (reading the first list and showing it) and how
// long reading the second list took the first time.
//
//     scripts/wine-exec build/windows/bin/vellinor_list_switch_timing.exe [rounds] [titles per subcategory]
//         [compact|regular|organize]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_app.h"
#include "app/store/memory_store.h"
#include "dialogs/message_boxes.h"
#include "resource.h"
#include "timing_support.h"

namespace {

// Such a list is full: the notice saying so is answered at once.
class CAnsweringBoxes final : public IMessageBoxes {
public:
    int Show(HWND, const std::string&, const std::string&, MsgBoxKind) noexcept override { return IDOK; }
};

// 65,535 items: categories of 20 subcategories with `titles` titles each.
std::string FullList(const std::string& name, int titles) {
    std::string text;
    int items = 0;
    for (int c = 0; items < CUrlListFile::kMaxItems; ++c, ++items) {
        text += "<1>" + name + " category " + std::to_string(c) + "\r\n";
        for (int s = 0; s < 20 && items + 1 < CUrlListFile::kMaxItems; ++s, ++items) {
            text += "\t<2>Subcategory " + std::to_string(s) + "\r\n";
            for (int t = 0; t < titles && items + 2 < CUrlListFile::kMaxItems; ++t, ++items)
                text += "\t\thttp://example.com/" + name + "/" + std::to_string(items) + "\tTitle " +
                        std::to_string(items) + "\r\n";
        }
    }
    return text;
}

double TimeCommand(HWND window, int command) {
    DrainMessages();
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    ::SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int titles = argc > 2 ? std::max(1, std::atoi(argv[2])) : 120;
    const std::string modeName = argc > 3 ? argv[3] : "organize";
    const int viewMode = modeName == "compact" ? kViewCompact : modeName == "regular" ? kViewRegular : kViewOrganize;

    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vellinor switch timing\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string pathA = folder + "A.txt";
    const std::string pathB = folder + "B.txt";
    std::ofstream(pathA, std::ios::binary) << FullList("A", titles);
    std::ofstream(pathB, std::ios::binary) << FullList("B", titles);

    CAnsweringBoxes answers;
    MessageBoxesOverride boxes(answers);
    store::MemoryStore registry;
    {
        CAppSettings stored(registry);
        stored.AppFolder = folder;
        stored.LoadSettings();
        stored.Lists.entries = {{"A", pathA, "-1,-1,-1"}, {"B", pathB, "-1,-1,-1"}};
        stored.Lists.CurrentList = 0;
        stored.ViewMode = viewMode;
        stored.SaveSettings(true, nullptr);
    }
    int status = 0;
    {
        CMainApp app(AppEnvironment{&registry, folder + "vellinor.exe"});
        LARGE_INTEGER start, shown;
        ::QueryPerformanceCounter(&start);
        if (!app.Start("") || !app.MainWindow()) {
            std::fprintf(stderr, "the application did not start\n");
            return 2;
        }
        const HWND window = app.MainWindow()->Handle();
        ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::QueryPerformanceCounter(&shown);
        DrainMessages();
        CUrlListFile* listA = &app.CurrentList();
        const int marked = listA->MarkRange(kTitle, 0, -1, 1);
        const int marks = listA->MarkCount();

        const double firstSwitch = TimeCommand(window, ID_FIRST_LIST + 1);
        std::vector<double> times;
        // An odd number of switches ends on the marked list.
        for (int round = 0; round <= 2 * rounds; ++round)
            times.push_back(TimeCommand(window, ID_SWITCH_TO_PREVIOUS_LIST));
        const bool kept = app.Settings().Lists.CurrentList == 0 && &app.CurrentList() == listA &&
                          listA->MarkCount() == marks && app.OtherList() != nullptr;
        std::sort(times.begin(), times.end());
        std::printf("two lists of %d items, %d titles per subcategory, %d titles marked in one (result %d), %s mode\n",
                    listA->Count(), titles, marks, marked, modeName.c_str());
        std::printf("start, reading the first list and showing it: %.1f ms\n", Milliseconds(start, shown));
        std::printf("first switch, reading the second list: %.1f ms\n", firstSwitch);
        std::printf("switching back and forth (%zu switches): best %.1f ms, median %.1f ms, worst %.1f ms\n",
                    times.size(), times.front(), times[times.size() / 2], times.back());
        std::printf("marked list kept without reading it again: %s\n", kept ? "yes" : "NO");
        status = kept ? 0 : 1;
        app.End();
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}
