// The command line: the usual --help and --version, the language to play in, and a short
// word for anything else.
#pragma once

#include <optional>

#include <QString>

// Looks at the arguments before any window exists. Returns the exit status when
// the program should end here, or nothing when the game should start; `language`
// is then the one asked for with --language, or empty.
std::optional<int> answer_command_line(int argc, char* argv[], QString& language);
