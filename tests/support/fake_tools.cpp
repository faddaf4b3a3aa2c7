#include "tests/support/fake_tools.h"

#include <filesystem>
#include <string>

#ifdef _WIN32
#include "host/executable_path.h"
#include "host/paths.h"
#include "host/program_directory.h"
#endif

namespace tarnwick::testing {

#ifdef _WIN32

// fake_tool.exe lies beside the test program; a copy named adb.exe is adb.
void InstallFakeTool(const TempFolder& folder, std::string_view name, std::string_view label) {
    const std::filesystem::path tool =
        NativePath(SplitProgramPath(ExecutablePath()).directory) / "fake_tool.exe";
    const std::string copy = std::string(name) + ".exe";
    std::filesystem::create_directories((folder / copy).parent_path());
    std::filesystem::copy_file(tool, folder / copy);
    if (label != std::filesystem::path(name).filename().string()) {
        folder.Write(std::string(name) + ".label", label);
    }
}

#else

void InstallFakeTool(const TempFolder& folder, std::string_view name, std::string_view label) {
    const std::string script =
        "#!/bin/sh\n"
        "echo '[" +
        std::string(label) +
        "]' >> \"$TARNWICK_FAKE_RECORD\"\n"
        "code=0\n"
        "for a in \"$@\"; do\n"
        "  printf '%s\\n' \"$a\" >> \"$TARNWICK_FAKE_RECORD\"\n"
        "done\n"
        "for a in \"$@\"; do\n"
        "  case \"$a\" in\n"
        "    exit=*) code=\"${a#exit=}\" ;;\n"
        "    out=*) printf '%s\\n' \"${a#out=}\" ;;\n"
        "    err=*) printf '%s\\n' \"${a#err=}\" >&2 ;;\n"
        "    bad) printf '\\377\\n' ;;\n"
        "    signal=*) kill -\"${a#signal=}\" $$ ;;\n"
        "    probe=*) if [ -e \"/dev/fd/${a#probe=}\" ]; then echo fd=open; "
        "else echo fd=closed; fi >> \"$TARNWICK_FAKE_RECORD\"\n"
        "      if read -r line; then echo stdin=data; else echo stdin=empty; fi "
        ">> \"$TARNWICK_FAKE_RECORD\" ;;\n"
        "    daemon=*) ( read -r line < \"${a#daemon=}\" ) & ;;\n"
        "    block=*) read -r line < \"${a#block=}\" ;;\n"
        "    hang) sleep infinity ;;\n"
        "  esac\n"
        "done\n"
        "exit $code\n";
    folder.Write(name, script, true);
}

#endif

}  // namespace tarnwick::testing
