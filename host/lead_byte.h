#pragma once
// Stepping through the program's encoding by characters: a lead byte and the byte after it form
// one character, every other byte is one on its own. 0x80 (the euro sign in code page 936) and
// 0xFF are one-byte characters; GB18030's four-byte characters step as two pairs.

namespace tarnwick {

constexpr bool IsLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

}  // namespace tarnwick
