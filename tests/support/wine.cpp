#include "tests/support/wine.h"

#include <algorithm>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarnwick::testing {

namespace {

struct WineDifference {
    const char* line;
    const char* reason;
};

constexpr char kWineChains[] =
    "Wine's cmd.exe runs the right side of && and || after any program, whatever its exit code, "
    "and accepts a chain with a side missing";

const WineDifference kWineDifferences[] = {
    {"cmd /c nosuchtool&&adb x", kWineChains},
    {"cmd /c adb a||adb b&&adb c", kWineChains},
    {"cmd /c adb a exit=1||adb b exit=2&&adb c", kWineChains},
    {"cmd /c adb a&&", kWineChains},
    {"cmd /c || adb a", kWineChains},
    {"cmd /c adb reboot||fastboot reboot", kWineChains},
    {"cmd /c adb x >", "Wine's cmd.exe runs a line whose redirection lacks its file, exit code 0"},
    {"cmd /c copy /y src\\twrp.img dst > copy.txt",
     "Wine's copy writes no count of the files it copied"},
    {"cmd /c copy twrp.img dst.img",
     "Wine's copy overwrites without asking when it has no console to ask on"},
    {"cmd /c rename gone.img c.img",
     "Wine's rename leaves the exit code 0 when the file is missing"},
};

}  // namespace

bool UnderWine() {
#ifdef _WIN32
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

const char* WineRunsOtherwise(std::string_view commandLine) {
    if (!UnderWine()) {
        return nullptr;
    }
    const auto* difference =
        std::find_if(std::begin(kWineDifferences), std::end(kWineDifferences),
                     [&](const WineDifference& known) { return known.line == commandLine; });
    return difference != std::end(kWineDifferences) ? difference->reason : nullptr;
}

}  // namespace tarnwick::testing
