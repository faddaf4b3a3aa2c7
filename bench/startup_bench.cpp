// Start-up: from starting the process to the first paint of its window, and the peak memory
// by then, for the program (the home window) against the floor program, alternating; at 100 %
// and, with Qt's scale factor, at 200 %, where the window draws its pictures of double size.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double milliseconds;
    double peakMiB;
};

// Starts the program, waits for its first-paint byte, then ends it and reads its peak memory.
Start MeasureStart(const char* program) {
    int pipe_[2];
    if (pipe(pipe_) != 0) {
        return {};
    }
    const std::string variable = "TARNWICK_FIRST_PAINT_FD=" + std::to_string(pipe_[1]);
    putenv(const_cast<char*>(variable.c_str()));
    const auto started = std::chrono::steady_clock::now();
    pid_t pid = -1;
    char* argv[] = {const_cast<char*>(program), nullptr};
    const bool spawned = posix_spawn(&pid, program, nullptr, nullptr, argv, environ) == 0;
    unsetenv("TARNWICK_FIRST_PAINT_FD");
    close(pipe_[1]);
    char byte = 0;
    const bool painted = spawned && read(pipe_[0], &byte, 1) == 1;
    const auto painting = std::chrono::steady_clock::now();
    close(pipe_[0]);
    if (!spawned) {
        return {};
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!painted) {
        return {};
    }
    return {std::chrono::duration<double, std::milli>(painting - started).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// The middle value: one start slowed by the rest of the machine does not move it.
double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void MeasureStartUps(benchmark::State& state) {
    std::vector<double> floorTimes, programTimes;
    double floorPeak = 0, programPeak = 0;
    for (auto _ : state) {
        const Start f = MeasureStart(TARNWICK_FLOOR);
        const Start p = MeasureStart(TARNWICK_PROGRAM);
        if (f.milliseconds == 0 || p.milliseconds == 0) {
            state.SkipWithError("no first paint: is DISPLAY set?");
            return;
        }
        floorTimes.push_back(f.milliseconds);
        programTimes.push_back(p.milliseconds);
        floorPeak = std::max(floorPeak, f.peakMiB);
        programPeak = std::max(programPeak, p.peakMiB);
        state.SetIterationTime((f.milliseconds + p.milliseconds) / 1000.0);
    }
    const double floorTime = Median(floorTimes);
    const double programTime = Median(programTimes);
    state.counters["floor_ms"] = floorTime;
    state.counters["home_ms"] = programTime;
    state.counters["time_ratio"] = programTime / floorTime;
    state.counters["floor_MiB"] = floorPeak;
    state.counters["home_MiB"] = programPeak;
    state.counters["memory_ratio"] = programPeak / floorPeak;
}

void StartUp(benchmark::State& state) {
    MeasureStartUps(state);
}
BENCHMARK(StartUp)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

void StartUpAt200Percent(benchmark::State& state) {
    setenv("QT_SCALE_FACTOR", "2", 1);
    MeasureStartUps(state);
    unsetenv("QT_SCALE_FACTOR");
}
BENCHMARK(StartUpAt200Percent)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

}  // namespace
