// fake_tool.exe: the fake tool of the Windows tests (see fake_tools.h), copied under the names
// of the tools. Its label is its own name without ".exe", or the text of a "<name>.label" file
// beside it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string Label() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::filesystem::path labelFile(self);
    labelFile.replace_extension(L".label");
    std::ifstream in(labelFile, std::ios::binary);
    const std::string label{std::istreambuf_iterator<char>(in), {}};
    return label.empty() ? Utf8(std::filesystem::path(self).stem().wstring()) : label;
}

// Binary output: "\n" stays one byte, as a POSIX tool writes it.
void WriteLine(DWORD handle, const std::string& text) {
    const std::string line = text + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(handle), line.data(), static_cast<DWORD>(line.size()), &written,
              nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const wchar_t* recordPath = _wgetenv(L"TARNWICK_FAKE_RECORD");
    std::ofstream record(std::filesystem::path(recordPath != nullptr ? recordPath : L"NUL"),
                         std::ios::binary | std::ios::app);
    record << "[" << Label() << "]\n";
    for (int i = 1; i < argc; ++i) {
        record << Utf8(argv[i]) << "\n";
    }
    record.flush();
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = Utf8(argv[i]);
        if (argument.starts_with("exit=")) {
            exitCode = std::atoi(argument.c_str() + 5);
        } else if (argument.starts_with("out=")) {
            WriteLine(STD_OUTPUT_HANDLE, argument.substr(4));
        } else if (argument.starts_with("err=")) {
            WriteLine(STD_ERROR_HANDLE, argument.substr(4));
        } else if (argument == "hang") {
            Sleep(INFINITE);
        } else if (argument == "show") {
            STARTUPINFOW startup{};
            GetStartupInfoW(&startup);
            record << "show=" << startup.wShowWindow
                   << " flag=" << ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0) << "\n";
        }
    }
    return exitCode;
}
