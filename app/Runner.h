#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command-line runner: corvane [-C DIR] [--seed X] [--check DRAW]
// [--details] [--show-seed] NAME [ANSWER ...]. Returns the exit status: 0
// done, 1 an error reached the caller or the draw did not fit, 2 misuse.
int runCorvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               bool terminalPrompts);
