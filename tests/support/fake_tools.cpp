#include "tests/support/fake_tools.h"

#include <filesystem>
#include <string>

#include "host/executable_path.h"
#include "host/paths.h"
#include "host/program_directory.h"

namespace tarnwick::testing {

namespace {

namespace fs = std::filesystem;

// The acts lie beside the tool, one a line: "<name>.acts".
void WriteActs(const TempFolder& folder, std::string_view name,
               const std::vector<std::string>& acts) {
    const std::string file = std::string(name) + ".acts";
    fs::remove(folder / file);
    if (acts.empty()) {
        return;
    }
    std::string lines;
    for (const std::string& act : acts) {
        lines += act + "\n";
    }
    folder.Write(file, lines);
}

// The build puts fake_tool.exe and the apktool launcher beside the test programs.
fs::path BesideTestProgram(std::string_view name) {
    return NativePath(SplitProgramPath(ExecutablePath()).directory) / name;
}

}  // namespace

#ifdef _WIN32

// A copy of fake_tool.exe named adb.exe is adb.
void InstallFakeTool(const TempFolder& folder, std::string_view name, std::string_view label,
                     const std::vector<std::string>& acts) {
    const fs::path tool = BesideTestProgram("fake_tool.exe");
    const std::string copy = std::string(name) + ".exe";
    fs::create_directories((folder / copy).parent_path());
    fs::copy_file(tool, folder / copy, fs::copy_options::overwrite_existing);
    fs::remove(folder / (std::string(name) + ".label"));
    if (label != fs::path(name).filename().string()) {
        folder.Write(std::string(name) + ".label", label);
    }
    WriteActs(folder, name, acts);
}

#else

void InstallFakeTool(const TempFolder& folder, std::string_view name, std::string_view label,
                     const std::vector<std::string>& acts) {
    const std::string script =
        "#!/bin/sh\n"
        "echo '[" +
        std::string(label) +
        "]' >> \"$TARNWICK_FAKE_RECORD\"\n"
        "for a in \"$@\"; do\n"
        "  printf '%s\\n' \"$a\" >> \"$TARNWICK_FAKE_RECORD\"\n"
        "  if [ -f \"$a\" ]; then\n"
        "    { printf '<<'; cat \"$a\"; printf '>>\\n'; } >> \"$TARNWICK_FAKE_RECORD\"\n"
        "  fi\n"
        "done\n"
        "code=0\n"
        "act() {\n"
        "  case \"$1\" in\n"
        "    exit=*) code=\"${1#exit=}\" ;;\n"
        "    out=*) printf '%s\\n' \"${1#out=}\" ;;\n"
        "    err=*) printf '%s\\n' \"${1#err=}\" >&2 ;;\n"
        "    hang) sleep infinity ;;\n"
        "    work=*) sleep \"${1#work=}\" ;;\n"
        "    bad) printf '\\377\\n' ;;\n"
        "    signal=*) kill -\"${1#signal=}\" $$ ;;\n"
        "    probe=*) if [ -e \"/dev/fd/${1#probe=}\" ]; then echo fd=open; "
        "else echo fd=closed; fi >> \"$TARNWICK_FAKE_RECORD\"\n"
        "      if read -r line; then echo stdin=data; else echo stdin=empty; fi "
        ">> \"$TARNWICK_FAKE_RECORD\" ;;\n"
        "    daemon=*) ( read -r line < \"${1#daemon=}\" ) & ;;\n"
        "    block=*) read -r line < \"${1#block=}\" ;;\n"
        "  esac\n"
        "}\n"
        "for a in \"$@\"; do act \"$a\"; done\n"
        "acts='" +
        (folder / (std::string(name) + ".acts")).string() +
        "'\n"
        "if [ -f \"$acts\" ]; then\n"
        "  while IFS= read -r a; do act \"$a\"; done < \"$acts\"\n"
        "fi\n"
        "exit $code\n";
    folder.Write(name, script, true);
    WriteActs(folder, name, acts);
}

#endif

void RemoveFakeTool(const TempFolder& folder, std::string_view name) {
#ifdef _WIN32
    fs::remove(folder / (std::string(name) + ".exe"));
#else
    fs::remove(folder / name);
#endif
    WriteActs(folder, name, {});
}

std::string MegabyteLine() {
    std::string line;
    for (int i = 0; i < 100'000; ++i) {
        line += "淺";
    }
    return line + std::string(700'000, 'x');
}

void InstallApktoolLauncher(const TempFolder& folder) {
#ifdef _WIN32
    const char* launcher = "apktool.bat";
#else
    const char* launcher = "apktool";
#endif
    fs::copy_file(BesideTestProgram(launcher), folder / launcher,
                  fs::copy_options::overwrite_existing);
}

}  // namespace tarnwick::testing
