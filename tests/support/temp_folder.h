#pragma once
// A fresh folder under the system's temporary directory, removed with everything in it when
// the object goes. Tests use it as a program folder or as a home folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Names are UTF-8, on every system.
    std::filesystem::path operator/(std::string_view name) const;

    // Writes a file (creating its folders) with the given bytes.
    void Write(std::string_view name, std::string_view bytes, bool executable = false) const;
    // The whole file, or "" when it does not exist.
    std::string Read(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// Makes a folder the current directory for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& folder);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// Sets an environment variable (HOME, PATH) for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

}  // namespace tarnwick::testing
