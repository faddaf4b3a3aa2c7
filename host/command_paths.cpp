#include "host/command_paths.h"

#include <string_view>

#include "host/lead_byte.h"

namespace tarnwick {

namespace {

// True when one of the text's one-byte characters satisfies `test`. The trail byte of a
// two-byte character is never looked at, so it is never taken for a special character.
template <class Test>
bool AnyOneByteCharacter(const Text& text, Test test) {
    const std::string& bytes = text.bytes();
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (IsLeadByte(bytes[at])) {
            ++at;  // skip the trail byte
        } else if (test(static_cast<unsigned char>(bytes[at]))) {
            return true;
        }
    }
    return false;
}

bool IsControlCharacter(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

Text CommandLinePath(const Text& path) {
    // + joins the files of copy, which a path of the user's reaches.
    constexpr std::string_view kNeedQuotes = " &|<>^(),;=+";
    const bool needsQuotes = AnyOneByteCharacter(path, [&](unsigned char byte) {
        return kNeedQuotes.find(static_cast<char>(byte)) != std::string_view::npos;
    });
    return needsQuotes ? QuotedCommandLinePath(path) : path;
}

Text QuotedCommandLinePath(const Text& path) {
    // The backslashes that end the path, counted by characters: the trail byte of a two-byte
    // character (淺 is 0x9C 0x5C) is no backslash, and doubling it would leave one before the
    // closing quote.
    const std::string& bytes = path.bytes();
    std::size_t backslashes = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (IsLeadByte(bytes[at]) && at + 1 < bytes.size()) {
            ++at;
            backslashes = 0;
        } else {
            backslashes = bytes[at] == '\\' ? backslashes + 1 : 0;
        }
    }
    return Text::FromBytes('"' + bytes + std::string(backslashes, '\\') + '"');
}

bool CanPassOnCommandLine(const Text& path) {
    constexpr std::string_view kUnsafe = "\"%?*";
    return !AnyOneByteCharacter(path, [&](unsigned char byte) {
        return IsControlCharacter(byte) ||
               kUnsafe.find(static_cast<char>(byte)) != std::string_view::npos;
    });
}

bool CanPassToPhoneShell(const Text& name) {
    constexpr std::string_view kShellCharacters = " ;&|$()<>\"'\\*?[]{}%^`";
    return !AnyOneByteCharacter(name, [&](unsigned char byte) {
        return IsControlCharacter(byte) ||
               kShellCharacters.find(static_cast<char>(byte)) != std::string_view::npos;
    });
}

}  // namespace tarnwick
