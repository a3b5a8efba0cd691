// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string>

// Whole-file reads and writes. Failures say why, for the messages that
// name the file and the reason.
struct FileResult {
    bool ok = false;
    std::string error; // the reason, when !ok
};

// The largest text a file may bring into the pane, and the largest report a
// click gives it, so that neither freezes the window.
constexpr std::size_t kLargestTextBytes = 64u << 20;

// Reads regular files only: a named pipe, a device or a folder is refused
// before anything could wait on it, and so is a file above the limit.
std::optional<std::string> readFileBytes(const std::string& path, std::string* error = nullptr,
                                         std::size_t limit = SIZE_MAX);
// Why readFileBytes would refuse an existing file (not a regular file, or
// above the limit), told from its name alone; no value when it would not.
std::optional<std::string> refusalOf(const std::string& path, std::size_t limit);
// Whether a regular file of that name exists.
bool fileExists(const std::string& path);
// Whether no file, folder or pipe of that name exists (a link to nothing
// counts as missing: writing creates the file it points to).
bool isMissing(const std::string& path);
// "the file is larger than 64 MiB".
std::string tooLargeReason(std::size_t limit);
// Why an existing path that is not a regular file cannot be read or replaced
// ("it is a named pipe, not a regular file").
std::string notRegularReason(unsigned mode);
// Why the path could not be opened, given the error: the system's reason,
// or, for a link that another user made in a sticky folder open to all,
// that the system does not follow it.
std::string openFailure(const std::string& path, int error);
