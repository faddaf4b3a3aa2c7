#pragma once
// Stepping through a text by characters, as the command interpreter sees it: a lead byte
// (lead_byte.h) starts a two-byte character whose trail byte may look like an ASCII "\" or "^",
// so scanners step over it whole.

#include <cstddef>
#include <string>
#include <string_view>

#include "host/lead_byte.h"

namespace tarnwick::posix {

inline std::size_t CharacterLength(std::string_view bytes, std::size_t at) {
    return IsLeadByte(bytes[at]) && at + 1 < bytes.size() ? 2 : 1;
}

// Whether `text` holds one of the ASCII characters `sought`, looking only at character starts.
inline bool HoldsAnyOf(std::string_view text, std::string_view sought) {
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) {
        if (sought.find(text[at]) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

inline bool EqualsIgnoringCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (AsciiLower(left[i]) != AsciiLower(right[i])) {
            return false;
        }
    }
    return true;
}

inline bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           EqualsIgnoringCase(text.substr(text.size() - end.size()), end);
}

}  // namespace tarnwick::posix
