#include "host/web_address.h"

namespace tarnwick {

std::u16string BrowserCommandLine(std::u16string_view openCommand, std::u16string_view address) {
    std::size_t cut = openCommand.find(u"%1");
    if (cut != std::u16string_view::npos && cut > 0 && openCommand[cut - 1] == u'"') {
        --cut;
    }
    std::u16string line(openCommand.substr(0, cut));
    line += u' ';
    line += address;
    return line;
}

}  // namespace tarnwick
