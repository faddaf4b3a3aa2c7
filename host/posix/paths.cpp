// Drive mapping outside Windows: C: is the home folder, Z: the file-system root.
#include "host/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "host/encoding.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : "/";
    }
    return fs::path(home).lexically_normal();
}

std::optional<fs::path> DriveFolder(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'C':
            return HomeFolder();
        case 'Z':
            return fs::path("/");
        default:
            return std::nullopt;
    }
}

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace

fs::path NativePath(const Text& programPath) {
    const std::string path = WithSlashes(Utf8FromText(programPath));
    if (!HasDrive(path)) {
        return fs::path(path);
    }
    const std::optional<fs::path> drive = DriveFolder(path[0]);
    if (!drive) {
        return {};
    }
    // "C:", "C:\" and "C:foo" all start at the drive's folder.
    const std::size_t restStart = path.find_first_not_of('/', 2);
    return restStart == std::string::npos ? *drive : *drive / path.substr(restStart);
}

Text ProgramPath(const fs::path& nativePath) {
    if (nativePath.is_relative()) {
        return TextFromUtf8(WithBackslashes(nativePath.generic_string()));
    }
    const fs::path path = nativePath.lexically_normal();
    const fs::path home = HomeFolder();
    if (home != "/") {
        const fs::path inside = path.lexically_relative(home);
        if (inside == ".") {
            return "C:";
        }
        if (!inside.empty() && *inside.begin() != "..") {
            return "C:\\" + TextFromUtf8(WithBackslashes(inside.generic_string()));
        }
    }
    return "Z:" + TextFromUtf8(WithBackslashes(path.generic_string()));
}

Text ShownPath(const Text& programPath) {
    const fs::path native = NativePath(programPath);
    if (native.empty() || native.is_relative()) {
        return native.empty() ? programPath : TextFromUtf8(native.generic_string());
    }
    const fs::path path = native.lexically_normal();
    const fs::path home = HomeFolder();
    const fs::path inside = path.lexically_relative(home);
    if (home != "/" && !inside.empty() && *inside.begin() != "..") {
        return TextFromUtf8(inside == "." ? "~" : "~/" + inside.generic_string());
    }
    return TextFromUtf8(path.generic_string());
}

}  // namespace tarnwick
