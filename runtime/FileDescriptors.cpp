// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDescriptors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    close();
    fd_ = std::exchange(other.fd_, -1);
    return *this;
}

int Descriptor::close()
{
    const int error = fd_ >= 0 && ::close(fd_) != 0 ? errno : 0;
    fd_ = -1;
    return error;
}

std::optional<Place> placeOf(const std::string& path)
{
    Place place;
    const auto slash = path.rfind('/');
    if (slash != std::string::npos)
        place.folderPath = path.substr(0, slash + 1);
    place.name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    const char* folder = place.folderPath.empty() ? "." : place.folderPath.c_str();
    place.folder = Descriptor(::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A folder the user may only pass through still takes new names.
    if (!place.folder.valid() && errno == EACCES)
        place.folder = Descriptor(::open(folder, O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!place.folder.valid())
        return std::nullopt;
    return place;
}

void syncFolder(const Place& place) { ::fsync(place.folder.get()); }

std::optional<Temporary> createTemporary(const Place& place, mode_t mode)
{
    static std::atomic<unsigned> counter{0};
    Temporary temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary.name = "." + place.name.substr(0, 200) + "." + std::to_string(::getpid()) + "-"
                         + std::to_string(counter++);
        temporary.fd = Descriptor(
            ::openat(place.folder.get(), temporary.name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (temporary.fd.valid())
            return temporary;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool writeAll(int fd, const char* bytes, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t wrote = offset < 0 ? ::write(fd, bytes + done, size - done)
                                         : ::pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
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

bool copyBytes(int from, int to, off_t size)
{
    char buffer[65536];
    for (off_t offset = 0; offset < size;) {
        const auto wanted = static_cast<std::size_t>(std::min<off_t>(sizeof buffer, size - offset));
        const ssize_t got = ::pread(from, buffer, wanted, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got == 0)
                errno = EIO; // the file shrank meanwhile
            return false;
        }
        if (!writeAll(to, buffer, static_cast<std::size_t>(got), offset))
            return false;
        offset += got;
    }
    return true;
}

std::optional<std::string> contentOf(int fd, const struct stat& info, std::string& reason)
{
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            reason = std::strerror(got == 0 ? EIO : errno);
            return std::nullopt;
        }
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}
