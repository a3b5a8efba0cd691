#include "TextFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

std::string tooBigReason(std::size_t limit)
{
    return "the file is larger than " + std::to_string(limit >> 20) + " MiB";
}

} // namespace

std::optional<std::string> readFileBytes(const std::string& path, std::string* error,
                                         std::size_t limit)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (error)
            *error = std::strerror(errno);
        return std::nullopt;
    }
    // A file known to be too big is refused before any byte is read.
    struct stat info {};
    const bool sized = ::fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    if (sized && static_cast<std::uint64_t>(info.st_size) > limit) {
        std::fclose(file);
        if (error)
            *error = tooBigReason(limit);
        return std::nullopt;
    }
    std::string bytes;
    // Room for the whole file at once: a big file is not copied as it grows.
    if (sized)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    std::size_t got = 0;
    bool tooBig = false;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + got > limit) {
            tooBig = true;
            break;
        }
        bytes.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    const int savedErrno = errno;
    std::fclose(file);
    if (tooBig || failed) {
        if (error)
            *error = tooBig ? tooBigReason(limit) : std::strerror(savedErrno);
        return std::nullopt;
    }
    return bytes;
}

FileResult writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return {false, std::strerror(errno)};
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
        return {false, std::strerror(written ? errno : writeErrno)};
    return {true, {}};
}

bool fileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isValidUtf8(const std::string& bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        std::uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= bytes.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (cc & 0x3F);
        }
        const std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::string decodeText(std::string&& bytes)
{
    if (isValidUtf8(bytes))
        return std::move(bytes);
    return decodeText(static_cast<const std::string&>(bytes));
}

std::string decodeText(const std::string& bytes)
{
    if (isValidUtf8(bytes))
        return bytes;
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}
