// Start-up: from starting the process to the first paint of its window, and the peak memory
// by then, for the program (the home window) against the floor program, alternating.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

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

void StartUp(benchmark::State& state) {
    Start floor{}, program{};
    for (auto _ : state) {
        const Start f = MeasureStart(TARNWICK_FLOOR);
        const Start p = MeasureStart(TARNWICK_PROGRAM);
        if (f.milliseconds == 0 || p.milliseconds == 0) {
            state.SkipWithError("no first paint: is DISPLAY set?");
            return;
        }
        floor.milliseconds += f.milliseconds;
        floor.peakMiB = std::max(floor.peakMiB, f.peakMiB);
        program.milliseconds += p.milliseconds;
        program.peakMiB = std::max(program.peakMiB, p.peakMiB);
        state.SetIterationTime((f.milliseconds + p.milliseconds) / 1000.0);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floor.milliseconds / runs;
    state.counters["home_ms"] = program.milliseconds / runs;
    state.counters["time_ratio"] = program.milliseconds / floor.milliseconds;
    state.counters["floor_MiB"] = floor.peakMiB;
    state.counters["home_MiB"] = program.peakMiB;
    state.counters["memory_ratio"] = program.peakMiB / floor.peakMiB;
}
BENCHMARK(StartUp)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
