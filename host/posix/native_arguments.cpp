#include "host/posix/native_arguments.h"

#include <algorithm>
#include <string_view>

#include "host/encoding.h"
#include "host/paths.h"
#include "host/posix/windows_arguments.h"

namespace tarnwick::posix {

namespace {

bool IsDrivePath(std::string_view word) {
    const bool letter =
        !word.empty() && ((word[0] >= 'A' && word[0] <= 'Z') || (word[0] >= 'a' && word[0] <= 'z'));
    return letter && word.size() >= 2 && word[1] == ':' &&
           (word.size() == 2 || word[2] == '\\' || word[2] == '/');
}

}  // namespace

std::string NativeArgument(const Text& word) {
    const std::string_view bytes = word.bytes();
    if (IsDrivePath(bytes)) {
        const std::filesystem::path native = NativePath(word);
        return native.empty() ? Utf8FromText(word) : native.string();
    }
    std::string argument = Utf8FromText(word);
    if (!bytes.starts_with('/')) {
        // UTF-8 never holds a "\" inside a character, so a plain replacement is safe here.
        std::replace(argument.begin(), argument.end(), '\\', '/');
    }
    return argument;
}

std::vector<std::string> NativeArgv(const std::filesystem::path& program,
                                    const Text& afterProgramName) {
    std::vector<std::string> argv{program.string()};
    for (const Text& word : SplitArguments(afterProgramName)) {
        argv.push_back(NativeArgument(word));
    }
    return argv;
}

}  // namespace tarnwick::posix
