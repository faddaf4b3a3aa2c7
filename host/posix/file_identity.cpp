// Identities from stat and statx; the walk reads each folder with readdir and asks statx once
// per entry, relative to its folder, whether it is a link or a mount point and what it is. It
// opens each folder relative to the one it is in, so neither the length of a path nor the
// number of open files limits its depth.
#include "host/file_identity.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "host/encoding.h"

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

using OpenFolder = std::unique_ptr<DIR, int (*)(DIR*)>;

// The folder `name` inside `folder` (or `folder` itself, given absolute), never through a link.
OpenFolder OpenAt(int folder, const char* name) {
    const int fd = openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* opened = fd >= 0 ? fdopendir(fd) : nullptr;
    if (opened == nullptr && fd >= 0) {
        const int why = errno;
        close(fd);
        errno = why;
    }
    return OpenFolder(opened, closedir);
}

std::optional<FileIdentity> IdentityOf(DIR* folder) {
    struct stat status {};
    if (fstat(dirfd(folder), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

// A folder the walk has entered: by which name, what it is, and its folders still to walk.
struct Position {
    struct Subfolder {
        std::string name;
        FileIdentity identity;
    };
    std::string name;
    FileIdentity identity;
    std::vector<Subfolder> subfolders;
};

// The walk holds only the folder it is in: it reads that folder whole, checking each entry,
// then goes down into each of its folders by name and back up through "..", making sure each
// time that the folder it reached is the one it read before.
class Walk {
public:
    Walk(const fs::path& root, const std::optional<FileIdentity>& sought)
        : root_(root), sought_(sought) {}

    NativeFolderWalk Run() {
        OpenFolder here = OpenAt(AT_FDCWD, root_.c_str());
        const std::optional<FileIdentity> identity = here ? IdentityOf(here.get()) : std::nullopt;
        if (!identity) {
            return NotOpened(errno, root_);
        }
        device_ = identity->volume;
        positions_.push_back({{}, *identity, {}});
        if (!Read(here.get())) {
            return result_;
        }
        while (!positions_.empty()) {
            Position& position = positions_.back();
            if (position.subfolders.empty()) {
                positions_.pop_back();
                if (!positions_.empty() && !Reach(here, "..", positions_.back().identity)) {
                    return result_;
                }
                continue;
            }
            Position next{std::move(position.subfolders.back().name),
                          position.subfolders.back().identity,
                          {}};
            position.subfolders.pop_back();
            positions_.push_back(std::move(next));
            if (!Reach(here, positions_.back().name.c_str(), positions_.back().identity) ||
                !Read(here.get())) {
                return result_;
            }
        }
        return {found_ ? FolderWalk::HoldsFile : FolderWalk::Plain, {}, {}};
    }

private:
    // Reads the folder the walk is in to its end; false ends the walk with its result.
    bool Read(DIR* folder) {
        errno = 0;
        while (const dirent* item = readdir(folder)) {
            const char* name = item->d_name;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
                continue;
            }
            Entry entry;
            if (!ReadEntry(dirfd(folder), name, entry)) {
                const int why = errno;
                result_ = Stopped(why, Here());
                return false;
            }
            if (S_ISLNK(entry.status.stx_mode) || entry.IsMountPoint(device_)) {
                result_.found = FolderWalk::HoldsLink;
                return false;
            }
            found_ = found_ || entry.Identity() == sought_;
            if (S_ISDIR(entry.status.stx_mode)) {
                positions_.back().subfolders.push_back({name, entry.Identity()});
            }
            errno = 0;
        }
        if (const int why = errno; why != 0) {
            result_ = Stopped(why, Here());
            return false;
        }
        return true;
    }

    // Moves from the open folder to `name` inside it, which must be the folder `expected`; the
    // positions already name the folder reached.
    bool Reach(OpenFolder& here, const char* name, const FileIdentity& expected) {
        OpenFolder next = OpenAt(dirfd(here.get()), name);
        if (!next) {
            const int why = errno;
            result_ = NotOpened(why, Here());
            return false;
        }
        if (IdentityOf(next.get()) != expected) {
            result_.found = FolderWalk::HoldsLink;  // another folder was put in its place
            return false;
        }
        here = std::move(next);
        return true;
    }

    fs::path Here() const {
        fs::path path = root_;
        for (std::size_t level = 1; level < positions_.size(); ++level) {
            path /= positions_[level].name;
        }
        return path;
    }

    // The walk ends where the system refused it, with the system's words for why.
    static NativeFolderWalk Stopped(int error, const fs::path& folder) {
        return {FolderWalk::Unfinished, folder,
                TextFromUtf8(std::generic_category().message(error))};
    }
    // A folder that could not be opened as one: a link or a file standing where it was counts
    // as a link.
    static NativeFolderWalk NotOpened(int error, const fs::path& folder) {
        return error == ELOOP || error == ENOTDIR ? NativeFolderWalk{FolderWalk::HoldsLink, {}, {}}
                                                  : Stopped(error, folder);
    }

    const fs::path& root_;
    const std::optional<FileIdentity>& sought_;
    std::uint64_t device_ = 0;
    std::vector<Position> positions_;
    bool found_ = false;
    NativeFolderWalk result_;
};

}  // namespace

NativeFolderWalk WalkNativeFolder(const fs::path& folder,
                                  const std::optional<FileIdentity>& sought) {
    return Walk(folder, sought).Run();
}

}  // namespace tarnwick
