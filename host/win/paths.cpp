// On Windows program paths are native: only the encoding changes.

#include "host/win/windows_api.h"

#include "host/encoding.h"
#include "host/paths.h"

namespace tarnwick {

std::filesystem::path NativePath(const Text& programPath) {
    return std::filesystem::path(Wide(Utf16FromText(programPath)));
}

Text ProgramPath(const std::filesystem::path& nativePath) {
    return TextFromUtf16(Utf16(nativePath.native()));
}

Text ShownPath(const Text& programPath) {
    return programPath;
}

}  // namespace tarnwick
