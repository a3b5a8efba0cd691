// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The count display format "###,###,###,###,###" (and its wider form
// "###,###,###,###,###,###", which renders the same): the value rounded to a
// whole number, a half away from zero; every digit of the double's exact
// value, grouped by three with ","; a "-" before a negative value; and the
// empty text for a value that rounds to 0. A count beyond the double range
// shows as a phrase.
std::string countText(double value);
