#include "steps/commands.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

namespace {

void LogFailure(LogBox& log, Host& host, const Text& commandLine, const CommandResult& result) {
    if (!result.started) {
        host.AppendLog(log, "命令无法执行: " + commandLine + "\r\n");
    } else {
        host.AppendLog(
            log, "命令执行失败(返回值" + ToText(result.exitCode) + "): " + commandLine + "\r\n");
    }
}

// The first line of `output` that begins with `start`, without its line break. A line feed is
// never part of a two-byte character, so lines can be cut at its bytes.
std::optional<Text> LineStartingWith(const Text& output, const Text& start) {
    std::string_view rest = output.bytes();
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with(start.bytes())) {
            return Text::FromBytes(std::string(line));
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return std::nullopt;
}

}  // namespace

void Run(Host& host, const Text& commandLine) {
    host.RunCommand(commandLine, true, 1);
}

bool RunWork(LogBox& log, Host& host, const Text& commandLine) {
    const CommandResult result = host.RunCommand(commandLine, true, 1);
    if (!result.Succeeded()) {
        LogFailure(log, host, commandLine, result);
    }
    return result.Succeeded();
}

bool RunWorkJudgedByOutput(LogBox& log, Host& host, const Text& commandLine,
                           const Text& failureStart) {
    const CommandResult result = host.RunCommand(commandLine, true, 1);
    const std::optional<Text> failure = LineStartingWith(result.output, failureStart);
    if (result.Succeeded() && !failure) {
        return true;
    }
    LogFailure(log, host, commandLine, result);
    if (failure) {
        host.AppendLog(log, *failure + "\r\n");
    }
    return false;
}

}  // namespace tarnwick
