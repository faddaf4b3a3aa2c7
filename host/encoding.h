#pragma once
// Conversions between the program's text encoding and Unicode, used only at the edges:
// Qt strings, file-system names, process arguments and tool output.

#include <optional>
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

// What a tool printed (through the runner or into a log file) as the program's text. On Windows
// tools print in the system's ANSI code page (GetACP), 936 on Simplified Chinese Windows, where
// nothing changes; a character that 936 lacks becomes '?'. Elsewhere the built-in interpreter
// has converted it already, and it stays as it is.
Text ToolOutputText(std::string_view printed);

// A batch file's text as cmd reads it: on Windows in the console's code page (GetOEMCP), which
// may differ from the program's 936; elsewhere unchanged. Empty when that code page cannot
// hold a character of the text.
std::optional<Bytes> BatchFileBytes(const Text& text);

}  // namespace tarnwick
