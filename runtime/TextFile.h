#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Whole-file reads and writes. Failures say why, for the messages that
// name the file and the reason.
struct FileResult {
    bool ok = false;
    std::string error; // the reason, when !ok
};

std::optional<std::string> readFileBytes(const std::string& path, std::string* error = nullptr,
                                         std::size_t limit = SIZE_MAX);
FileResult writeFileBytes(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// Text files are UTF-8 when their bytes are valid UTF-8, else one byte per
// character (Latin-1). The result is always UTF-8.
std::string decodeText(const std::string& bytes);
// The same, taking over bytes that are already UTF-8 instead of copying them.
std::string decodeText(std::string&& bytes);
bool isValidUtf8(const std::string& bytes);
