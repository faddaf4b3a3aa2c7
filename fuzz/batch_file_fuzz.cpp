// The batch-file reader: every line it gives holds something, no line break and no trailing
// "\r", and each reads as a command line without crashing the parser.
#include <cstdlib>
#include <string_view>

#include "host/posix/batch_file.h"
#include "host/posix/cmd_line_parser.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    for (const Text& line : posix::BatchFileLines(content)) {
        const std::string& bytes = line.bytes();
        if (bytes.find('\n') != std::string::npos || bytes.ends_with('\r') ||
            bytes.find_first_not_of(" \t") == std::string::npos) {
            std::abort();
        }
        (void)posix::ParseCmdLine(line);
    }
    return 0;
}
