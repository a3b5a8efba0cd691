// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

// Why a file of that kind and size is not read; empty when it may be.
std::string refusalFor(const struct stat& info, std::size_t limit)
{
    if (!S_ISREG(info.st_mode))
        return notRegularReason(info.st_mode);
    if (static_cast<std::uint64_t>(info.st_size) > limit)
        return tooLargeReason(limit);
    return {};
}

} // namespace

std::string tooLargeReason(std::size_t limit)
{
    return "the file is larger than " + std::to_string(limit >> 20) + " MiB";
}

std::string notRegularReason(unsigned mode)
{
    std::string_view kind = "a special file";
    if (S_ISDIR(mode))
        kind = "a folder";
    else if (S_ISFIFO(mode))
        kind = "a named pipe";
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        kind = "a device";
    else if (S_ISSOCK(mode))
        kind = "a socket";
    return "it is " + std::string(kind) + ", not a regular file";
}

std::string openFailure(const std::string& path, int error)
{
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat link {};
    struct stat shared {};
    if (error == EACCES && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)
        && ::stat(folder.c_str(), &shared) == 0 && (shared.st_mode & S_ISVTX) && (shared.st_mode & S_IWOTH)
        && link.st_uid != ::geteuid() && link.st_uid != shared.st_uid)
        return "it is a link that another user made in a shared folder, which the system does not follow";
    return std::strerror(error);
}

std::optional<std::string> readFileBytes(const std::string& path, std::string* error,
                                         std::size_t limit)
{
    // Opening a named pipe without O_NONBLOCK waits for a writer; with it,
    // fstat can tell what the file is before any read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail(error, openFailure(path, errno));
        return std::nullopt;
    }
    struct stat info {};
    std::string refusal;
    if (::fstat(fd, &info) != 0)
        refusal = std::strerror(errno);
    else
        refusal = refusalFor(info, limit);
    if (!refusal.empty()) {
        ::close(fd);
        fail(error, refusal);
        return std::nullopt;
    }
    // Room for the whole file at once, so a big file is not copied as it
    // grows; one that grows while it is read is still cut at the limit.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            refusal = std::strerror(errno);
            break;
        }
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            refusal = tooLargeReason(limit);
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (!refusal.empty()) {
        fail(error, refusal);
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> refusalOf(const std::string& path, std::size_t limit)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    std::string reason = refusalFor(info, limit);
    if (reason.empty())
        return std::nullopt;
    return reason;
}

bool fileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isMissing(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) != 0 && errno == ENOENT;
}
