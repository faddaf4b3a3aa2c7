// Whole-file reads, writes and deletions with the Win32 file calls, on wide paths and with the
// sharing the program has always used: a file is read while others may read it too, but not
// while anyone writes it; it is written with no one else having it open. Links are told by their
// reparse tags.

#include "host/win/windows_api.h"

#include <algorithm>
#include <string>

#include "host/files.h"
#include "host/paths.h"
#include "host/win/reparse_points.h"

namespace tarnwick {

namespace {

// The most that one ReadFile or WriteFile call moves.
constexpr std::size_t kChunk = 1 << 30;

DWORD ChunkAt(std::size_t done, std::size_t total) {
    return static_cast<DWORD>(std::min(kChunk, total - done));
}

bool WriteAll(HANDLE file, const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, ChunkAt(done, bytes.size()), &written, nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

Bytes ReadWholeFile(const Text& path) {
    const std::filesystem::path native = NativePath(path);
    if (native.empty()) {
        return {};
    }
    const OwnedHandle file(CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
        return {};
    }
    // Take the length, read that many bytes, keep those actually read.
    Bytes bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, ChunkAt(done, bytes.size()), &read,
                      nullptr) ||
            read == 0) {
            break;
        }
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool WriteWholeFile(const Text& path, std::initializer_list<Bytes> parts) {
    const std::filesystem::path native = NativePath(path);
    if (native.empty()) {
        return false;
    }
    const OwnedHandle file(CreateFileW(native.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return false;
    }
    return std::all_of(parts.begin(), parts.end(),
                       [&](const Bytes& part) { return WriteAll(file.get(), part); });
}

bool DeleteOneFile(const Text& path) {
    const std::filesystem::path native = NativePath(path);
    return !native.empty() && DeleteFileW(native.c_str()) != 0;
}

bool CanCreateFileIn(const Text& folder) {
    const std::filesystem::path native = NativePath(folder);
    if (native.empty()) {
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path probe =
            native / (L"~tarnwick-" + std::to_wstring(attempt) + L".tmp");
        // Gone again as soon as it is closed.
        const OwnedHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                           nullptr));
        if (file.valid()) {
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

bool IsNativeLink(const std::filesystem::path& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    // dwReserved0 holds a reparse point's tag.
    return IsLinkEntry(found.cFileName, found.dwFileAttributes, found.dwReserved0);
}

}  // namespace tarnwick
