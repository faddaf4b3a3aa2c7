#include "steps/shown_output.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "host/lead_byte.h"

namespace tarnwick {

namespace {

constexpr std::size_t kShownCharacters = 1000;

}  // namespace

Text ShownToolOutput(const Text& output) {
    const std::string cutMark = Text("…").bytes();
    std::string_view rest = output.bytes();
    std::string shown;
    // A line feed or carriage return is never part of a two-byte character.
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        const bool carriageReturn = line.ends_with('\r');
        line.remove_suffix(carriageReturn ? 1 : 0);
        const std::size_t kept = LeadingCharactersSize(line, kShownCharacters);
        shown += line.substr(0, kept);
        shown += kept < line.size() ? cutMark : "";
        shown += carriageReturn ? "\r" : "";
        shown += rest.substr(end, 1);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return Text::FromBytes(std::move(shown));
}

}  // namespace tarnwick
