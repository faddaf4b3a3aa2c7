// Large tool output: the info window's read-back of a 10 MB log.txt against reading the same
// file into memory.
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "compile/tool_output.h"
#include "host/encoding.h"
#include "ui/info_window.h"
#include "ui/qt_host.h"
#include "ui/templates.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void ToolOutputReadBack(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "tarnwick-bench-output";
    fs::create_directories(folder);
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    std::string output;
    const std::string line =
        tarnwick::TextFromUtf8("I: 正在解码文件 res/layout/activity_main.xml ...\r\n").bytes();
    while (output.size() < 10 * 1024 * 1024) {
        output += line;
    }
    tarnwick::ui::QtHost host;
    const std::unique_ptr<tarnwick::ui::Window> window =
        tarnwick::ui::BuildWindow(tarnwick::ui::InfoWindowTemplate());
    tarnwick::ui::InfoWindow info(*window);
    window->Show();
    double read = 0;
    double readBack = 0;
    for (auto _ : state) {
        std::ofstream("log.txt", std::ios::binary) << output;
        auto started = Clock::now();
        std::ifstream in("log.txt", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        benchmark::DoNotOptimize(bytes.str());
        const double r = Seconds(started);
        started = Clock::now();
        tarnwick::compile::ReadBackToolOutput(info, host);
        QCoreApplication::processEvents();  // the window paints the text once
        const double b = Seconds(started);
        read += r;
        readBack += b;
        state.SetIterationTime(r + b);
    }
    fs::current_path(previous);
    fs::remove_all(folder);
    const auto runs = static_cast<double>(state.iterations());
    state.counters["read_ms"] = read / runs * 1e3;
    state.counters["read_back_ms"] = readBack / runs * 1e3;
    state.counters["ratio"] = readBack / read;
}
BENCHMARK(ToolOutputReadBack)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
