#pragma once
// Starting a program directly (no shell) and waiting for it to end.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/command_runner.h"

namespace tarnwick::posix {

// The descriptors of ours that become a child's standard output and standard error.
struct OutputStreams {
    int out = 1;
    int err = 2;
};

// Writes a message of the interpreter (cmd's own words) whole to one of the streams.
void Say(int fd, std::string_view message);

// Starts `program` with `argv`, our environment (with a UTF-8 locale, ToolEnvironment), an empty
// standard input and `streams`, as the leader of a process group of its own; it inherits no other
// descriptor. -1 when it cannot be started.
pid_t StartProcess(const std::filesystem::path& program, const std::vector<std::string>& argv,
                   OutputStreams streams);

// `environment` ("NAME=value" entries) as a tool gets it. The tools read the program's UTF-8
// arguments by their locale's character type (Java decodes them with it), so where the locale
// that the environment puts in force has no UTF-8 character type (`utf8CharacterType` false)
// they get LC_ALL=C.UTF-8.
std::vector<std::string> ToolEnvironment(const std::vector<std::string>& environment,
                                         bool utf8CharacterType);

// The character type that a tool takes from our environment with setlocale(LC_ALL, "") is
// UTF-8. A locale that is named but not installed leaves it in the C locale, whose character
// type is ASCII, whatever the name says.
bool TakesUtf8CharacterType();

// Collects the process once it ends, without anyone waiting for it.
void ReapWhenEnded(pid_t pid);

}  // namespace tarnwick::posix
