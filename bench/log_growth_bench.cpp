// Log growth: one-line appends to a fresh log box of the flash window, 1,000 and then 10,000
// of them; the cost per append must stay flat.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "ui/flash_window.h"
#include "ui/qt_host.h"
#include "ui/templates.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds per append of `count` lines to a fresh log box.
double PerAppend(tarnwick::ui::QtHost& host, int count) {
    const std::unique_ptr<tarnwick::ui::Window> window =
        tarnwick::ui::BuildWindow(tarnwick::ui::FlashWindowTemplate());
    tarnwick::ui::FlashWindow w(*window);
    const auto started = Clock::now();
    for (int i = 0; i < count; ++i) {
        host.AppendLog(w.显示窗, "正在刷入Recovery...\r\n");
    }
    return std::chrono::duration<double>(Clock::now() - started).count() / count;
}

void LogGrowth(benchmark::State& state) {
    tarnwick::ui::QtHost host;
    double small = 0;
    double large = 0;
    for (auto _ : state) {
        const double s = PerAppend(host, 1000);
        const double l = PerAppend(host, 10000);
        small += s;
        large += l;
        state.SetIterationTime(s * 1000 + l * 10000);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["us_per_append_1000"] = small / runs * 1e6;
    state.counters["us_per_append_10000"] = large / runs * 1e6;
    state.counters["ratio"] = large / small;
}
BENCHMARK(LogGrowth)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
