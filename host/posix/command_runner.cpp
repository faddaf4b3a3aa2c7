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

namespace {

bool NamesInterpreter(const Text& program) {
    return posix::EqualsIgnoringCase(program.bytes(), "cmd") ||
           posix::EqualsIgnoringCase(program.bytes(), "cmd.exe");
}

// With wait false the interpreter goes on by itself; nobody looks at its outcome.
template <typename Work>
CommandResult RunInterpreter(const fs::path& programFolder, ProcessWait* wait, bool waitForEnd,
                             Work work) {
    if (!waitForEnd) {
        std::thread([programFolder, work] {
            posix::CmdInterpreter interpreter(programFolder, nullptr);
            work(interpreter);
        }).detach();
        return {true, 0};
    }
    posix::CmdInterpreter interpreter(programFolder, wait);
    return {true, work(interpreter)};
}

}  // namespace

CommandRunner::CommandRunner(fs::path programFolder, ProcessWait* wait)
    : programFolder_(std::move(programFolder)), wait_(wait) {}

CommandResult CommandRunner::Run(const Text& commandLine, bool wait, std::optional<int>) {
    const posix::ProgramAndRest parts = posix::SplitProgramName(commandLine);
    if (NamesInterpreter(parts.program)) {
        const std::optional<Text> script = posix::CmdScript(parts.rest);
        return RunInterpreter(programFolder_, wait_, wait,
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
            programFolder_, wait_, wait,
            [file = *program](posix::CmdInterpreter& cmd) { return cmd.RunBatchFile(file); });
    }
    const pid_t pid = posix::StartProcess(*program, posix::NativeArgv(*program, parts.rest), {});
    if (pid < 0) {
        return {};
    }
    if (!wait) {
        posix::ReapWhenEnded(pid);
        return {true, 0};
    }
    return {true, posix::WaitForExit(pid, wait_)};
}

}  // namespace tarnwick
