// Encoding round trips: well-formed UTF-8 and UTF-16 come back unchanged from the program's
// encoding, unless a character became "?" (GB18030 as the system converts it holds every
// character but a few of the private use area); program bytes that convert without a replacement
// come back unchanged; tool output keeps its well-formed UTF-8 converted.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "host/encoding.h"
#include "host/utf8_sequence.h"

using namespace tarnwick;

namespace {

bool IsWellFormedUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0) {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return true;
}

bool IsWellFormedUtf16(std::u16string_view units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool high = units[i] >= 0xD800 && units[i] <= 0xDBFF;
        const bool low = units[i] >= 0xDC00 && units[i] <= 0xDFFF;
        if (low) {
            return false;
        }
        if (high) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

std::ptrdiff_t Questions(std::string_view bytes) {
    return std::count(bytes.begin(), bytes.end(), '?');
}

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Text text = Text::FromBytes(std::string(bytes));

    if (IsWellFormedUtf8(bytes)) {
        const Text converted = TextFromUtf8(bytes);
        Check(Utf8FromText(converted) == bytes || Questions(converted.bytes()) > Questions(bytes));
        Check(ToolOutputToProgramEncoding(bytes) == converted.bytes());
    } else {
        (void)ToolOutputToProgramEncoding(bytes);
    }

    const std::string utf8 = Utf8FromText(text);
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos) {
        Check(TextFromUtf8(utf8) == text);
    }
    const std::u16string utf16 = Utf16FromText(text);
    Check(IsWellFormedUtf16(utf16));

    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    const Text fromUnits = TextFromUtf16(units);
    if (IsWellFormedUtf16(units)) {
        Check(Utf16FromText(fromUnits) == units ||
              Questions(fromUnits.bytes()) > std::count(units.begin(), units.end(), u'?'));
    }
    return 0;
}
