#pragma once

#include "TextFile.h"

#include <string>

// Replaces a file as a whole: the bytes go to a temporary file in the same
// folder, which is flushed to the disk and then renamed over the target.
// Whatever fails (a full disk, a killed process), the old file stays exactly
// as it was, and a second process reading it sees either the old file or
// the new one, never a part. An existing file keeps its permission bits; a
// link keeps pointing to the file, whose content is replaced. A folder, a
// pipe or a device in the file's place is refused, and so is a file the
// user may not write.
FileResult writeFileBytes(const std::string& path, const std::string& bytes);
