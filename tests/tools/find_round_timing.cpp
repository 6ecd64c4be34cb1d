// A Find round over a list of 65,535 items that finds nothing: the model's
// FindNext alone against the Find command of the real main window (which adds
// showing the notice and putting the search text back; the pause itself is
// left out through the host). Prints both, the best of several rounds.
//
//     scripts/wine-exec build/windows/bin/vellinor_find_round_timing.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/find_state.h"
#include "model/title_text.h"
#include "resource.h"
#include "ui/main_dlg.h"
#include "ui_fake_host.h"
#include "timing_support.h"

namespace {

// 15 categories of 15 subcategories of 290 titles, 45 more in the last one:
// 65,535 items, the most a list holds.
std::string FullSizeList() {
    std::string text;
    for (int c = 0; c < 15; ++c) {
        text += "<1>Category " + std::to_string(c) + "\r\n";
        for (int s = 0; s < 15; ++s) {
            text += "\t<2>Subcategory " + std::to_string(s) + "\r\n";
            const int titles = c == 14 && s == 14 ? 335 : 290;
            for (int t = 0; t < titles; ++t) {
                const std::string n = std::to_string((c * 15 + s) * 290 + t);
                text += "\t\t" + ComposeTitleText("http://example.com/" + n, "Title number " + n, 0, "", "", 0) +
                        "\r\n";
            }
        }
    }
    return text;
}

template <class Step>
double Best(int rounds, Step step) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        step();
        ::QueryPerformanceCounter(&end);
        best = std::min(best, Milliseconds(start, end));
        DrainMessages();
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    constexpr char kText[] = "no such text";
    CFakeHost host(FullSizeList());
    host.startCategory = 0;
    auto window = host.OpenWindow(kViewRegular, SW_SHOWNOACTIVATE);
    if (!window) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 2;
    }
    DrainMessages();
    CUrlListFile& list = host.CurrentList();
    CFindState round;
    const double model = Best(rounds, [&] { list.FindNext(kText, round); });
    ::SetDlgItemTextA(window->Handle(), IDC_FIND_TEXT, kText);
    const double command =
        Best(rounds, [&] { ::SendMessageA(window->Handle(), WM_COMMAND, IDC_FIND, 0); });
    std::printf("%d items, best of %d rounds, no match\n", list.Count(), rounds);
    std::printf("model FindNext:        %.2f ms\n", model);
    std::printf("Find command (no pause): %.2f ms, %.2f ms more; pauses asked: %zu\n", command, command - model,
                host.pauses.size());
    ::DestroyWindow(window->Handle());
    return 0;
}
