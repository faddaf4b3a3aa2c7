#pragma once
// The files one command's output is redirected into. Tools here write UTF-8, while the program
// reads these files in its own encoding as a Windows console would have written them; so once
// the command has ended, what it added to each file is rewritten in the program's encoding.

#include <sys/types.h>

#include <filesystem>
#include <vector>

#include "host/text.h"

namespace tarnwick::posix {

class RedirectedOutput {
public:
    RedirectedOutput() = default;
    ~RedirectedOutput();
    RedirectedOutput(const RedirectedOutput&) = delete;
    RedirectedOutput& operator=(const RedirectedOutput&) = delete;

    // Opens a program path for a command's output: created or truncated, or with `append`
    // created or appended to. The descriptor (ours, closed with this object), or -1.
    int Open(const Text& file, bool append);

    // Rewrites what the command added to each file since it was opened.
    void ConvertAddedOutput() const;

private:
    struct OpenFile {
        std::filesystem::path path;
        int fd;
        off_t start;  // the file's size when the command began writing
        dev_t device;
        ino_t inode;
    };
    std::vector<OpenFile> files_;
};

}  // namespace tarnwick::posix
