// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextFile.h"

#include <functional>
#include <optional>
#include <string>

// Why an existing file must not be replaced, told from its bytes; no value
// when it may be.
using OldFileCheck = std::function<std::optional<std::string>(const std::string& oldBytes)>;

// Replaces a file as a whole, the way careful editors do.
//
// The file is opened through the path as given, so the kernel's own rules
// for links apply (a link another user planted in a shared sticky folder is
// refused), and only what the kernel lets this user open for writing is
// written. A folder, a pipe or a device in the file's place is refused.
//
// As a rule the bytes go to a hidden temporary file beside it, which takes
// the old file's owner, group, permissions, ACL and extended attributes, is
// flushed to the disk and renamed over it: whatever fails, the old file
// stays as it was, and a reader sees the old file or the new one, never a
// part. Where a rename would break something (the path is a link, the file
// has a second hard link, or the user may not give the temporary file the
// old owner, group or attributes), the file is written in place instead,
// once a whole copy of its old bytes is safely on the disk beside it; the
// copy goes after success, and a failure puts the old bytes back or says
// where they are. A signal that ends the process on the way removes the
// temporary file first.
//
// `check`, when given, sees the old file's bytes first and may refuse.
FileResult writeFileBytes(const std::string& path, const std::string& bytes, const OldFileCheck& check = {});
