#pragma once
// What the program says on a terminal on Linux, before any window: the answers to --version
// and --help, and one line for a display that cannot be opened instead of the toolkit's abort.

#include <optional>

namespace tarnwick::app {

// Prints the answer when an argument is --version or --help, and gives the exit code; none
// when the window is to open (any other argument is ignored).
std::optional<int> AnswerArguments(int argc, const char* const* argv);

// While it lives, a display that cannot be opened ends the program with one line on the error
// output, in Chinese and English, and exit code 1.
class MissingDisplayLine {
public:
    MissingDisplayLine();
    ~MissingDisplayLine();
    MissingDisplayLine(const MissingDisplayLine&) = delete;
    MissingDisplayLine& operator=(const MissingDisplayLine&) = delete;
};

}  // namespace tarnwick::app
