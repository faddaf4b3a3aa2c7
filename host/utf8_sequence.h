#pragma once
// Recognises well-formed UTF-8, for the conversions that must tell it from other bytes.

#include <cstddef>
#include <string_view>

namespace tarnwick {

// Length (1 to 4) of the well-formed UTF-8 sequence that `bytes` starts with, or 0 when it
// starts with none: overlong forms, surrogates and values above U+10FFFF are rejected.
inline std::size_t Utf8SequenceLength(std::string_view bytes) {
    if (bytes.empty()) {
        return 0;
    }
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char secondLow = 0x80;   // the second byte's range narrows to rule out the
    unsigned char secondHigh = 0xBF;  // overlong forms, surrogates and values past U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || byteAt(1) < secondLow || byteAt(1) > secondHigh) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byteAt(i) < 0x80 || byteAt(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// Walks `bytes` in order, handing each maximal run of well-formed UTF-8 to `onRun` and each
// byte outside such a run to `onStrayByte`.
template <typename OnRun, typename OnStrayByte>
void SplitUtf8Runs(std::string_view bytes, OnRun onRun, OnStrayByte onStrayByte) {
    std::size_t runStart = 0;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = Utf8SequenceLength(bytes.substr(at));
        if (length > 0) {
            at += length;
            continue;
        }
        if (at > runStart) {
            onRun(bytes.substr(runStart, at - runStart));
        }
        onStrayByte(bytes[at]);
        runStart = ++at;
    }
    if (at > runStart) {
        onRun(bytes.substr(runStart, at - runStart));
    }
}

}  // namespace tarnwick
