#include "host/text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ostream>

#include "host/encoding.h"

namespace tarnwick {

namespace {

bool IsLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

char FoldAsciiLetter(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool MatchesAt(const std::string& text, std::size_t at, const std::string& sought,
               bool ignoreCase) {
    if (!ignoreCase) {
        return text.compare(at, sought.size(), sought) == 0;
    }
    return std::equal(sought.begin(), sought.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char a, char b) { return FoldAsciiLetter(a) == FoldAsciiLetter(b); });
}

// Tries every character start from `first` on at which `sought` fits before `rangeEnd`, and
// calls `onMatch(at)` (0-based) for each match until it returns false. A lead byte steps over
// its trail byte; a lead byte that is the text's last byte ends the scan.
template <typename OnMatch>
void ScanMatches(const std::string& text, std::size_t first, std::size_t rangeEnd,
                 const std::string& sought, bool ignoreCase, OnMatch onMatch) {
    std::size_t at = first;
    while (at + sought.size() <= rangeEnd) {
        const bool lead = IsLeadByte(text[at]);
        if (lead && at + 1 == text.size()) {
            return;
        }
        if (MatchesAt(text, at, sought, ignoreCase) && !onMatch(at)) {
            return;
        }
        at += lead ? 2 : 1;
    }
}

bool IsAscii(const char* bytes) {
    for (; *bytes != '\0'; ++bytes) {
        if (IsLeadByte(*bytes)) {
            return false;
        }
    }
    return true;
}

template <typename Number>
Bytes MemoryBytes(Number number) {
    Bytes bytes(sizeof number, '\0');
    std::memcpy(bytes.data(), &number, sizeof number);
    return bytes;
}

}  // namespace

Text::Text(const char* utf8) {
    if (utf8 == nullptr) {
        return;
    }
    bytes_ = IsAscii(utf8) ? std::string(utf8) : TextFromUtf8(utf8).bytes();
}

Text Text::FromBytes(std::string bytes) {
    Text text;
    text.bytes_ = std::move(bytes);
    return text;
}

Text& Text::operator+=(const Text& more) {
    bytes_ += more.bytes_;
    return *this;
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
    return out << Utf8FromText(text);
}

int FindText(const Text& text, const Text& sought, std::optional<int> start, bool ignoreCase) {
    const std::string& bytes = text.bytes();
    const std::size_t first = start ? static_cast<std::size_t>(std::max(*start, 1) - 1) : 0;
    if (first >= bytes.size()) {
        return -1;
    }
    if (sought.empty()) {
        return 1;
    }
    int found = -1;
    ScanMatches(bytes, first, bytes.size(), sought.bytes(), ignoreCase, [&](std::size_t at) {
        found = static_cast<int>(at) + 1;
        return false;
    });
    return found;
}

int FindTextReverse(const Text& text, const Text& sought, std::optional<int> start,
                    bool ignoreCase) {
    const std::string& bytes = text.bytes();
    std::size_t rangeEnd = bytes.size();
    if (start) {
        rangeEnd = *start <= 1 ? 0 : std::min(static_cast<std::size_t>(*start - 1), bytes.size());
    }
    if (rangeEnd == 0) {
        return -1;
    }
    if (sought.empty()) {
        return 1;
    }
    int found = -1;
    ScanMatches(bytes, 0, rangeEnd, sought.bytes(), ignoreCase, [&](std::size_t at) {
        found = static_cast<int>(at) + 1;
        return true;
    });
    return found;
}

Text LeftText(const Text& text, int count) {
    if (count <= 0) {
        return {};
    }
    return Text::FromBytes(text.bytes().substr(0, static_cast<std::size_t>(count)));
}

Text RightText(const Text& text, int count) {
    if (count <= 0) {
        return {};
    }
    const std::size_t length = text.bytes().size();
    return Text::FromBytes(
        text.bytes().substr(length - std::min(static_cast<std::size_t>(count), length)));
}

int TextLength(const Text& text) {
    return static_cast<int>(text.bytes().size());
}

Text ToText(const Text& text) {
    return text;
}

Text ToText(const char* utf8) {
    return Text(utf8);
}

Text ToText(const Bytes& bytes) {
    return Text::FromBytes(bytes.substr(0, bytes.find('\0')));
}

Text ToText(int number) {
    return Text::FromBytes(std::to_string(number));
}

Text ToText(bool value) {
    return value ? "真" : "假";
}

Bytes ToBytes(const Text& text) {
    return text.bytes();
}

Bytes ToBytes(std::int32_t number) {
    return MemoryBytes(number);
}

Bytes ToBytes(std::int64_t number) {
    return MemoryBytes(number);
}

Bytes ToBytes(double number) {
    return MemoryBytes(number);
}

}  // namespace tarnwick
