#pragma once
// Where Wine's cmd.exe (Wine 8, the Windows tests' interpreter in CI) runs a command line
// otherwise than Windows' own. The tests state what Windows does; under Wine a case whose line
// Wine runs otherwise is left out, for the reason this list gives. The built-in interpreter of
// the other systems follows Windows.

#include <string_view>

namespace tarnwick::testing {

bool UnderWine();

// Under Wine, why Wine runs `commandLine` otherwise than Windows; elsewhere, or when Wine runs
// it as Windows does, nullptr.
const char* WineRunsOtherwise(std::string_view commandLine);

}  // namespace tarnwick::testing
