// Identities from GetFileInformationByHandle; the walk reads each folder through one handle
// with GetFileInformationByHandleEx (FILE_ID_BOTH_DIR_INFO), which gives every entry's
// attributes, reparse tag and file index at once.
#include "host/win/windows_api.h"

#include <cstddef>
#include <string_view>
#include <system_error>
#include <vector>

#include "host/file_identity.h"
#include "host/long_path_prefix.h"
#include "host/win/reparse_points.h"

namespace tarnwick {

namespace fs = std::filesystem;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A handle on the file or folder itself, for asking about it; `flags` may add
// FILE_FLAG_OPEN_REPARSE_POINT to open a link rather than what it leads to.
OwnedHandle Open(const fs::path& path, DWORD access, DWORD flags = 0) {
    return OwnedHandle(CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr));
}

std::optional<BY_HANDLE_FILE_INFORMATION> InformationOf(const OwnedHandle& handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!handle.valid() || !GetFileInformationByHandle(handle.get(), &information)) {
        return std::nullopt;
    }
    return information;
}

std::optional<fs::path> FinalPath(const OwnedHandle& handle) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(handle.get(), buffer.data(),
                                                       static_cast<DWORD>(buffer.size()), 0);
        if (length == 0) {
            return std::nullopt;
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(WithoutLongPathPrefix<wchar_t>(buffer));
        }
        buffer.resize(length);
    }
}

class Walk {
public:
    explicit Walk(const std::optional<FileIdentity>& sought) : sought_(sought) {}

    // False when the walk ends at a link or a folder it cannot read.
    bool Folder(const fs::path& path) {
        const OwnedHandle folder = Open(path, FILE_LIST_DIRECTORY, FILE_FLAG_OPEN_REPARSE_POINT);
        const std::optional<BY_HANDLE_FILE_INFORMATION> information = InformationOf(folder);
        if (!information) {
            return false;
        }
        // DWORD-aligned, as the entries must be.
        std::vector<DWORD> buffer(16 * 1024);
        while (GetFileInformationByHandleEx(folder.get(), FileIdBothDirectoryInfo, buffer.data(),
                                            static_cast<DWORD>(buffer.size() * sizeof(DWORD)))) {
            const auto* bytes = reinterpret_cast<const std::byte*>(buffer.data());
            for (;;) {
                const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
                if (!Entry(path, information->dwVolumeSerialNumber, *entry)) {
                    return false;
                }
                if (entry->NextEntryOffset == 0) {
                    break;
                }
                bytes += entry->NextEntryOffset;
            }
        }
        return GetLastError() == ERROR_NO_MORE_FILES;
    }

    bool found = false;

private:
    bool Entry(const fs::path& folder, DWORD volume, const FILE_ID_BOTH_DIR_INFO& entry) {
        const std::wstring_view name(entry.FileName, entry.FileNameLength / sizeof(WCHAR));
        if (name == L"." || name == L"..") {
            return true;
        }
        // For a reparse point the field of the extended attributes' size holds its tag.
        if (IsLinkEntry(name, entry.FileAttributes, entry.EaSize)) {
            return false;
        }
        const FileIdentity identity{volume, static_cast<std::uint64_t>(entry.FileId.QuadPart)};
        found = found || identity == sought_;
        return (entry.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || Folder(folder / name);
    }

    const std::optional<FileIdentity>& sought_;
};

}  // namespace

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
    const std::optional<BY_HANDLE_FILE_INFORMATION> information =
        path.empty() ? std::nullopt : InformationOf(Open(path, 0));
    if (!information) {
        return std::nullopt;
    }
    return FileIdentity{information->dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(information->nFileIndexHigh) << 32) |
                            information->nFileIndexLow};
}

std::optional<fs::path> ResolvedPath(const fs::path& path) {
    // Windows takes ".." by the text, before any link (GetFullPathNameW); the part that exists
    // is then resolved by the file system.
    std::error_code error;
    fs::path existing = fs::absolute(path, error);
    fs::path rest;
    while (!error) {
        if (const OwnedHandle handle = Open(existing, 0); handle.valid()) {
            const std::optional<fs::path> final = FinalPath(handle);
            return final && !rest.empty() ? *final / rest : final;
        }
        const DWORD why = GetLastError();
        if ((why != ERROR_FILE_NOT_FOUND && why != ERROR_PATH_NOT_FOUND) ||
            !existing.has_relative_path()) {
            break;
        }
        rest = rest.empty() ? existing.filename() : existing.filename() / rest;
        existing = existing.parent_path();
    }
    return std::nullopt;
}

FolderWalk WalkNativeFolder(const fs::path& folder, const std::optional<FileIdentity>& sought) {
    Walk walk(sought);
    if (!walk.Folder(folder)) {
        return FolderWalk::HoldsLink;
    }
    return walk.found ? FolderWalk::HoldsFile : FolderWalk::Plain;
}

}  // namespace tarnwick
