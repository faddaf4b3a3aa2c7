// The executable's path from GetModuleFileNameW, in a buffer that grows until the path fits.

#include "host/win/windows_api.h"

#include <string>

#include "host/encoding.h"
#include "host/executable_path.h"

namespace tarnwick {

Text ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return Text();
        }
        // A path that fills the whole buffer may have been cut short.
        if (length < buffer.size()) {
            return TextFromUtf16(Utf16(std::wstring_view(buffer).substr(0, length)));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace tarnwick
