// The POSIX command runner: cmd lines and batch files go to the built-in interpreter, any other
// program is started directly with its arguments split by the Windows rules.
#include "host/command_runner.h"

#include <thread>

#include "host/posix/characters.h"
#include "host/posix/cmd_interpreter.h"
#include "host/posix/cmd_line_parser.h"
#include "host/posix/native_arguments.h"
#include "host/posix/process_spawn.h"
#include "host/posix/program_lookup.h"
#include "host/posix/windows_arguments.h"

namespace tarnwick {

namespace fs = std::filesystem;
using posix::CommandWatch;

namespace {

bool NamesInterpreter(const Text& program) {
    return posix::EqualsIgnoringCase(program.bytes(), "cmd") ||
           posix::EqualsIgnoringCase(program.bytes(), "cmd.exe");
}

// With wait false the interpreter goes on by itself, in a watch of its own; nobody looks at its
// outcome.
template <typename Work>
CommandResult RunInterpreter(const fs::path& programFolder, CommandWatch& watch, bool waitForEnd,
                             Work work) {
    if (!waitForEnd) {
        std::thread([programFolder, limit = watch.deviceWaitLimit(), work] {
            CommandWatch detached(nullptr, limit);
            posix::CmdInterpreter interpreter(programFolder, detached);
            work(interpreter);
        }).detach();
        return {true, 0};
    }
    posix::CmdInterpreter interpreter(programFolder, watch);
    const int exitCode = work(interpreter);
    return {true, exitCode, watch.Printed()};
}

}  // namespace

CommandRunner::CommandRunner(fs::path programFolder, ProcessWait* wait,
                             std::chrono::milliseconds deviceWaitLimit)
    : programFolder_(std::move(programFolder)), wait_(wait), deviceWaitLimit_(deviceWaitLimit) {}

CommandResult CommandRunner::Run(const Text& commandLine, bool wait, std::optional<int>) {
    const posix::ProgramAndRest parts = posix::SplitProgramName(commandLine);
    CommandWatch watch(wait_, deviceWaitLimit_);
    if (NamesInterpreter(parts.program)) {
        const std::optional<Text> script = posix::CmdScript(parts.rest);
        return RunInterpreter(programFolder_, watch, wait,
                              [script = script.value_or(Text())](posix::CmdInterpreter& cmd) {
                                  return cmd.RunLine(script);
                              });
    }
    const std::optional<fs::path> program = posix::FindProgram(parts.program, programFolder_);
    if (!program) {
        return {};
    }
    if (posix::IsBatchFile(*program)) {
        return RunInterpreter(
            programFolder_, watch, wait,
            [file = *program](posix::CmdInterpreter& cmd) { return cmd.RunBatchFile(file); });
    }
    const posix::OutputStreams streams = wait ? watch.streams() : posix::OutputStreams{};
    const pid_t pid =
        posix::StartProcess(*program, posix::NativeArgv(*program, parts.rest), streams);
    if (pid < 0) {
        return {};
    }
    if (!wait) {
        posix::ReapWhenEnded(pid);
        return {true, 0};
    }
    const int exitCode = watch.WaitForExit(pid);
    return {true, exitCode, watch.Printed()};
}

}  // namespace tarnwick
