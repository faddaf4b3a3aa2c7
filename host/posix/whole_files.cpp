// Whole-file reads, writes and deletions through the standard library; links through lstat.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "host/files.h"
#include "host/paths.h"

namespace tarnwick {

namespace fs = std::filesystem;

Bytes ReadWholeFile(const Text& path) {
    const fs::path file = NativePath(path);
    std::error_code error;
    if (file.empty() || !fs::is_regular_file(file, error)) {
        return {};
    }
    // Take the length, read that many bytes, keep those actually read.
    Bytes bytes(fs::file_size(file, error), '\0');
    if (error) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool WriteWholeFile(const Text& path, std::initializer_list<Bytes> parts) {
    const fs::path file = NativePath(path);
    if (file.empty()) {
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const Bytes& part : parts) {
        out.write(part.data(), static_cast<std::streamsize>(part.size()));
    }
    out.close();
    return !out.fail();
}

bool DeleteOneFile(const Text& path) {
    const fs::path file = NativePath(path);
    std::error_code error;
    if (file.empty() || fs::is_directory(fs::symlink_status(file, error))) {
        return false;
    }
    return fs::remove(file, error);
}

bool CanCreateFileIn(const Text& folder) {
    const fs::path native = NativePath(folder);
    if (native.empty()) {
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path probe = native / (".tarnwick-" + std::to_string(attempt) + ".tmp");
        const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            unlink(probe.c_str());
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool IsNativeLink(const fs::path& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

}  // namespace tarnwick
