#include "host/posix/batch_file.h"

#include <algorithm>
#include <string>

namespace tarnwick::posix {

std::vector<Text> BatchFileLines(std::string_view content) {
    std::vector<Text> lines;
    while (!content.empty()) {
        const std::size_t end = std::min(content.find('\n'), content.size());
        std::string line(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));
        std::erase(line, '\r');
        if (line.starts_with('@')) {
            line.erase(0, 1);
        }
        if (line.find_first_not_of(" \t") != std::string::npos) {
            lines.push_back(Text::FromBytes(std::move(line)));
        }
    }
    return lines;
}

}  // namespace tarnwick::posix
