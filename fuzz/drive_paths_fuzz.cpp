// Drive mapping: a native absolute path becomes a program path (C: inside the home folder,
// else Z:) that names the same path again, for any name made of characters (well-formed
// UTF-8 without a backslash, which a Windows-shaped path cannot hold in a name). Any program
// path maps without crashing, and the arguments that tools receive too.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_input.h"
#include "host/paths.h"
#include "host/posix/native_arguments.h"
#include "host/utf8_sequence.h"

using namespace tarnwick;
namespace fs = std::filesystem;

namespace {

bool IsCharacters(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0 || bytes.front() == '\0' || bytes.front() == '\\') {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("HOME", "/home/fuzz 用户", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string_view programPath = input.Piece();
    (void)NativePath(Text::FromBytes(std::string(programPath)));
    (void)posix::NativeArgument(Text::FromBytes(std::string(programPath)));

    const std::string_view name = input.Rest();
    if (!IsCharacters(name)) {
        return 0;
    }
    for (const char* base : {"/", "/home/fuzz 用户/"}) {
        fs::path native = fs::path(base + std::string(name)).lexically_normal();
        if (!native.has_filename()) {
            native = native.parent_path();  // a trailing slash names the same folder
        }
        const Text mapped = ProgramPath(native);
        if (NativePath(mapped).lexically_normal() != native) {
            std::abort();
        }
        if (ProgramPath(NativePath(mapped)) != mapped) {
            std::abort();
        }
    }
    return 0;
}
