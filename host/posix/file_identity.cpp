// Identities from stat and statx; the walk reads each folder with readdir and asks statx once
// per entry, relative to its folder, whether it is a link or a mount point and what it is.
#include "host/file_identity.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>

#ifndef STATX_ATTR_MOUNT_ROOT
#define STATX_ATTR_MOUNT_ROOT 0x00002000  // Linux 5.8
#endif

namespace tarnwick {

namespace fs = std::filesystem;

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
    struct stat status {};
    if (path.empty() || stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<fs::path> ResolvedPath(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? std::nullopt : std::optional<fs::path>(std::move(resolved));
}

namespace {

struct Entry {
    struct statx status {};
    FileIdentity Identity() const {
        return {makedev(status.stx_dev_major, status.stx_dev_minor), status.stx_ino};
    }
    // A bind mount from the same file system keeps the device number of its parent: the
    // kernel's own mark tells it; where the kernel has none, a change of device does.
    bool IsMountPoint(std::uint64_t folderDevice) const {
        if ((status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0) {
            return (status.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
        }
        return Identity().volume != folderDevice;
    }
};

bool ReadEntry(int folder, const char* name, Entry& entry) {
    return statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_INO,
                 &entry.status) == 0;
}

class Walk {
public:
    explicit Walk(const std::optional<FileIdentity>& sought) : sought_(sought) {}

    // Walks the open folder `fd`, which it closes; false when the walk ends at a link, a
    // mount point or a folder it cannot read.
    bool Folder(int fd, std::uint64_t device) {
        const std::unique_ptr<DIR, int (*)(DIR*)> folder(fdopendir(fd), closedir);
        if (!folder) {
            close(fd);
            return false;
        }
        errno = 0;
        while (const dirent* item = readdir(folder.get())) {
            const char* name = item->d_name;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
                continue;
            }
            Entry entry;
            if (!ReadEntry(dirfd(folder.get()), name, entry) || S_ISLNK(entry.status.stx_mode) ||
                entry.IsMountPoint(device)) {
                return false;
            }
            found = found || entry.Identity() == sought_;
            if (S_ISDIR(entry.status.stx_mode)) {
                const int inner = openat(dirfd(folder.get()), name,
                                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (inner < 0 || !Folder(inner, device)) {
                    return false;
                }
            }
            errno = 0;
        }
        return errno == 0;
    }

    bool found = false;

private:
    const std::optional<FileIdentity>& sought_;
};

}  // namespace

FolderWalk WalkNativeFolder(const fs::path& folder, const std::optional<FileIdentity>& sought) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        return FolderWalk::HoldsLink;
    }
    Walk walk(sought);
    if (!walk.Folder(fd, status.st_dev)) {
        return FolderWalk::HoldsLink;
    }
    return walk.found ? FolderWalk::HoldsFile : FolderWalk::Plain;
}

}  // namespace tarnwick
