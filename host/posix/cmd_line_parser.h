#pragma once
// What the command interpreter makes of one line before it runs anything: its commands, each with
// its redirections taken out, grouped by the operators "&", "||" and "&&" that join them.

#include <optional>
#include <vector>

#include "host/text.h"

namespace tarnwick::posix {

struct Redirection {
    enum Kind { ToFile, AppendToFile, ToHandle };
    int handle = 1;  // 1 standard output, 2 standard error
    Kind kind = ToFile;
    Text file;           // ToFile, AppendToFile: the target, quotes removed
    int sourceHandle{};  // ToHandle: "2>&1" makes handle 2 a copy of handle 1
};

struct CmdCommand {
    Text text;  // the command with "^" escapes resolved and redirections removed
    std::vector<Redirection> redirections;
};

// cmd binds "&&" tightest, then "||", then "&" (Wine's cmd tests, checked against Windows, show
// "a || b && c" as "a || (b && c)" and "a && b || c & d" as "((a && b) || c) & d").
using AndChain = std::vector<CmdCommand>;  // "a && b": each runs only after a success
using OrChain = std::vector<AndChain>;     // "a || b": each runs only after a failure
using CmdLine = std::vector<OrChain>;      // "a & b": each runs whatever came before

// The line after "cmd /c" (or a batch file's line), split at "&", "&&" and "||" outside double
// quotes. "^" outside quotes makes the next character plain; ">", ">>", "1>", "2>", "2>>" and
// "2>&1" outside quotes are redirections of the command they stand in, with or without blanks
// around them. Commands around "&" that hold nothing are left out. nullopt: a line that cmd
// refuses whole, for a redirection without a target or an empty side of "&&" or "||".
std::optional<CmdLine> ParseCmdLine(const Text& line);

// What "cmd" runs, given the text after the word "cmd": the rest after "/c" (or "/k"). When
// that rest starts with a double quote, the quote and the last quote of the line are removed,
// as cmd does. nullopt when the switch is missing.
std::optional<Text> CmdScript(const Text& afterCmd);

// The words of a command as cmd's own commands (copy, rename, del) read them: blanks separate,
// double quotes group and are removed, backslashes are plain characters.
std::vector<Text> SplitCmdWords(const Text& command);

}  // namespace tarnwick::posix
