#pragma once
// Stepping through the program's encoding by characters: a lead byte and the byte after it form
// one character, every other byte is one on its own. 0x80 (the euro sign in code page 936) and
// 0xFF are one-byte characters; GB18030's four-byte characters step as two pairs.

#include <cstddef>
#include <string_view>

namespace tarnwick {

constexpr bool IsLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

// The size in bytes of the first `count` characters of `bytes`; all of them when it holds fewer.
// Here a GB18030 four-byte character (a digit after its lead byte) counts as one, so that a cut
// at this size never splits a character.
constexpr std::size_t LeadingCharactersSize(std::string_view bytes, std::size_t count) {
    std::size_t at = 0;
    for (; at < bytes.size() && count > 0; --count) {
        const std::size_t left = bytes.size() - at;
        if (!IsLeadByte(bytes[at]) || left < 2) {
            at += 1;
        } else {
            const bool fourBytes = bytes[at + 1] >= '0' && bytes[at + 1] <= '9' && left >= 4;
            at += fourBytes ? 4 : 2;
        }
    }
    return at;
}

}  // namespace tarnwick
