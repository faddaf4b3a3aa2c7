#pragma once
// The names, relative to the program folder, of the files the program opens there or hands a
// tool by that name: the preset recovery images, the work files and the compile mode's tools
// and keys. On Windows the folder must leave room for the longest of them within MAX_PATH.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace tarnwick {

inline constexpr std::string_view kProgramFolderNames[] = {
    "recovery\\find5_twrp_recovery.img",
    "recovery\\find7_twrp_recovery.img",
    "recovery.img",
    "command.txt",
    "NOpush.bat",
    "syspush.bat",
    "log.txt",
    "log2.txt",
    "apktool.bat",
    "apktool.jar",
    "signapk.jar",
    "testkey.x509.pem",
    "testkey.pk8",
};

// The longest program folder, in characters, in which every name above stays within MAX_PATH
// (260, its closing null included) with the backslash between folder and name: a tool or cmd's
// copy fails on a longer path, and under cmd's copy without a word (the names are ASCII, so
// their bytes are their characters).
inline constexpr std::size_t kLongestProgramFolder =
    260 - 1 - 1 - std::ranges::max(kProgramFolderNames, {}, [](std::string_view name) {
                      return name.size();
                  }).size();

}  // namespace tarnwick
