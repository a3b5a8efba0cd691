// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

// Gives the open file `to` what the open file `from` (described by `old`)
// has besides its bytes: owner, group, permission bits, and its extended
// attributes, the access ACL among them; attributes `from` lacks go. False
// when any of them cannot be given (another user's file written by one who
// may not give files away, a group the user is not in).
bool takeAttributes(int from, const struct stat& old, int to);
