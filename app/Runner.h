// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command-line runner: corvane [-C DIR] [--seed X] [--check DRAW]
// [--check-history FILE] [--details] [--show-seed] [--csv] [--frequencies]
// NAME [ANSWER ...]. Returns the exit status: 0 done, 1 an error reached the
// caller, the click refused its answers, a draw did not fit or the pane
// held no lines, 2 misuse or a history that cannot be read.
int runCorvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               bool terminalPrompts);
