#pragma once
// Paths inside command lines. The interpreter splits words at blanks and treats & | < > ^ ( )
// , ; = as its own, and its copy joins files at +, so a path holding any of them goes in double
// quotes; a path holding a double quote, a %, a ? or * or a control character cannot be passed
// safely at all. A Windows name holds neither ? nor *: in a path they only ever stand for a
// character that the program's code page could not hold, and cmd would take them for wildcards.

#include "host/text.h"

namespace tarnwick {

// The path as it goes into a command line: quoted (QuotedCommandLinePath) when it holds a
// blank or one of & | < > ^ ( ) , ; = +, else unchanged.
Text CommandLinePath(const Text& path);

// The path in double quotes. Backslashes at its end are doubled: a program that splits its
// command line by the Windows rules would otherwise read the last one and the closing quote
// as a literal quote ("C:\my apps\" would swallow the rest of the line). Only characters
// count: the trail byte 0x5C of a two-byte character (淺, 誠) is read with its lead byte.
Text QuotedCommandLinePath(const Text& path);

// False when the path holds a double quote, a %, a ?, a * or a control character.
bool CanPassOnCommandLine(const Text& path);

// A name that goes unquoted into a batch-file line and into an "adb shell" line, which the
// phone's shell splits again: false when it holds a blank or one of ; & | $ ( ) < > " ' \ * ?
// [ ] { } % ^ ` or a control character (a brace list would expand). An old phone's "adb shell"
// cannot pass such names safely.
bool CanPassToPhoneShell(const Text& name);

}  // namespace tarnwick
