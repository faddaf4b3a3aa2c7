#include "host/path_parts.h"

namespace tarnwick {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

Text FolderOf(const Text& path) {
    const int lastBackslash = FindTextReverse(path, "\\");
    return lastBackslash > 0 ? LeftText(path, lastBackslash - 1) : Text();
}

Text NameOf(const Text& path) {
    const int lastBackslash = FindTextReverse(path, "\\");
    return lastBackslash > 0 ? RightText(path, TextLength(path) - lastBackslash) : path;
}

bool SamePathText(const Text& one, const Text& other) {
    const std::string& a = one.bytes();
    const std::string& b = other.bytes();
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t at = 0; at < a.size(); ++at) {
        if (static_cast<unsigned char>(a[at]) >= 0x80) {
            // A two-byte character: both bytes exactly, the trail byte included.
            if (a[at] != b[at] || (at + 1 < a.size() && a[at + 1] != b[at + 1])) {
                return false;
            }
            ++at;
        } else if (AsciiLower(a[at]) != AsciiLower(b[at])) {
            return false;
        }
    }
    return true;
}

}  // namespace tarnwick
