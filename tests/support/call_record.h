#pragma once
// Building the record of FakeHost calls that a test expects, from readable pieces.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/text.h"

namespace tarnwick::testing {

using Record = std::vector<std::string>;

// The lines of a raw string literal, without the line break that follows its opening.
Record Lines(std::string_view lines);
Record Sequence(std::initializer_list<Record> parts);
// What DotCountdown records with that heading and pause: 13 lines appended after the heading,
// each followed by its pause.
Record Countdown(const Text& heading, int milliseconds);

}  // namespace tarnwick::testing
