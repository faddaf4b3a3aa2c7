#include "host/files.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "host/paths.h"

namespace tarnwick {

namespace fs = std::filesystem;

Bytes ReadWholeFile(const Text& path) {
    const fs::path file = NativePath(path);
    if (file.empty()) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

}  // namespace tarnwick
