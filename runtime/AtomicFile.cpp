// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileAttributes.h"
#include "FileDescriptors.h"
#include "InterruptCleanup.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

FileResult written() { return {true, {}}; }
FileResult failure(int error) { return {false, std::strerror(error)}; }
FileResult refusal(std::string reason) { return {false, std::move(reason)}; }
// A file written in place needs a copy of its old bytes first.
FileResult noCopy(int error)
{
    return refusal(std::string("no copy of its old text could be kept beside it: ") + std::strerror(error));
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

void removeTemporary(const Place& place, const Temporary& temporary, InterruptCleanup& cleanup)
{
    ::unlinkat(place.folder.get(), temporary.name.c_str(), 0);
    cleanup.forget();
}

// Writes, flushes and closes; the error, or 0.
int fillAndClose(Temporary& temporary, const std::string& bytes)
{
    int error = 0;
    if (!writeAll(temporary.fd.get(), bytes.data(), bytes.size(), -1) || ::fsync(temporary.fd.get()) != 0)
        error = errno;
    const int closed = temporary.fd.close();
    return error != 0 ? error : closed;
}

enum class Step { Done, TryAgain };

struct Outcome {
    Step step = Step::Done;
    FileResult result;
};

Outcome done(FileResult result) { return {Step::Done, std::move(result)}; }
Outcome tryAgain() { return {Step::TryAgain, {}}; }

// No file of that name: the new one appears whole, and never over a file
// that another process made meanwhile.
Outcome writeNewFile(const Place& place, const std::string& bytes, InterruptCleanup& cleanup)
{
    auto temporary = createTemporary(place, 0666);
    if (!temporary)
        return done(failure(errno));
    cleanup.removeOnSignal(place.folder.get(), temporary->name);
    int error = fillAndClose(*temporary, bytes);
    const int folder = place.folder.get();
    if (error == 0 && ::renameat2(folder, temporary->name.c_str(), folder, place.name.c_str(), RENAME_NOREPLACE) != 0) {
        error = errno;
        // File systems that cannot rename without replacing can still link.
        if (error == EINVAL || error == ENOSYS || error == ENOTSUP) {
            error = ::linkat(folder, temporary->name.c_str(), folder, place.name.c_str(), 0) == 0 ? 0 : errno;
            if (error == EPERM || error == ENOTSUP)
                error = ::renameat(folder, temporary->name.c_str(), folder, place.name.c_str()) == 0 ? 0 : errno;
        }
    }
    removeTemporary(place, *temporary, cleanup); // nothing left when renamed
    if (error == EEXIST)
        return tryAgain();
    if (error != 0)
        return done(failure(error));
    syncFolder(place);
    return done(written());
}

// The old file keeps its place; a temporary file that cannot take all it
// has gives no result, and the file is written in place.
std::optional<Outcome> replaceByRename(const Place& place, int old, const struct stat& info, const std::string& bytes,
                                       InterruptCleanup& cleanup)
{
    auto temporary = createTemporary(place, 0600);
    if (!temporary)
        return std::nullopt;
    cleanup.removeOnSignal(place.folder.get(), temporary->name);
    if (!takeAttributes(old, info, temporary->fd.get())) {
        removeTemporary(place, *temporary, cleanup);
        return std::nullopt;
    }
    int error = fillAndClose(*temporary, bytes);
    if (error == 0
        && ::renameat(place.folder.get(), temporary->name.c_str(), place.folder.get(), place.name.c_str()) != 0)
        error = errno;
    if (error != 0) {
        removeTemporary(place, *temporary, cleanup);
        return done(failure(error));
    }
    cleanup.forget();
    syncFolder(place);
    return done(written());
}

// Overwrites the open file itself. Its old bytes are first copied beside
// it and flushed, so that whatever happens they are on the disk somewhere.
Outcome writeInPlace(const Place& place, int fd, const struct stat& info, const std::string& bytes,
                     InterruptCleanup& cleanup)
{
    std::optional<Temporary> copy;
    if (info.st_size > 0) {
        copy = createTemporary(place, 0600);
        if (!copy)
            return done(noCopy(errno));
        cleanup.removeOnSignal(place.folder.get(), copy->name);
        if (!copyBytes(fd, copy->fd.get(), info.st_size) || ::fsync(copy->fd.get()) != 0) {
            const int error = errno;
            removeTemporary(place, *copy, cleanup);
            return done(failure(error));
        }
    }
    // Room for a longer text is taken before the first byte changes, so a
    // full disk stops the write while the file is still whole.
    if (static_cast<off_t>(bytes.size()) > info.st_size
        && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0
        && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) {
        const int error = errno;
        if (copy)
            removeTemporary(place, *copy, cleanup);
        return done(failure(error));
    }
    cleanup.holdSignals();
    if (writeAll(fd, bytes.data(), bytes.size(), 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0) {
        if (copy) {
            removeTemporary(place, *copy, cleanup);
            syncFolder(place);
        }
        return done(written());
    }
    const int error = errno;
    const bool restored = (!copy || copyBytes(copy->fd.get(), fd, info.st_size))
        && ::ftruncate(fd, info.st_size) == 0 && ::fsync(fd) == 0;
    if (!copy || restored) {
        if (copy)
            removeTemporary(place, *copy, cleanup);
        return done(failure(error));
    }
    cleanup.forget();
    return done(refusal(std::string(std::strerror(error)) + "; its old text is kept in \"" + place.folderPath
                        + copy->name + "\""));
}

struct Opened {
    Descriptor fd;
    bool readable = true;
};

Opened openForWriting(const std::string& path, int flags)
{
    const int common = O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags;
    Opened opened{Descriptor(::open(path.c_str(), O_RDWR | common, 0666))};
    // A file the user may write but not read can still be replaced.
    if (!opened.fd.valid() && errno == EACCES)
        opened = {Descriptor(::open(path.c_str(), O_WRONLY | common, 0666)), false};
    return opened;
}

Outcome writeOnce(const std::string& path, const Place& place, const std::string& bytes, const OldFileCheck& check,
                  InterruptCleanup& cleanup)
{
    // Known kinds are refused before an open could wake a device.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return done(refusal(notRegularReason(info.st_mode)));
    Opened opened = openForWriting(path, 0);
    if (!opened.fd.valid() && errno == ENOENT) {
        struct stat link {};
        if (::fstatat(place.folder.get(), place.name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? writeNewFile(place, bytes, cleanup) : done(failure(errno));
        if (!S_ISLNK(link.st_mode))
            return tryAgain();
        // A link to no file: the file it names is made, where the kernel lets it.
        opened = openForWriting(path, O_CREAT);
    }
    const int fd = opened.fd.get();
    if (fd < 0)
        return done(refusal(openFailure(path, errno)));
    if (::fstat(fd, &info) != 0)
        return done(failure(errno));
    if (!S_ISREG(info.st_mode))
        return done(refusal(notRegularReason(info.st_mode)));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (check) {
        if (static_cast<std::uint64_t>(info.st_size) > kLargestTextBytes)
            return done(refusal(tooLargeReason(kLargestTextBytes)));
        std::string reason;
        const auto old = opened.readable ? contentOf(fd, info, reason) : std::nullopt;
        if (!old)
            return done(refusal(opened.readable ? reason : std::strerror(EACCES)));
        if (auto refused = check(*old))
            return done(refusal(std::move(*refused)));
    }
    struct stat name {};
    if (::fstatat(place.folder.get(), place.name.c_str(), &name, AT_SYMLINK_NOFOLLOW) != 0)
        return tryAgain();
    // A rename would put a file where the link is, or part a hard link.
    const bool linked = S_ISLNK(name.st_mode);
    if (!linked && !sameFile(name, info))
        return tryAgain();
    if (!linked && info.st_nlink == 1)
        if (auto replaced = replaceByRename(place, fd, info, bytes, cleanup))
            return std::move(*replaced);
    if (!opened.readable && info.st_size > 0)
        return done(noCopy(EACCES));
    return writeInPlace(place, fd, info, bytes, cleanup);
}

} // namespace

FileResult writeFileBytes(const std::string& path, const std::string& bytes, const OldFileCheck& check)
{
    if (path.empty())
        return failure(ENOENT);
    const auto place = placeOf(path);
    if (!place)
        return failure(errno);
    InterruptCleanup cleanup;
    // Another process may change the name between the steps; each try
    // starts again from the name as it then is.
    for (int attempt = 0; attempt < 5; ++attempt) {
        Outcome outcome = writeOnce(path, *place, bytes, check, cleanup);
        if (outcome.step == Step::Done)
            return outcome.result;
    }
    return refusal("it kept changing while it was written");
}
