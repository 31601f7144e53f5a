// The command line: the usual --help and --version, and a short word for anything else.
#pragma once

#include <optional>

// Looks at the arguments before any window exists. Returns the exit status when
// the program should end here, or nothing when the game should start.
std::optional<int> answer_command_line(int argc, char* argv[]);
