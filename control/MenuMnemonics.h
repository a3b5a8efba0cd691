// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The captions of one menu with "&" before the letter that Alt and that
// letter choose, no letter twice. A caption that names its letter keeps it;
// the others take the first free letter that starts one of their words,
// else their first free letter, else none. "&&" is an ampersand.
std::vector<std::string> withMnemonics(const std::vector<std::string>& captions);
