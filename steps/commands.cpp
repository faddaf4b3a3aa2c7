#include "steps/commands.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "steps/shown_output.h"

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

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kBlanksAndLineEnds = " \t\r";

// The lines of a tool's output, without their line feeds. A line feed is never part of a
// two-byte character, so lines can be cut at its bytes; so can blanks and carriage returns.
std::vector<std::string_view> OutputLines(std::string_view output) {
    std::vector<std::string_view> lines;
    while (!output.empty()) {
        const std::size_t end = std::min(output.find('\n'), output.size());
        lines.push_back(output.substr(0, end));
        output.remove_prefix(std::min(end + 1, output.size()));
    }
    return lines;
}

std::string_view Trimmed(std::string_view line, std::string_view characters) {
    line.remove_prefix(std::min(line.find_first_not_of(characters), line.size()));
    line.remove_suffix(line.size() - (line.find_last_not_of(characters) + 1));
    return line;
}

// The line that tells why the tool failed, as it printed it but for its carriage returns.
std::optional<Text> Reason(const std::vector<std::string_view>& lines,
                           const std::vector<Text>& reasonStarts) {
    const auto startsReason = [&](std::string_view line) {
        return std::ranges::any_of(reasonStarts, [&](const Text& start) {
            return Trimmed(line, kBlanks).starts_with(start.bytes());
        });
    };
    auto reason = std::ranges::find_if(lines, startsReason);
    if (reason == lines.end()) {
        const auto notEmpty = [](std::string_view line) {
            return !Trimmed(line, kBlanksAndLineEnds).empty();
        };
        const auto last = std::ranges::find_if(lines.rbegin(), lines.rend(), notEmpty);
        if (last == lines.rend()) {
            return std::nullopt;
        }
        reason = std::prev(last.base());
    }
    std::string line(*reason);
    std::erase(line, '\r');
    return ShownToolOutput(Text::FromBytes(line));
}

}  // namespace

void Run(Host& host, const Text& commandLine) {
    host.RunCommand(commandLine, true, 1);
}

bool RunWork(LogBox& log, Host& host, const Text& commandLine) {
    return RunWorkWithResult(log, host, commandLine).Succeeded();
}

CommandResult RunWorkWithResult(LogBox& log, Host& host, const Text& commandLine) {
    CommandResult result = host.RunCommand(commandLine, true, 1);
    if (!result.Succeeded()) {
        LogFailure(log, host, commandLine, result);
    }
    return result;
}

bool RunWorkJudgedByOutput(LogBox& log, Host& host, const Text& commandLine,
                           const OutputVerdict& verdict) {
    const CommandResult result = host.RunCommand(commandLine, true, 1);
    const std::vector<std::string_view> lines = OutputLines(result.output.bytes());
    const bool saidSuccess = std::ranges::any_of(lines, [&](std::string_view line) {
        return Trimmed(line, kBlanksAndLineEnds) == verdict.success.bytes();
    });
    if (result.Succeeded() && saidSuccess) {
        return true;
    }
    LogFailure(log, host, commandLine, result);
    if (const std::optional<Text> reason = Reason(lines, verdict.reasonStarts)) {
        host.AppendLog(log, *reason + "\r\n");
    }
    return false;
}

}  // namespace tarnwick
