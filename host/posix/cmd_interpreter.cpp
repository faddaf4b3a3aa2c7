#include "host/posix/cmd_interpreter.h"

#include <fstream>
#include <sstream>
#include <string>

#include "host/encoding.h"
#include "host/posix/batch_file.h"
#include "host/posix/builtins.h"
#include "host/posix/cmd_line_parser.h"
#include "host/posix/native_arguments.h"
#include "host/posix/program_lookup.h"
#include "host/posix/redirected_output.h"
#include "host/posix/windows_arguments.h"

namespace tarnwick::posix {

namespace fs = std::filesystem;

namespace {

constexpr int kNotRecognized = 9009;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

CmdInterpreter::CmdInterpreter(fs::path programFolder, CommandWatch& watch)
    : programFolder_(std::move(programFolder)), watch_(watch) {}

int CmdInterpreter::RunLine(const Text& line, OutputStreams streams, bool inBatchFile) {
    const std::optional<CmdLine> commands = ParseCmdLine(line);
    if (!commands) {
        Say(streams.err, "The syntax of the command is incorrect.\r\n");
        return 1;
    }
    int exitCode = 0;
    for (const OrChain& orChain : *commands) {
        exitCode = RunOrChain(orChain, streams, inBatchFile);
    }
    return exitCode;
}

int CmdInterpreter::RunOrChain(const OrChain& chain, OutputStreams streams, bool inBatchFile) {
    int exitCode = 0;
    for (const AndChain& andChain : chain) {
        exitCode = RunAndChain(andChain, streams, inBatchFile);
        if (exitCode == 0) {
            break;
        }
    }
    return exitCode;
}

int CmdInterpreter::RunAndChain(const AndChain& chain, OutputStreams streams, bool inBatchFile) {
    int exitCode = 0;
    for (const CmdCommand& command : chain) {
        exitCode = RunCommand(command, streams, inBatchFile);
        if (exitCode != 0) {
            break;
        }
    }
    return exitCode;
}

int CmdInterpreter::RunBatchFile(const fs::path& file, OutputStreams streams) {
    int exitCode = 0;
    for (const Text& line : BatchFileLines(ReadAll(file))) {
        exitCode = RunLine(line, streams, true);
    }
    return exitCode;
}

int CmdInterpreter::RunCommand(const CmdCommand& command, OutputStreams streams, bool inBatchFile) {
    RedirectedOutput files;
    for (const Redirection& redirection : command.redirections) {
        int& handle = redirection.handle == 2 ? streams.err : streams.out;
        if (redirection.kind == Redirection::ToHandle) {
            handle = redirection.sourceHandle == 2 ? streams.err : streams.out;
            continue;
        }
        const int fd = files.Open(redirection.file, redirection.kind == Redirection::AppendToFile);
        if (fd < 0) {
            Say(streams.err, "The system cannot find the path specified.\r\n");
            return 1;
        }
        handle = fd;
    }
    const int exitCode = RunWords(command.text, streams, inBatchFile);
    files.ConvertAddedOutput();
    return exitCode;
}

int CmdInterpreter::RunWords(const Text& command, OutputStreams streams, bool inBatchFile) {
    if (watch_.gaveUp()) {
        return kGaveUpWaitingExitCode;
    }
    const std::vector<Text> words = SplitCmdWords(command);
    if (words.empty()) {
        return 0;  // only redirections: the files have been made
    }
    if (const std::optional<int> exitCode = RunBuiltin(words, streams, inBatchFile)) {
        return *exitCode;
    }
    const ProgramAndRest parts = SplitProgramName(command);
    const std::optional<fs::path> program = FindProgram(parts.program, programFolder_);
    if (!program) {
        Say(streams.err, "'" + Utf8FromText(parts.program) +
                             "' is not recognized as an internal or external command,\r\n"
                             "operable program or batch file.\r\n");
        return kNotRecognized;
    }
    if (IsBatchFile(*program)) {
        return RunBatchFile(*program, streams);
    }
    const pid_t pid = StartProcess(*program, NativeArgv(*program, parts.rest), streams);
    if (pid < 0) {
        Say(streams.err, "The system cannot execute the specified program.\r\n");
        return 1;
    }
    return watch_.WaitForExit(pid);
}

}  // namespace tarnwick::posix
