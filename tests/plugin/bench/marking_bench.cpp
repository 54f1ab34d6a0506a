// What the plug-in costs the logbook: a full repaint of a screen of log rows with the plug-in attached,
// against the grid's own painting (its own cell handler included) without it; and the member check per
// keystroke in the callsign box, against the host's own handler alone. Each figure is the median of several
// rounds in this run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../../dll/fake_host.h"
#include "../temp_folder.h"
#include "host/handler_failures.h"
#include "host/host_handlers.h"
#include "host/log_grid.h"
#include "host/sample_log.h"
#include "plugin/lifecycle.h"
#include "settings/config.h"
#include "registry/jet4/writer/jet4_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

// A host whose main grid is the substitute logbook's real grid.
struct GridWindow : THostMainWindow {
    fake::Application* application = nullptr;
    TwwDBGrid* grid = nullptr;
    TApplication* __stdcall GetApplication() override { return application; }
    void* __stdcall GetReserved() override { return nullptr; }
    TwwDBGrid* __stdcall GetMainGrid() override { return grid; }
};

template <class Work> double MedianMicroseconds(int rounds, int repeats, Work work) {
    std::vector<double> each;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < repeats; ++i) {
            work();
        }
        each.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / repeats);
    }
    std::sort(each.begin(), each.end());
    return each[each.size() / 2];
}

// A screen of rows: the sample log repeated.
brevlog::LogTable ScreenOfRows() {
    brevlog::LogTable table = brevlog::SampleMainLog();
    const auto sample = table.rows;
    while (table.rows.size() < 40) {
        table.rows.insert(table.rows.end(), sample.begin(), sample.end());
    }
    table.rows.resize(40);
    return table;
}

} // namespace

int main() {
    CoInitialize(nullptr);
    testing_support::TempFolder folder;
    const std::string zvk = folder.folder("ZVK");
    testing_support::TempFolder::write(
        zvk + "\\zvk.mdb",
        jet4::writeMemberDatabase({u"UA3ABC", u"R2DEF", u"RK3AR", u"UA1AAA", u"RA9XYZ"}, u"w52rt7jh"));

    brevlog::HandlerFailures failures;
    brevlog::LogGrid grid(ScreenOfRows(), failures);
    if (!grid.Create(nullptr, 1, RECT{0, 0, 700, 900})) {
        std::fprintf(stderr, "marking_bench: no grid window\n");
        return 1;
    }

    // The logbook's own cell handler (the mode marker), as the plug-in finds it.
    brevlog::InstallModeMarker(grid);

    fake::Host host;
    GridWindow mainWindow;
    mainWindow.application = &host.application;
    mainWindow.grid = &grid;
    host.environment.folder = folder.path();
    host.context.MainWindow = &mainWindow;
    host.context.SecondLog = nullptr;
    // The callsign box's place on the screen, where the notice goes.
    host.edit.handle = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 120, 22, nullptr,
                                       nullptr, nullptr, nullptr);

    constexpr int Rounds = 7;
    const double alone = MedianMicroseconds(Rounds, 50, [&] { grid.Render(); });
    zvk::RunPlugin(&host.context);
    zvk::Config.EnableSound = false; // no audio device here; the sound is asynchronous anyway
    const double marked = MedianMicroseconds(Rounds, 50, [&] { grid.Render(); });

    // Keystrokes: the host's own handler alone, then with the plug-in's check after it.
    host.edit.text = "UA3AB";
    const TNotifyEvent hostOnly = host.change.notifyPair();
    const double hostKey = MedianMicroseconds(Rounds, 2000, [&] { fake::Edit::fire(hostOnly, &host.edit); });
    const double nonMember =
        MedianMicroseconds(Rounds, 2000, [&] { fake::Edit::fire(host.edit.change, &host.edit); });
    host.edit.text = "UA3ABC";
    const double member =
        MedianMicroseconds(Rounds, 200, [&] { fake::Edit::fire(host.edit.change, &host.edit); });
    zvk::ReleasePlugin();
    DestroyWindow(host.edit.handle);

    std::printf("marking benchmark (median of %d rounds; %zu rows x %zu columns)\n", Rounds,
                grid.table().rows.size(), grid.table().columns.size());
    std::printf("  grid repaint, host alone          %10.1f us\n", alone);
    std::printf("  grid repaint, plug-in attached    %10.1f us   ratio %.2f (goal under 1.20)\n", marked,
                marked / alone);
    std::printf("  keystroke, host handler alone     %10.2f us\n", hostKey);
    std::printf("  keystroke, non-member check       %10.2f us   (goal under 50 us)\n", nonMember);
    std::printf("  keystroke, member, notice shown   %10.2f us   (goal under 5000 us)\n", member);
    CoUninitialize();
    return 0;
}
