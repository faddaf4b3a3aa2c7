// Conversions through iconv. The program's encoding is GB18030, which holds every Unicode
// character and leaves every GBK byte string as it is.

#include "host/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "host/utf8_sequence.h"

namespace tarnwick {

namespace {

constexpr const char* kProgramEncoding = "GB18030";
constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

std::string_view AsBytes(std::u16string_view units) {
    return {reinterpret_cast<const char*>(units.data()), units.size() * sizeof(char16_t)};
}

// One iconv conversion, opened per call so that nothing is shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (Opened()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Appends what converts of `input` to `out`, stopping before the first unit that does not;
    // returns the number of input bytes used.
    std::size_t ConvertLeading(std::string_view input, std::string& out) {
        if (!Opened()) {
            return 0;
        }
        char* in = const_cast<char*>(input.data());  // iconv never writes through it
        std::size_t inLeft = input.size();
        std::array<char, 4096> buffer;
        while (inLeft > 0) {
            char* outNext = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t result = iconv(handle_, &in, &inLeft, &outNext, &outLeft);
            out.append(buffer.data(), outNext);
            if (result != static_cast<std::size_t>(-1) || errno != E2BIG) {
                break;
            }
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        return input.size() - inLeft;
    }

    // Converts all of `input`: each unit that does not convert is skipped, its length given by
    // `badUnitLength(rest)`, and `replacement` is written in its place.
    template <typename BadUnitLength>
    std::string ConvertAll(std::string_view input, std::string_view replacement,
                           BadUnitLength badUnitLength) {
        std::string out;
        while (!input.empty()) {
            input.remove_prefix(ConvertLeading(input, out));
            if (input.empty()) {
                break;
            }
            out += replacement;
            input.remove_prefix(std::clamp<std::size_t>(badUnitLength(input), 1, input.size()));
        }
        return out;
    }

private:
    // iconv_open fails with (iconv_t)-1, compared here as a number.
    bool Opened() const { return reinterpret_cast<std::intptr_t>(handle_) != -1; }

    iconv_t handle_;
};

// Well-formed UTF-8 runs are converted; each stray byte becomes '?' or, with keepStrayBytes,
// stays as it is.
std::string ProgramBytesFromUtf8(std::string_view utf8, bool keepStrayBytes) {
    Converter converter(kProgramEncoding, kUtf8);
    std::string out;
    SplitUtf8Runs(
        utf8,
        [&](std::string_view run) {
            out += converter.ConvertAll(
                run, "?", [](std::string_view rest) { return Utf8SequenceLength(rest); });
        },
        [&](char stray) { out += keepStrayBytes ? stray : '?'; });
    return out;
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A surrogate pair counts as one unit, anything else as one 16-bit unit.
std::size_t Utf16UnitLength(std::string_view rest) {
    std::array<char16_t, 2> units{};
    std::copy_n(rest.data(), std::min(rest.size(), sizeof units),
                reinterpret_cast<char*>(units.data()));
    const bool pair =
        rest.size() >= sizeof units && IsHighSurrogate(units[0]) && IsLowSurrogate(units[1]);
    return pair ? sizeof units : sizeof(char16_t);
}

// Bytes that do not form a character become `replacement`, one per byte.
std::string FromProgramBytes(const Text& text, const char* to, std::string_view replacement) {
    return Converter(to, kProgramEncoding)
        .ConvertAll(text.bytes(), replacement, [](std::string_view) { return 1; });
}

}  // namespace

Text TextFromUtf8(std::string_view utf8) {
    return Text::FromBytes(ProgramBytesFromUtf8(utf8, false));
}

Text TextFromUtf16(std::u16string_view utf16) {
    return Text::FromBytes(
        Converter(kProgramEncoding, kUtf16).ConvertAll(AsBytes(utf16), "?", Utf16UnitLength));
}

std::string Utf8FromText(const Text& text) {
    return FromProgramBytes(text, kUtf8, kReplacementUtf8);
}

std::u16string Utf16FromText(const Text& text) {
    constexpr char16_t kReplacement = u'\uFFFD';
    const std::string bytes =
        FromProgramBytes(text, kUtf16, AsBytes(std::u16string_view(&kReplacement, 1)));
    std::u16string units(bytes.size() / sizeof(char16_t), u'\0');
    std::copy_n(bytes.data(), units.size() * sizeof(char16_t),
                reinterpret_cast<char*>(units.data()));
    return units;
}

Bytes ToolOutputToProgramEncoding(std::string_view output) {
    return ProgramBytesFromUtf8(output, true);
}

Text ToolOutputText(std::string_view printed) {
    return Text::FromBytes(std::string(printed));
}

std::optional<Bytes> BatchFileBytes(const Text& text) {
    return text.bytes();
}

}  // namespace tarnwick
