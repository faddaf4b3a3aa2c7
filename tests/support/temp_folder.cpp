#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace tarnwick::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        path_ = fs::temp_directory_path() / ("tarnwick-test-" + std::to_string(random()));
        if (fs::create_directory(path_)) {
            break;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path TempFolder::operator/(std::string_view name) const {
    // "a/b" names a/b with the system's separator, as the program's own paths have it.
    return (path_ / std::u8string(name.begin(), name.end())).make_preferred();
}

void TempFolder::Write(std::string_view name, std::string_view bytes, bool executable) const {
    const fs::path file = *this / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    if (executable) {
        fs::permissions(file, fs::perms::owner_exec | fs::perms::group_exec, fs::perm_options::add);
    }
}

std::string TempFolder::Read(std::string_view name) const {
    std::ifstream in(*this / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

CurrentDirectory::CurrentDirectory(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

CurrentDirectory::~CurrentDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

namespace {

// Sets or, with nullptr, removes a variable; children started later see the change.
void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
#endif
}

}  // namespace

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* previous = std::getenv(name)) {
        previous_ = previous;
    }
    SetVariable(name, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetVariable(name_, previous_ ? previous_->c_str() : nullptr);
}

}  // namespace tarnwick::testing
