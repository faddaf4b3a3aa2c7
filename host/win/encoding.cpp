// Conversions through the Win32 code-page functions. The program's encoding is code page 936.

#include "host/win/windows_api.h"

#include <string>

#include "host/encoding.h"
#include "host/utf8_sequence.h"

namespace tarnwick {

namespace {

constexpr UINT kProgramCodePage = 936;
constexpr char16_t kReplacement = u'\uFFFD';

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Converts bytes that are known to be well-formed in `codePage`.
std::u16string WideFromBytes(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                        length);
    return wide;
}

// `wide` in `codePage`. UTF-8 holds every character; in any other code page a character it
// cannot hold becomes '?' (no look-alike substitutes), and `lost`, when given, tells whether
// one did.
std::string BytesInCodePage(UINT codePage, std::u16string_view wide, bool* lost = nullptr) {
    if (wide.empty()) {
        return {};
    }
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* replacement = utf8 ? nullptr : "?";
    BOOL usedReplacement = FALSE;
    BOOL* replaced = utf8 ? nullptr : &usedReplacement;
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, flags, units, size, nullptr, 0, replacement, replaced);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, units, size, bytes.data(), length, replacement, replaced);
    if (lost != nullptr) {
        *lost = length == 0 || usedReplacement;
    }
    return bytes;
}

// Appends `wide`, which holds no surrogates, in the program's encoding.
void AppendProgramBytes(std::u16string_view wide, std::string& out) {
    out += BytesInCodePage(kProgramCodePage, wide);
}

// Surrogate pairs lie beyond code page 936 and lone surrogates are malformed: each becomes one
// '?'.
void AppendProgramBytesFromWide(std::u16string_view wide, std::string& out) {
    std::size_t runStart = 0;
    std::size_t at = 0;
    while (at < wide.size()) {
        if (!IsHighSurrogate(wide[at]) && !IsLowSurrogate(wide[at])) {
            ++at;
            continue;
        }
        AppendProgramBytes(wide.substr(runStart, at - runStart), out);
        out += '?';
        const bool pair =
            IsHighSurrogate(wide[at]) && at + 1 < wide.size() && IsLowSurrogate(wide[at + 1]);
        at += pair ? 2 : 1;
        runStart = at;
    }
    AppendProgramBytes(wide.substr(runStart), out);
}

// Well-formed UTF-8 runs are converted; each stray byte becomes '?' or, with keepStrayBytes,
// stays as it is.
std::string ProgramBytesFromUtf8(std::string_view utf8, bool keepStrayBytes) {
    std::string out;
    SplitUtf8Runs(
        utf8,
        [&](std::string_view run) { AppendProgramBytesFromWide(WideFromBytes(CP_UTF8, run), out); },
        [&](char stray) { out += keepStrayBytes ? stray : '?'; });
    return out;
}

// Bytes that do not form a character become U+FFFD, one per byte.
std::u16string WideFromProgramBytes(const std::string& bytes) {
    if (bytes.empty()) {
        return {};
    }
    if (MultiByteToWideChar(kProgramCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, 0) > 0) {
        return WideFromBytes(kProgramCodePage, bytes);
    }
    std::u16string wide;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const bool lead = IsDBCSLeadByteEx(kProgramCodePage, static_cast<BYTE>(bytes[at])) != 0;
        const int length = lead && at + 1 < bytes.size() ? 2 : 1;
        wchar_t unit = 0;
        if (MultiByteToWideChar(kProgramCodePage, MB_ERR_INVALID_CHARS, bytes.data() + at, length,
                                &unit, 1) == 1) {
            wide += static_cast<char16_t>(unit);
            at += static_cast<std::size_t>(length);
        } else {
            wide += kReplacement;
            ++at;
        }
    }
    return wide;
}

}  // namespace

Text TextFromUtf8(std::string_view utf8) {
    return Text::FromBytes(ProgramBytesFromUtf8(utf8, false));
}

Text TextFromUtf16(std::u16string_view utf16) {
    std::string out;
    AppendProgramBytesFromWide(utf16, out);
    return Text::FromBytes(std::move(out));
}

std::string Utf8FromText(const Text& text) {
    return BytesInCodePage(CP_UTF8, WideFromProgramBytes(text.bytes()));
}

std::u16string Utf16FromText(const Text& text) {
    return WideFromProgramBytes(text.bytes());
}

Bytes ToolOutputToProgramEncoding(std::string_view output) {
    return ProgramBytesFromUtf8(output, true);
}

Text ToolOutputText(std::string_view printed) {
    const UINT codePage = GetACP();
    if (codePage == kProgramCodePage || printed.empty()) {
        return Text::FromBytes(std::string(printed));
    }
    return TextFromUtf16(WideFromBytes(codePage, printed));
}

std::optional<Bytes> BatchFileBytes(const Text& text) {
    const UINT codePage = GetOEMCP();
    if (codePage == kProgramCodePage || text.empty()) {
        return text.bytes();
    }
    bool lost = false;
    Bytes bytes = BytesInCodePage(codePage, WideFromProgramBytes(text.bytes()), &lost);
    if (lost) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace tarnwick
