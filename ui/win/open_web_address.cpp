// The shell's open verb for a web address, with the registered ".htm" browser as fallback.

#include "host/win/windows_api.h"

#include <shellapi.h>

#include <string>

#include "ui/web_address.h"

namespace tarnwick::ui {
namespace {

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

// The default value of a key under the class root; empty when it is missing or no string.
std::wstring ClassRootDefault(const std::wstring& key) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::wstring();
    }
    for (;;) {
        // The size is in bytes and counts the terminating zero; the value may grow meanwhile.
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LONG status = RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ,
                                         nullptr, value.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.resize(wcsnlen(value.c_str(), value.size()));
            return value;
        }
        if (status != ERROR_MORE_DATA) {
            return std::wstring();
        }
    }
}

}  // namespace

void OpenWebAddressWithShell(std::u16string_view address) {
    const std::wstring target = Wide(address);
    const auto shown = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOW));
    if (shown > 32) {
        return;
    }
    const std::wstring pageClass = ClassRootDefault(L".htm");
    const std::wstring openCommand = ClassRootDefault(pageClass + L"\\shell\\open\\command");
    if (pageClass.empty() || openCommand.empty()) {
        return;
    }
    const std::u16string line =
        BrowserCommandLine(std::u16string(openCommand.begin(), openCommand.end()), address);
    std::wstring commandLine(line.begin(), line.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace tarnwick::ui
