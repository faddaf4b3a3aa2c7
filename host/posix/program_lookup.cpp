#include "host/posix/program_lookup.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "host/encoding.h"
#include "host/paths.h"
#include "host/posix/characters.h"

namespace tarnwick::posix {

namespace fs = std::filesystem;

namespace {

bool NamesFolderOrDrive(std::string_view word) {
    const bool drive = word.size() >= 2 && word[1] == ':' &&
                       ((word[0] >= 'A' && word[0] <= 'Z') || (word[0] >= 'a' && word[0] <= 'z'));
    return drive || HoldsAnyOf(word, "\\/");
}

bool CanRun(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return false;
    }
    return IsBatchFile(file) || access(file.c_str(), X_OK) == 0;
}

}  // namespace

bool IsBatchFile(const fs::path& file) {
    return EndsWithIgnoringCase(file.native(), ".bat");
}

std::optional<fs::path> FindProgram(const Text& word, const fs::path& programFolder) {
    if (word.empty()) {
        return std::nullopt;
    }
    if (NamesFolderOrDrive(word.bytes())) {
        fs::path file = NativePath(word);
        if (!file.empty() && CanRun(file)) {
            return file;
        }
        return std::nullopt;
    }
    const fs::path name = Utf8FromText(word);
    if (CanRun(programFolder / name)) {
        return programFolder / name;
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        const std::string_view folder = folders.substr(0, end);
        if (!folder.empty() && CanRun(fs::path(folder) / name)) {
            return fs::path(folder) / name;
        }
        folders.remove_prefix(std::min(end + 1, folders.size()));
    }
    return std::nullopt;
}

}  // namespace tarnwick::posix
