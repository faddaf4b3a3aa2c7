#include "host/posix/windows_arguments.h"

#include <string>
#include <string_view>

#include "host/posix/characters.h"

namespace tarnwick::posix {

ProgramAndRest SplitProgramName(const Text& commandLine) {
    const std::string_view line = commandLine.bytes();
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) {
        ++at;
    }
    std::string program;
    bool quoted = false;
    while (at < line.size() && (quoted || !IsBlank(line[at]))) {
        if (line[at] == '"') {
            quoted = !quoted;
            ++at;
            continue;
        }
        const std::size_t length = CharacterLength(line, at);
        program.append(line.substr(at, length));
        at += length;
    }
    return {Text::FromBytes(program), Text::FromBytes(std::string(line.substr(at)))};
}

std::vector<Text> SplitArguments(const Text& afterProgramName) {
    const std::string_view line = afterProgramName.bytes();
    std::vector<Text> words;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) {
            ++at;
        }
        if (at == line.size()) {
            return words;
        }
        std::string word;
        bool quoted = false;
        while (at < line.size()) {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                word.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    word += '"';
                } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                    word += '"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
                continue;
            }
            word.append(backslashes, '\\');
            if (at == line.size() || (!quoted && IsBlank(line[at]))) {
                break;
            }
            const std::size_t length = CharacterLength(line, at);
            word.append(line.substr(at, length));
            at += length;
        }
        words.push_back(Text::FromBytes(std::move(word)));
    }
}

}  // namespace tarnwick::posix
