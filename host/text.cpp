#include "host/text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>

#include "host/encoding.h"
#include "host/lead_byte.h"

namespace tarnwick {

namespace {

char FoldAsciiLetter(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool SameFolded(char a, char b) {
    return FoldAsciiLetter(a) == FoldAsciiLetter(b);
}

constexpr std::size_t kNone = std::string_view::npos;

// The first match of `sought` that starts at `from` or later, and the last that lies wholly
// within the first `end` bytes; byte matches, without regard to characters.
std::size_t NextMatch(std::string_view text, std::string_view sought, std::size_t from,
                      bool ignoreCase) {
    if (!ignoreCase) {
        return text.find(sought, from);
    }
    const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                   sought.begin(), sought.end(), SameFolded);
    return found == text.end() ? kNone : static_cast<std::size_t>(found - text.begin());
}

std::size_t LastMatch(std::string_view text, std::string_view sought, std::size_t end,
                      bool ignoreCase) {
    if (sought.size() > end) {
        return kNone;
    }
    if (!ignoreCase) {
        // The first byte by the library's byte search, then the rest: the library's rfind of a
        // whole string compares at every position.
        for (std::size_t at = text.rfind(sought.front(), end - sought.size()); at != kNone;
             at = at == 0 ? kNone : text.rfind(sought.front(), at - 1)) {
            if (text.compare(at, sought.size(), sought) == 0) {
                return at;
            }
        }
        return kNone;
    }
    const auto within = text.begin() + static_cast<std::ptrdiff_t>(end);
    const auto found =
        std::find_end(text.begin(), within, sought.begin(), sought.end(), SameFolded);
    return found == within ? kNone : static_cast<std::size_t>(found - text.begin());
}

// Where the run of lead bytes that ends just before `at` begins, not looking before `from`. The
// byte before that run is no lead byte: a one-byte character (0x80 and 0xFF among them) or a
// trail byte, so a character starts after it; from there the run pairs up as lead and trail
// bytes, and `at` starts a character exactly when its distance from the run's start is even.
std::size_t RunStart(std::string_view text, std::size_t from, std::size_t at) {
    while (at > from && IsLeadByte(text[at - 1])) {
        --at;
    }
    return at;
}

// A candidate start the scan never reaches: a lead byte that is the text's last byte.
bool IsCutLead(std::string_view text, std::size_t at) {
    return at + 1 == text.size() && IsLeadByte(text[at]);
}

// The first match at a character start, stepping from `first` (taken as a character start):
// byte matches found by the library's search, each checked against the character stepping.
// Every checked position moves the known character start past it, so no byte is stepped over
// twice.
std::size_t FirstMatchAtCharacter(std::string_view text, std::string_view sought, std::size_t first,
                                  bool ignoreCase) {
    std::size_t known = first;
    for (std::size_t at = NextMatch(text, sought, first, ignoreCase); at != kNone;
         at = NextMatch(text, sought, at + 1, ignoreCase)) {
        if ((at - RunStart(text, known, at)) % 2 == 0) {
            return IsCutLead(text, at) ? kNone : at;
        }
        known = at + 1;  // `at` is a trail byte
    }
    return kNone;
}

// The last match at a character start, stepping from the text's start, that lies within the
// first `end` bytes. A run's start serves every later match inside that run.
std::size_t LastMatchAtCharacter(std::string_view text, std::string_view sought, std::size_t end,
                                 bool ignoreCase) {
    std::size_t runStart = kNone;
    for (std::size_t at = LastMatch(text, sought, end, ignoreCase); at != kNone;
         at = at == 0 ? kNone : LastMatch(text, sought, at + sought.size() - 1, ignoreCase)) {
        if (runStart == kNone || at <= runStart) {
            runStart = RunStart(text, 0, at);
        }
        if ((at - runStart) % 2 == 0 && !IsCutLead(text, at)) {
            return at;
        }
    }
    return kNone;
}

bool IsAscii(const char* bytes) {
    for (; *bytes != '\0'; ++bytes) {
        if (static_cast<unsigned char>(*bytes) >= 0x80) {
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
    const std::size_t found = FirstMatchAtCharacter(bytes, sought.bytes(), first, ignoreCase);
    return found == kNone ? -1 : static_cast<int>(found) + 1;
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
    const std::size_t found = LastMatchAtCharacter(bytes, sought.bytes(), rangeEnd, ignoreCase);
    return found == kNone ? -1 : static_cast<int>(found) + 1;
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
