#include "AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult failure(int error) { return {false, std::strerror(error)}; }

// "dir/name" gives "dir/", "name" gives "".
std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a chain of links ends at (the path itself when it is no link).
bool followLinks(std::string& path, int& error)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        target.resize(static_cast<std::size_t>(length));
        path = target[0] == '/' ? target : folderOf(path) + target;
    }
    error = ELOOP;
    return false;
}

// A new, empty file beside the target, named after it and hidden; the
// process's umask applies to it as to any new file.
int createTemporary(const std::string& target, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folderOf(target) + "." + base + "." + std::to_string(::getpid()) + "-"
               + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// So that the rename itself survives a power cut; a folder that cannot be
// synced changes nothing for the file.
void syncFolder(const std::string& target)
{
    const std::string folder = folderOf(target);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileResult writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::string target = path;
    int error = 0;
    if (path.empty())
        return failure(ENOENT);
    if (!followLinks(target, error))
        return failure(error);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return failure(errno);
    if (exists && !S_ISREG(existing.st_mode))
        return {false, notRegularReason(existing.st_mode)};
    // Renaming would replace a file the user made read-only.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return failure(errno);

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return failure(errno);
    error = 0;
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    else if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    syncFolder(target);
    return {true, {}};
}
