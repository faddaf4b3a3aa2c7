#pragma once
// Handing a hyperlink's web address to the system, for the windows' hyperlinks.

#include <string>
#include <string_view>

namespace tarnwick {

// The browser's command line for `address`: the registered open command cut where "%1" (or a
// double quote right before it) begins, then a blank and the address.
std::u16string BrowserCommandLine(std::u16string_view openCommand, std::u16string_view address);

#ifdef _WIN32
// The command line of the browser registered for ".htm" pages, given `address`; empty when
// the registry names no such browser.
std::u16string RegisteredBrowserCommandLine(std::u16string_view address);

// The shell's "open" verb on the address; when the shell fails, the browser registered for
// ".htm" pages is started with it. Nothing is reported when both fail.
void OpenWebAddressWithShell(std::u16string_view address);
#endif

}  // namespace tarnwick
