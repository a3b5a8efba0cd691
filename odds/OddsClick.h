// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ParameterFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ClickContext;

// The answers of an odds calculator, each stored into 16 bits by
// Round-to-integer. An answer of 0, or one too large for 16 bits, ends the
// click quietly; a negative one is refused with a message. The file is
// rewritten only when every answer was taken.
std::optional<std::vector<std::int16_t>> askOddsParameters(ClickContext& click,
                                                           const ParameterFile& file,
                                                           const std::vector<ParameterPrompt>& prompts);

// Whether a report with lines of at most longestLine characters stays within
// kLargestTextBytes; if not, says so in a message box.
bool reportFits(ClickContext& click, std::size_t longestLine, const std::string& title);
