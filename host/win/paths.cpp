// On Windows program paths are native: only the encoding changes.

#include "host/win/windows_api.h"

#include <string>

#include "host/encoding.h"
#include "host/paths.h"

namespace tarnwick {

std::filesystem::path NativePath(const Text& programPath) {
    const std::u16string utf16 = Utf16FromText(programPath);
    return std::filesystem::path(std::wstring(utf16.begin(), utf16.end()));
}

Text ProgramPath(const std::filesystem::path& nativePath) {
    const std::wstring& native = nativePath.native();
    return TextFromUtf16(std::u16string(native.begin(), native.end()));
}

}  // namespace tarnwick
