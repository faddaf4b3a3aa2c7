// The shell's open verb for a web address, with the browser registered for ".htm" pages as
// fallback.

#include "host/win/windows_api.h"

#include <shellapi.h>

#include "host/web_address.h"
#include "host/win/process_start.h"

namespace tarnwick {
namespace {

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

std::u16string RegisteredBrowserCommandLine(std::u16string_view address) {
    const std::wstring pageClass = ClassRootDefault(L".htm");
    if (pageClass.empty()) {
        return std::u16string();
    }
    const std::wstring openCommand = ClassRootDefault(pageClass + L"\\shell\\open\\command");
    if (openCommand.empty()) {
        return std::u16string();
    }
    return BrowserCommandLine(Utf16(openCommand), address);
}

void OpenWebAddressWithShell(std::u16string_view address) {
    const auto shown = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOW));
    if (shown > 32) {
        return;
    }
    const std::u16string line = RegisteredBrowserCommandLine(address);
    if (!line.empty()) {
        StartProcess(line, SW_SHOW);
    }
}

}  // namespace tarnwick
