// Runs one command line as the program runs it: through the command runner, in the current
// directory as the program folder. It prints what the command printed and exits with its exit
// code (127: it could not be started). The package check drives the installed program's tools
// with it from a user's program folder.
// Usage: run_command_line "cmd /c apktool d -f C:\app.apk -o C:\app"
#include <filesystem>
#include <iostream>

#include "host/command_runner.h"
#include "host/encoding.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: run_command_line COMMAND_LINE\n";
        return 2;
    }
    const tarnwick::CommandResult result = tarnwick::CommandRunner(std::filesystem::current_path())
                                               .Run(tarnwick::TextFromUtf8(argv[1]), true, 1);
    std::cout << tarnwick::Utf8FromText(result.output);
    return result.started ? result.exitCode : 127;
}
