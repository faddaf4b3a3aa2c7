#pragma once
// Splitting a command line into the words a Windows program receives, by the rules of the
// Microsoft C runtime (which CommandLineToArgvW shares for everything that matters here).

#include <vector>

#include "host/text.h"

namespace tarnwick::posix {

struct ProgramAndRest {
    Text program;  // the first word, quotes removed
    Text rest;     // everything after it, unchanged
};

// The first word by the program-name rule: it ends at a blank outside double quotes; quotes
// group and are removed; backslashes are plain characters.
ProgramAndRest SplitProgramName(const Text& commandLine);

// Every word after the program name. Blanks separate; double quotes group and are removed;
// 2n backslashes and a quote give n backslashes and the quote groups, 2n+1 backslashes and a
// quote give n backslashes and a literal quote; other backslashes are literal; "" inside quotes
// is a literal quote.
std::vector<Text> SplitArguments(const Text& afterProgramName);

}  // namespace tarnwick::posix
