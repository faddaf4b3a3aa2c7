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

Text FailureLine(const Text& commandLine, const CommandResult& result) {
    if (!result.started) {
        return "命令无法执行: " + commandLine + "\r\n";
    }
    return "命令执行失败(返回值" + ToText(result.exitCode) + "): " + commandLine + "\r\n";
}

void LogFailure(LogBox& log, Host& host, const Text& commandLine, const CommandResult& result) {
    host.AppendLog(log, FailureLine(commandLine, result));
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

// The lines that tell why the tool failed, as it printed them but for their carriage returns,
// each ending in CR LF: its first line that begins with one of `reasonStarts` (and with
// `throughTheEnd` every line after it), else its last line that is not empty.
std::optional<Text> Reason(const std::vector<std::string_view>& lines,
                           const std::vector<Text>& reasonStarts, bool throughTheEnd = false) {
    const auto startsReason = [&](std::string_view line) {
        return std::ranges::any_of(reasonStarts, [&](const Text& start) {
            return Trimmed(line, kBlanks).starts_with(start.bytes());
        });
    };
    const auto notEmpty = [](std::string_view line) {
        return !Trimmed(line, kBlanksAndLineEnds).empty();
    };
    const auto last = std::ranges::find_if(lines.rbegin(), lines.rend(), notEmpty);
    if (last == lines.rend()) {
        return std::nullopt;
    }
    const auto end = last.base();
    auto reason = std::find_if(lines.begin(), end, startsReason);
    if (reason == end) {
        reason = std::prev(end);
    }
    std::string shown;
    for (auto line = reason; line != (throughTheEnd ? end : std::next(reason)); ++line) {
        std::string withoutReturns(*line);
        std::erase(withoutReturns, '\r');
        shown += withoutReturns + "\r\n";
    }
    return ShownToolOutput(Text::FromBytes(shown));
}

// adb's reason runs from its first "error:" line to its end (an unauthorized phone takes
// four lines); the "* daemon ..." lines of its first call come before it.
const std::vector<Text> kRebootReasonStarts = {"error:"};

// A fastboot that waits for a phone says so first; what comes before is another tool's (adb's,
// in "adb reboot||fastboot reboot").
bool StartsFastbootsWait(std::string_view line) {
    return Trimmed(line, kBlanks).starts_with("< waiting for");
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
        host.AppendLog(log, *reason);
    }
    return false;
}

std::optional<Text> RunReboot(Host& host, const Text& commandLine) {
    const CommandResult result = host.RunCommand(commandLine, true, 1);
    if (result.Succeeded()) {
        return std::nullopt;
    }
    std::vector<std::string_view> lines = OutputLines(result.output.bytes());
    const auto wait = std::ranges::find_if(lines, StartsFastbootsWait);
    const std::vector<std::string_view> waited(wait + (wait != lines.end() ? 1 : 0), lines.end());
    lines.erase(wait, lines.end());
    // A fastboot given up names what it waited for, a phone in fastboot mode, which adb does
    // not see: its line below adb's reason never contradicts it.
    const std::optional<Text> fastbootReason = result.GaveUpWaiting()
                                                   ? Text("未检测到处于Fastboot模式的手机\r\n")
                                                   : Reason(waited, kRebootReasonStarts);
    return FailureLine(commandLine, result) +
           Reason(lines, kRebootReasonStarts, true).value_or("") + fastbootReason.value_or("");
}

void RunRebootLogged(LogBox& log, Host& host, const Text& commandLine) {
    if (const std::optional<Text> failure = RunReboot(host, commandLine)) {
        host.AppendLog(log, *failure);
    }
}

}  // namespace tarnwick
