#pragma once
// The shell's command token: the first argument of its command line that is not an option
// (an option starts with '-' or '/'). Nothing else on the command line is read.
#include <string>

// argv[0] is the program; empty when no argument qualifies.
std::string CommandToken(int argc, const char* const* argv);
