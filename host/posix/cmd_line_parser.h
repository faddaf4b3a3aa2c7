#pragma once
// What the command interpreter makes of one line before it runs anything: the commands joined
// with "&", each with its redirections taken out, in the order they were written.

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

// The line after "cmd /c" (or a batch file's line), split at "&" outside double quotes.
// "^" outside quotes makes the next character plain; ">", ">>", "1>", "2>", "2>>" and "2>&1"
// outside quotes are redirections, with or without blanks around them. Commands that hold
// nothing are left out. nullopt: a redirection without a target, which cmd refuses whole.
std::optional<std::vector<CmdCommand>> ParseCmdLine(const Text& line);

// What "cmd" runs, given the text after the word "cmd": the rest after "/c" (or "/k"). When
// that rest starts with a double quote, the quote and the last quote of the line are removed,
// as cmd does. nullopt when the switch is missing.
std::optional<Text> CmdScript(const Text& afterCmd);

// The words of a command as cmd's own commands (copy, rename, del) read them: blanks separate,
// double quotes group and are removed, backslashes are plain characters.
std::vector<Text> SplitCmdWords(const Text& command);

}  // namespace tarnwick::posix
