#include "host/message_lines.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "host/lead_byte.h"

namespace tarnwick {

namespace {

// 72 columns of the system's 12-pixel font fit the text of a box as wide as Qt lets it grow by
// itself on a screen of 1,024 pixels (500), so that Qt never breaks a line again; 20 lines fit
// within 768 pixels.
constexpr std::size_t kLineColumns = 72;
constexpr std::size_t kMostLines = 20;

// The size in bytes of the longest start of `line` that takes at most `columns` columns, and
// after which character in it a line may best be broken (0: none lies late enough).
struct Fitting {
    std::size_t size = 0;
    std::size_t breakAfter = 0;
};

Fitting Fit(std::string_view line, std::size_t columns) {
    Fitting fitting;
    std::size_t taken = 0;
    while (fitting.size < line.size()) {
        const std::size_t size = LeadingCharactersSize(line.substr(fitting.size), 1);
        const std::size_t width = size == 1 ? 1 : 2;
        if (taken + width > columns) {
            break;
        }
        fitting.size += size;
        taken += width;
        const char last = line[fitting.size - 1];
        if (size == 1 && (last == '\\' || last == '/' || last == ' ') && taken > columns / 2) {
            fitting.breakAfter = fitting.size;
        }
    }
    return fitting;
}

std::vector<std::string_view> Broken(std::string_view line) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const Fitting fitting = Fit(line, kLineColumns);
        if (fitting.size == line.size()) {
            pieces.push_back(line);
            return pieces;
        }
        const std::size_t cut = fitting.breakAfter != 0 ? fitting.breakAfter : fitting.size;
        pieces.push_back(line.substr(0, cut));
        line.remove_prefix(cut);
    }
}

}  // namespace

Text MessageInLines(const Text& message) {
    // A line feed or carriage return is never part of a two-byte character.
    std::vector<std::vector<std::string_view>> lines;
    for (std::string_view rest = message.bytes();;) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        line.remove_suffix(line.ends_with('\r') ? 1 : 0);
        lines.push_back(Broken(line));
        if (end == rest.size()) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    std::vector<bool> cut(lines.size(), false);
    std::size_t count = 0;
    for (const auto& pieces : lines) {
        count += pieces.size();
    }
    for (; count > kMostLines; --count) {
        const auto most = std::ranges::max_element(
            lines, [](const auto& one, const auto& other) { return one.size() < other.size(); });
        if (most->size() == 1) {
            break;
        }
        most->pop_back();
        cut[static_cast<std::size_t>(most - lines.begin())] = true;
    }
    if (count > kMostLines) {  // more lines than fit, each of them short: the last are left out
        lines.resize(kMostLines - 1);
        cut.resize(kMostLines - 1);
        lines.emplace_back();
        cut.push_back(true);
    }
    const std::string cutMark = Text("…").bytes();
    std::string shown;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        for (std::size_t piece = 0; piece < lines[line].size(); ++piece) {
            std::string_view text = lines[line][piece];
            const bool last = piece + 1 == lines[line].size();
            if (last && cut[line]) {
                text = text.substr(0, Fit(text, kLineColumns - 2).size);  // room for the mark
            }
            shown += text;
            shown += last && cut[line] ? cutMark : "";
            shown += "\r\n";
        }
        if (lines[line].empty()) {
            shown += cutMark + "\r\n";
        }
    }
    shown.resize(shown.size() - 2);
    return Text::FromBytes(std::move(shown));
}

}  // namespace tarnwick
