// Command runner overhead: "cmd /c true" through the interpreter against starting the same
// tiny tool directly, alternating.
#include <spawn.h>
#include <sys/wait.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "host/command_runner.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void CommandRunnerOverhead(benchmark::State& state) {
    tarnwick::CommandRunner runner(std::filesystem::temp_directory_path());
    const char* tool = "/usr/bin/true";
    char* argv[] = {const_cast<char*>(tool), nullptr};
    double direct = 0;
    double throughCmd = 0;
    for (auto _ : state) {
        auto started = Clock::now();
        pid_t pid = -1;
        int status = 0;
        if (posix_spawn(&pid, tool, nullptr, nullptr, argv, environ) == 0) {
            waitpid(pid, &status, 0);
        }
        const double d = Seconds(started);
        started = Clock::now();
        const tarnwick::CommandResult result = runner.Run("cmd /c true", true, 1);
        const double c = Seconds(started);
        if (!result.Succeeded()) {
            state.SkipWithError("cmd /c true did not run");
            return;
        }
        direct += d;
        throughCmd += c;
        state.SetIterationTime(d + c);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["direct_us"] = direct / runs * 1e6;
    state.counters["cmd_us"] = throughCmd / runs * 1e6;
    state.counters["ratio"] = throughCmd / direct;
}
BENCHMARK(CommandRunnerOverhead)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

}  // namespace
