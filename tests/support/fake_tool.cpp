// fake_tool.exe: the fake tool of the Windows tests (see fake_tools.h), copied under the names
// of the tools. Its label is its own name without ".exe", or the text of a "<name>.label" file
// beside it; its installed acts are the lines of "<name>.acts" beside it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

std::string Narrow(const std::wstring& wide, UINT codePage) {
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::string Utf8(const std::wstring& wide) {
    return Narrow(wide, CP_UTF8);
}

std::filesystem::path Self() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return self;
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The text of the file beside this program with its name and `extension`.
std::string Beside(const wchar_t* extension) {
    return ReadAll(std::filesystem::path(Self()).replace_extension(extension));
}

std::string Label() {
    const std::string label = Beside(L".label");
    return label.empty() ? Utf8(Self().stem().wstring()) : label;
}

// The acts given when the tool was installed, one a line.
std::vector<std::string> Acts() {
    std::vector<std::string> acts;
    std::istringstream lines(Beside(L".acts"));
    for (std::string line; std::getline(lines, line);) {
        acts.push_back(line);
    }
    return acts;
}

// The text of an act (UTF-8) in the system's code page, as a Windows tool writes its text.
std::string SystemCodePage(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), size)));
    return Narrow(wide, CP_ACP);
}

// Binary output: "\n" stays one byte, as a POSIX tool writes it.
void WriteLine(DWORD handle, const std::string& text) {
    const std::string line = SystemCodePage(text) + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(handle), line.data(), static_cast<DWORD>(line.size()), &written,
              nullptr);
}

// Starts a copy of this tool that hangs, as a tool leaves a server behind; its process id.
DWORD StartChild() {
    std::wstring line = L"\"" + Self().wstring() + L"\" hang";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        return 0;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return child.dwProcessId;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const wchar_t* recordPath = _wgetenv(L"TARNWICK_FAKE_RECORD");
    std::ofstream record(std::filesystem::path(recordPath != nullptr ? recordPath : L"NUL"),
                         std::ios::binary | std::ios::app);
    record << "[" << Label() << "]\n";
    std::vector<std::string> acts;
    for (int i = 1; i < argc; ++i) {
        acts.push_back(Utf8(argv[i]));
        record << acts.back() << "\n";
        std::error_code error;
        if (std::filesystem::is_regular_file(argv[i], error)) {
            record << "<<" << ReadAll(argv[i]) << ">>\n";
        }
    }
    record.flush();
    const std::vector<std::string> installed = Acts();
    acts.insert(acts.end(), installed.begin(), installed.end());
    int exitCode = 0;
    for (const std::string& act : acts) {
        if (act.starts_with("exit=")) {
            exitCode = std::atoi(act.c_str() + 5);
        } else if (act.starts_with("out=")) {
            WriteLine(STD_OUTPUT_HANDLE, act.substr(4));
        } else if (act.starts_with("err=")) {
            WriteLine(STD_ERROR_HANDLE, act.substr(4));
        } else if (act == "hang") {
            Sleep(INFINITE);
        } else if (act.starts_with("work=")) {
            Sleep(static_cast<DWORD>(std::atof(act.c_str() + 5) * 1000));
        } else if (act == "pid") {
            record << "pid=" << GetCurrentProcessId() << std::endl;  // before it may be ended
        } else if (act == "child") {
            record << "child=" << StartChild() << std::endl;
        } else if (act == "console") {
            record << "console=" << (GetConsoleWindow() != nullptr ? "window" : "none") << "\n";
        } else if (act.starts_with("handle=")) {
            DWORD flags = 0;
            const auto handle =
                reinterpret_cast<HANDLE>(std::strtoull(act.c_str() + 7, nullptr, 10));
            // Its own handles are not inheritable: one that is came from the program.
            const bool inherited =
                GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT) != 0;
            record << act << (inherited ? " open" : " closed") << "\n";
        } else if (act == "show") {
            STARTUPINFOW startup{};
            GetStartupInfoW(&startup);
            record << "show=" << startup.wShowWindow
                   << " flag=" << ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0) << "\n";
        }
    }
    return exitCode;
}
