// Identities from GetFileInformationByHandle; the walk reads each folder through one handle
// with GetFileInformationByHandleEx (FILE_ID_BOTH_DIR_INFO), which gives every entry's
// attributes, reparse tag and file index at once, and holds one handle at a time.
#include "host/win/windows_api.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "host/encoding.h"
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

// Windows' long form of an absolute path, which CreateFileW takes beyond MAX_PATH; it is used
// as written, so ".." and "/" are taken out first.
fs::path LongPath(const fs::path& path) {
    std::error_code error;
    const std::wstring full =
        fs::absolute(path, error).lexically_normal().make_preferred().wstring();
    if (full.starts_with(L"\\\\?\\")) {
        return full;
    }
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

// The system's own words for an error code, without the line break it ends with.
Text SystemReason(DWORD error) {
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&message), 0, nullptr);
    std::wstring reason = length != 0 ? std::wstring(message, length) : std::wstring();
    LocalFree(message);
    while (!reason.empty() &&
           (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' ')) {
        reason.pop_back();
    }
    if (reason.empty()) {
        reason = L"Error " + std::to_wstring(error);
    }
    return TextFromUtf16(Utf16(reason));
}

// A folder the walk has entered: by which name, what it is, and its folders still to walk.
struct Position {
    struct Subfolder {
        std::wstring name;
        FileIdentity identity;
    };
    std::wstring name;
    FileIdentity identity;
    std::vector<Subfolder> subfolders;
};

// The walk holds only the folder it reads: it reads a folder whole, checking each entry, then
// opens each of its folders by its whole path in the long form, which no length limits, and
// makes sure that it reached the folder the listing named (a folder swapped for another, a
// link put on the way meanwhile, is not walked into).
class Walk {
public:
    Walk(const fs::path& root, const std::optional<FileIdentity>& sought)
        : root_(root), sought_(sought) {}

    NativeFolderWalk Run() {
        positions_.push_back({{}, {}, {}});
        const OwnedHandle folder =
            Open(LongPath(root_), FILE_LIST_DIRECTORY, FILE_FLAG_OPEN_REPARSE_POINT);
        const std::optional<BY_HANDLE_FILE_INFORMATION> information = InformationOf(folder);
        if (!information) {
            return Stopped(GetLastError());
        }
        volume_ = information->dwVolumeSerialNumber;
        if (!Read(folder)) {
            return result_;
        }
        while (!positions_.empty()) {
            Position& position = positions_.back();
            if (position.subfolders.empty()) {
                positions_.pop_back();
                continue;
            }
            Position next{std::move(position.subfolders.back().name),
                          position.subfolders.back().identity,
                          {}};
            position.subfolders.pop_back();
            positions_.push_back(std::move(next));
            if (!Enter()) {
                return result_;
            }
        }
        return {found_ ? FolderWalk::HoldsFile : FolderWalk::Plain, {}, {}};
    }

private:
    // Opens the folder of the last position and reads it; false ends the walk with its result.
    bool Enter() {
        const OwnedHandle folder =
            Open(LongPath(Here()), FILE_LIST_DIRECTORY, FILE_FLAG_OPEN_REPARSE_POINT);
        const std::optional<BY_HANDLE_FILE_INFORMATION> information = InformationOf(folder);
        if (!information) {
            result_ = Stopped(GetLastError());
            return false;
        }
        const FileIdentity reached{information->dwVolumeSerialNumber,
                                   (static_cast<std::uint64_t>(information->nFileIndexHigh) << 32) |
                                       information->nFileIndexLow};
        if (reached != positions_.back().identity) {
            result_.found = FolderWalk::HoldsLink;  // not the folder the listing named
            return false;
        }
        return Read(folder);
    }

    bool Read(const OwnedHandle& folder) {
        // DWORD-aligned, as the entries must be.
        std::vector<DWORD> buffer(16 * 1024);
        while (GetFileInformationByHandleEx(folder.get(), FileIdBothDirectoryInfo, buffer.data(),
                                            static_cast<DWORD>(buffer.size() * sizeof(DWORD)))) {
            const auto* bytes = reinterpret_cast<const std::byte*>(buffer.data());
            for (;;) {
                const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
                if (!Entry(*entry)) {
                    result_.found = FolderWalk::HoldsLink;
                    return false;
                }
                if (entry->NextEntryOffset == 0) {
                    break;
                }
                bytes += entry->NextEntryOffset;
            }
        }
        if (const DWORD why = GetLastError(); why != ERROR_NO_MORE_FILES) {
            result_ = Stopped(why);
            return false;
        }
        return true;
    }

    // False for a link.
    bool Entry(const FILE_ID_BOTH_DIR_INFO& entry) {
        const std::wstring_view name(entry.FileName, entry.FileNameLength / sizeof(WCHAR));
        if (name == L"." || name == L"..") {
            return true;
        }
        // For a reparse point the field of the extended attributes' size holds its tag.
        if (IsLinkEntry(name, entry.FileAttributes, entry.EaSize)) {
            return false;
        }
        const FileIdentity identity{volume_, static_cast<std::uint64_t>(entry.FileId.QuadPart)};
        found_ = found_ || identity == sought_;
        if ((entry.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            positions_.back().subfolders.push_back({std::wstring(name), identity});
        }
        return true;
    }

    fs::path Here() const {
        fs::path path = root_;
        for (std::size_t level = 1; level < positions_.size(); ++level) {
            path /= positions_[level].name;
        }
        return path;
    }

    // The walk ends at the folder of the last position, with the system's words for why.
    NativeFolderWalk Stopped(DWORD error) const {
        return {FolderWalk::Unfinished, Here(), SystemReason(error)};
    }

    const fs::path& root_;
    const std::optional<FileIdentity>& sought_;
    DWORD volume_ = 0;
    std::vector<Position> positions_;
    bool found_ = false;
    NativeFolderWalk result_;
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

NativeFolderWalk WalkNativeFolder(const fs::path& folder,
                                  const std::optional<FileIdentity>& sought) {
    return Walk(folder, sought).Run();
}

}  // namespace tarnwick
