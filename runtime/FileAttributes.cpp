// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileAttributes.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

// The names of a file's extended attributes; none where the file system
// keeps none.
std::optional<std::vector<std::string>> attributeNames(int fd)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? std::make_optional(std::vector<std::string>{}) : std::nullopt;
        std::string list(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::flistxattr(fd, list.data(), list.size());
        if (got < 0 && errno == ERANGE) // one was added meanwhile
            continue;
        if (got < 0)
            return std::nullopt;
        std::vector<std::string> names;
        for (std::size_t start = 0; start < static_cast<std::size_t>(got);) {
            const std::size_t end = list.find('\0', start);
            names.push_back(list.substr(start, end - start));
            start = end + 1;
        }
        return names;
    }
    return std::nullopt;
}

std::optional<std::string> attributeValue(int fd, const std::string& name)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0)
            return std::nullopt;
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return value;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

// A new file may have taken an ACL from its folder's default one: it goes
// when the old file has none.
bool copyExtendedAttributes(int from, int to)
{
    const auto wanted = attributeNames(from);
    const auto present = attributeNames(to);
    if (!wanted || !present)
        return false;
    for (const std::string& name : *present)
        if (std::find(wanted->begin(), wanted->end(), name) == wanted->end()
            && ::fremovexattr(to, name.c_str()) != 0)
            return false;
    for (const std::string& name : *wanted) {
        const auto value = attributeValue(from, name);
        if (!value || ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0)
            return false;
    }
    return true;
}

} // namespace

bool takeAttributes(int from, const struct stat& old, int to)
{
    struct stat now {};
    if (::fstat(to, &now) != 0)
        return false;
    // Owner and group first: a change of owner clears the set-id bits.
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(to, old.st_uid, old.st_gid) != 0)
        return false;
    if (!copyExtendedAttributes(from, to) || ::fchmod(to, old.st_mode & 07777) != 0)
        return false;
    // The kernel may quietly drop a set-group-id bit; the file must come out the same.
    if (::fstat(to, &now) != 0)
        return false;
    return now.st_uid == old.st_uid && now.st_gid == old.st_gid && (now.st_mode & 07777) == (old.st_mode & 07777);
}
