// The text operations against a plain model: candidates are the starts of characters (a byte
// from 0x81 to 0xFE and the byte after it form one; a lead byte at the very end forms none),
// counted from where the search starts, and a match is a byte-for-byte equality (ASCII letters
// folded when asked).
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "host/text.h"

using namespace tarnwick;

namespace {

std::vector<std::size_t> CharacterStarts(const std::string& text, std::size_t from) {
    std::vector<std::size_t> starts;
    for (std::size_t at = from; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const bool lead = byte >= 0x81 && byte <= 0xFE;
        if (lead && at + 1 == text.size()) {
            break;
        }
        starts.push_back(at);
        at += lead ? 2 : 1;
    }
    return starts;
}

bool Same(const std::string& text, std::size_t at, const std::string& sought, bool ignoreCase) {
    if (at + sought.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < sought.size(); ++i) {
        char a = text[at + i];
        char b = sought[i];
        if (ignoreCase) {
            a = (a >= 'A' && a <= 'Z') ? static_cast<char>(a + 32) : a;
            b = (b >= 'A' && b <= 'Z') ? static_cast<char>(b + 32) : b;
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

int ModelFind(const std::string& text, const std::string& sought, std::optional<int> start,
              bool ignoreCase) {
    const std::size_t first = start && *start > 1 ? static_cast<std::size_t>(*start - 1) : 0;
    if (first >= text.size()) {
        return -1;
    }
    if (sought.empty()) {
        return 1;
    }
    for (std::size_t at : CharacterStarts(text, first)) {
        if (Same(text, at, sought, ignoreCase)) {
            return static_cast<int>(at) + 1;
        }
    }
    return -1;
}

int ModelFindReverse(const std::string& text, const std::string& sought, std::optional<int> start,
                     bool ignoreCase) {
    std::size_t end = text.size();
    if (start) {
        end = *start <= 1 ? 0 : std::min(static_cast<std::size_t>(*start - 1), text.size());
    }
    if (end == 0) {
        return -1;
    }
    if (sought.empty()) {
        return 1;
    }
    int found = -1;
    for (std::size_t at : CharacterStarts(text, 0)) {
        if (at + sought.size() <= end && Same(text, at, sought, ignoreCase)) {
            found = static_cast<int>(at) + 1;
        }
    }
    return found;
}

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const unsigned flags = input.Byte();
    const bool ignoreCase = (flags & 1) != 0;
    const std::optional<int> start =
        (flags & 2) != 0 ? std::optional<int>(static_cast<int>(input.Byte()) - 8) : std::nullopt;
    const std::string sought(input.Piece());
    const std::string text(input.Rest());
    const Text t = Text::FromBytes(text);
    const Text s = Text::FromBytes(sought);

    Check(FindText(t, s, start, ignoreCase) == ModelFind(text, sought, start, ignoreCase));
    Check(FindTextReverse(t, s, start, ignoreCase) ==
          ModelFindReverse(text, sought, start, ignoreCase));
    const int count = start.value_or(static_cast<int>(sought.size()));
    const std::size_t kept = static_cast<std::size_t>(std::clamp(count, 0, TextLength(t)));
    Check(LeftText(t, count).bytes() == text.substr(0, kept));
    Check(RightText(t, count).bytes() == text.substr(text.size() - kept));
    Check(TextLength(t) == static_cast<int>(text.size()));
    return 0;
}
