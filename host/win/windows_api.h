#pragma once
// The Win32 API for the Windows host files, included before the project's own headers.
// <windows.h> defines some names of ours as macros (DeleteFile, FindText, ...); they are
// removed here so that our functions and members keep their names.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef DeleteFile
#undef FindText
#undef ReplaceText

#include <string>
#include <string_view>
#include <utility>

namespace tarnwick {

// A handle that is closed when it goes; holds INVALID_HANDLE_VALUE or nullptr when there is none.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&&) = delete;

    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The program's UTF-16 strings as the API's wide strings; both are 16 bits wide on Windows.
inline std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}
inline std::u16string Utf16(std::wstring_view wide) {
    return std::u16string(wide.begin(), wide.end());
}

}  // namespace tarnwick
