#pragma once
// Conversions between the program's text encoding and Unicode, used only at the edges:
// Qt strings, file-system names, process arguments and tool output.

#include <string>
#include <string_view>

#include "host/text.h"

namespace tarnwick {

// Characters the program's encoding cannot hold, and malformed UTF-8/UTF-16, become '?'.
Text TextFromUtf8(std::string_view utf8);
Text TextFromUtf16(std::u16string_view utf16);

// Bytes that do not form a character of the program's encoding become U+FFFD.
std::string Utf8FromText(const Text& text);
std::u16string Utf16FromText(const Text& text);

// What a tool wrote to a redirected file, as a Windows console would have written it in the
// program's code page: valid UTF-8 sequences are converted, every other byte passes unchanged.
Bytes ToolOutputToProgramEncoding(std::string_view output);

}  // namespace tarnwick
