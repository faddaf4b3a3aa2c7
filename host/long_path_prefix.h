#pragma once
// Windows' long-path form of a path: "\\?\C:\x" stands for "C:\x" and "\\?\UNC\server\x" for
// "\\server\x". GetModuleFileNameW and GetFinalPathNameByHandleW may give it; cmd cannot use it.

#include <string>
#include <string_view>

namespace tarnwick {

// The path in its ordinary form; a path without the prefix as it is. Works on the program's
// encoding and on UTF-16 alike: the prefix is ASCII at the path's start.
template <class Char>
std::basic_string<Char> WithoutLongPathPrefix(std::basic_string_view<Char> path) {
    constexpr Char kPrefix[] = {'\\', '\\', '?', '\\'};
    constexpr Char kUnc[] = {'U', 'N', 'C', '\\'};
    const std::basic_string_view<Char> prefix(kPrefix, 4);
    const std::basic_string_view<Char> unc(kUnc, 4);
    if (!path.starts_with(prefix)) {
        return std::basic_string<Char>(path);
    }
    path.remove_prefix(prefix.size());
    if (path.starts_with(unc)) {
        path.remove_prefix(unc.size());
        return std::basic_string<Char>(prefix.substr(0, 2)) + std::basic_string<Char>(path);
    }
    return std::basic_string<Char>(path);
}

}  // namespace tarnwick
