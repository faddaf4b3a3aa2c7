#include "host/posix/builtins.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "host/encoding.h"
#include "host/paths.h"
#include "host/posix/characters.h"

namespace tarnwick::posix {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSyntaxError = "The syntax of the command is incorrect.\r\n";
constexpr std::string_view kFileNotFound = "The system cannot find the file specified.\r\n";
constexpr std::string_view kPathNotFound = "The system cannot find the path specified.\r\n";
constexpr std::string_view kAccessDenied = "Access is denied.\r\n";
constexpr std::string_view kNoneCopied = "        0 file(s) copied.\r\n";
constexpr std::string_view kOneCopied = "        1 file(s) copied.\r\n";

// A native path as cmd would name it in a message: absolute, in program-path form.
std::string Shown(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return Utf8FromText(ProgramPath(error ? path : absolute.lexically_normal()));
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

struct Operands {
    std::vector<Text> paths;
    std::vector<std::string> switches;  // lower case, without the "/"
};

Operands SplitOperands(const std::vector<Text>& words) {
    Operands operands;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i].bytes();
        if (word.starts_with('/')) {
            std::string name;
            for (const char c : word.substr(1)) {
                name += AsciiLower(c);
            }
            operands.switches.push_back(name);
        } else {
            operands.paths.push_back(words[i]);
        }
    }
    return operands;
}

int FailCopy(OutputStreams streams, std::string_view error) {
    Say(streams.err, error);
    Say(streams.out, kNoneCopied);
    return 1;
}

int Copy(const Operands& operands, OutputStreams streams, bool inBatchFile) {
    bool overwrite = inBatchFile;
    for (const std::string& option : operands.switches) {
        if (option == "y") {
            overwrite = true;
        } else if (option == "-y") {
            overwrite = false;
        }
    }
    if (operands.paths.empty() || operands.paths.size() > 2) {
        Say(streams.err, kSyntaxError);
        return 1;
    }
    std::error_code error;
    const fs::path source = NativePath(operands.paths[0]);
    if (source.empty() || !fs::is_regular_file(source, error)) {
        return FailCopy(streams, kFileNotFound);
    }
    fs::path target = operands.paths.size() == 2 ? NativePath(operands.paths[1]) : fs::path(".");
    if (target.empty()) {
        return FailCopy(streams, kPathNotFound);
    }
    if (fs::is_directory(target, error)) {
        target /= source.filename();
    }
    if (Exists(target)) {
        if (fs::equivalent(source, target, error)) {
            return FailCopy(streams, "The file cannot be copied onto itself.\r\n");
        }
        if (!overwrite) {
            // Nobody answers the question: standard input is empty.
            Say(streams.out, "Overwrite " + Shown(target) + "? (Yes/No/All): \r\n");
            Say(streams.out, kNoneCopied);
            return 1;
        }
    }
    if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, error)) {
        return FailCopy(streams, kAccessDenied);
    }
    Say(streams.out, kOneCopied);
    return 0;
}

int Rename(const Operands& operands, OutputStreams streams) {
    if (operands.paths.size() != 2 || HoldsAnyOf(operands.paths[1].bytes(), "\\/:")) {
        Say(streams.err, kSyntaxError);
        return 1;
    }
    const fs::path source = NativePath(operands.paths[0]);
    if (source.empty() || !Exists(source)) {
        Say(streams.err, kFileNotFound);
        return 1;
    }
    const fs::path target = source.parent_path() / NativePath(operands.paths[1]);
    if (Exists(target)) {
        Say(streams.err, "A duplicate file name exists, or the file cannot be found.\r\n");
        return 1;
    }
    std::error_code error;
    fs::rename(source, target, error);
    if (error) {
        Say(streams.err, kAccessDenied);
        return 1;
    }
    return 0;
}

// Like cmd, del reports files it cannot find but still succeeds.
int Delete(const Operands& operands, OutputStreams streams) {
    if (operands.paths.empty()) {
        Say(streams.err, kSyntaxError);
        return 1;
    }
    for (const Text& path : operands.paths) {
        const fs::path file = NativePath(path);
        std::error_code error;
        if (file.empty() || fs::is_directory(file, error) || !Exists(file)) {
            Say(streams.err,
                "Could Not Find " + (file.empty() ? Utf8FromText(path) : Shown(file)) + "\r\n");
        } else if (!fs::remove(file, error)) {
            Say(streams.err, Shown(file) + "\r\n" + std::string(kAccessDenied));
        }
    }
    return 0;
}

}  // namespace

std::optional<int> RunBuiltin(const std::vector<Text>& words, OutputStreams streams,
                              bool inBatchFile) {
    if (words.empty()) {
        return std::nullopt;
    }
    const std::string& name = words[0].bytes();
    const Operands operands = SplitOperands(words);
    if (EqualsIgnoringCase(name, "copy")) {
        return Copy(operands, streams, inBatchFile);
    }
    if (EqualsIgnoringCase(name, "rename") || EqualsIgnoringCase(name, "ren")) {
        return Rename(operands, streams);
    }
    if (EqualsIgnoringCase(name, "del") || EqualsIgnoringCase(name, "erase")) {
        return Delete(operands, streams);
    }
    return std::nullopt;
}

}  // namespace tarnwick::posix
