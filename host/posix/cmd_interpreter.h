#pragma once
// Stands in for cmd: runs the commands of a line (the text after "cmd /c", or a batch file's
// line) one after another, and batch files line by line.

#include <filesystem>

#include "host/command_runner.h"
#include "host/posix/cmd_line_parser.h"
#include "host/posix/command_watch.h"
#include "host/posix/process_spawn.h"
#include "host/text.h"

namespace tarnwick::posix {

class CmdInterpreter {
public:
    // The programs it starts print into `watch`, which also waits for them.
    CmdInterpreter(std::filesystem::path programFolder, CommandWatch& watch);

    // Runs the commands of the line one after another: after "&" whatever came before, after
    // "&&" only when it succeeded (exit code 0), after "||" only when it failed. The exit code
    // of the last command run. Once the watch has given up on a process, nothing more starts.
    int RunLine(const Text& line) { return RunLine(line, watch_.streams(), false); }

    // Reads the whole batch file first (so that it may delete itself), then runs each of its
    // lines that holds something. The exit code of the last command.
    int RunBatchFile(const std::filesystem::path& file) {
        return RunBatchFile(file, watch_.streams());
    }

private:
    int RunLine(const Text& line, OutputStreams streams, bool inBatchFile);
    int RunBatchFile(const std::filesystem::path& file, OutputStreams streams);
    int RunOrChain(const OrChain& chain, OutputStreams streams, bool inBatchFile);
    int RunAndChain(const AndChain& chain, OutputStreams streams, bool inBatchFile);
    int RunCommand(const CmdCommand& command, OutputStreams streams, bool inBatchFile);
    int RunWords(const Text& command, OutputStreams streams, bool inBatchFile);

    std::filesystem::path programFolder_;
    CommandWatch& watch_;
};

}  // namespace tarnwick::posix
