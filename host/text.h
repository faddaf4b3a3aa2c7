#pragma once
// Text: a byte string in the program's text encoding (code page 936 on Windows, GB18030
// elsewhere). Every length, position and count is in bytes; positions are 1-based and -1
// means absent. The empty text is the only missing value.

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace tarnwick {

// A counted run of bytes that may hold zero bytes; files are read and written as byte sets.
using Bytes = std::string;

class Text {
public:
    Text() = default;
    // Source text: a UTF-8 literal of the program, converted into the program's encoding.
    Text(const char* utf8);  // NOLINT(google-explicit-constructor): literals read as texts
    // Bytes that already are in the program's encoding.
    static Text FromBytes(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

    Text& operator+=(const Text& more);
    friend Text operator+(Text left, const Text& right) { return left += right; }
    friend bool operator==(const Text&, const Text&) = default;
    // Byte order. clang-tidy takes the defaulted <=>'s comparisons with 0 for null pointers.
    friend auto operator<=>(const Text&, const Text&) = default;  // NOLINT(modernize-use-nullptr)

private:
    std::string bytes_;
};

// Shows a text as UTF-8, for test output and diagnostics.
std::ostream& operator<<(std::ostream& out, const Text& text);

// 1-based position of the first match of `sought`, or -1. Candidates start at characters:
// a lead byte (0x81 to 0xFE) and the byte after it form one, any other byte is one alone.
int FindText(const Text& text, const Text& sought, std::optional<int> start = std::nullopt,
             bool ignoreCase = false);
// As FindText, but the last match; with a start, the match lies within the first start-1 bytes.
int FindTextReverse(const Text& text, const Text& sought, std::optional<int> start = std::nullopt,
                    bool ignoreCase = false);
Text LeftText(const Text& text, int count);
Text RightText(const Text& text, int count);
int TextLength(const Text& text);

Text ToText(const Text& text);
Text ToText(const char* utf8);
Text ToText(const Bytes& bytes);  // up to, not including, the first zero byte
Text ToText(int number);
Text ToText(bool value);  // "真" or "假"

Bytes ToBytes(const Text& text);
Bytes ToBytes(std::int32_t number);  // memory order
Bytes ToBytes(std::int64_t number);
Bytes ToBytes(double number);

}  // namespace tarnwick
