#include "host/posix/redirected_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "host/encoding.h"
#include "host/paths.h"

namespace tarnwick::posix {

namespace {

bool ReadFrom(int fd, off_t start, std::string& bytes) {
    char buffer[65536];
    for (off_t at = start;;) {
        const ssize_t count = pread(fd, buffer, sizeof buffer, at);
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
        at += count;
    }
}

bool WriteAt(int fd, off_t start, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t count =
            pwrite(fd, bytes.data() + done, bytes.size() - done, start + static_cast<off_t>(done));
        if (count < 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// A second descriptor, because pwrite on an appending one ignores its offset.
void ConvertFrom(const std::filesystem::path& path, off_t start) {
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    std::string added;
    if (ReadFrom(fd, start, added)) {
        const Bytes converted = ToolOutputToProgramEncoding(added);
        if (converted != added && WriteAt(fd, start, converted)) {
            [[maybe_unused]] const int ignored =
                ftruncate(fd, start + static_cast<off_t>(converted.size()));
        }
    }
    close(fd);
}

}  // namespace

RedirectedOutput::~RedirectedOutput() {
    for (const OpenFile& file : files_) {
        close(file.fd);
    }
}

int RedirectedOutput::Open(const Text& file, bool append) {
    const std::filesystem::path path = NativePath(file);
    if (path.empty()) {
        return -1;
    }
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    const int fd = open(path.c_str(), flags, 0666);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    files_.push_back({path, fd, append ? status.st_size : 0, status.st_dev, status.st_ino});
    return fd;
}

void RedirectedOutput::ConvertAddedOutput() const {
    // A file named twice ("> a 2>> a") is converted once, from the earliest start.
    std::vector<const OpenFile*> done;
    for (const OpenFile& file : files_) {
        const auto same = [&](const OpenFile* other) {
            return other->device == file.device && other->inode == file.inode;
        };
        if (std::any_of(done.begin(), done.end(), same)) {
            continue;
        }
        off_t start = file.start;
        for (const OpenFile& other : files_) {
            if (same(&other)) {
                start = std::min(start, other.start);
            }
        }
        ConvertFrom(file.path, start);
        done.push_back(&file);
    }
}

}  // namespace tarnwick::posix
