#include "AtomicFile.h"

#include "FileAttributes.h"
#include "InterruptCleanup.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <optional>
#include <string>
#include <utility>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        close();
        fd_ = std::exchange(other.fd_, -1);
        return *this;
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // The error of the close, 0 when it went well.
    int close()
    {
        const int error = fd_ >= 0 && ::close(fd_) != 0 ? errno : 0;
        fd_ = -1;
        return error;
    }

private:
    int fd_;
};

FileResult written() { return {true, {}}; }
FileResult failure(int error) { return {false, std::strerror(error)}; }
FileResult refusal(std::string reason) { return {false, std::move(reason)}; }

// The folder a path names its file in, open, and the file's own name there.
struct Place {
    std::string folderPath; // "" for the working directory, else ending in "/"
    Descriptor folder;
    std::string name;
};

std::optional<Place> placeOf(const std::string& path, int& error)
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
    if (!place.folder.valid()) {
        error = errno;
        return std::nullopt;
    }
    return place;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// So that a rename or a removal survives a power cut; a folder that cannot
// be synced changes nothing for the file.
void syncFolder(const Place& place) { ::fsync(place.folder.get()); }

bool writeAll(int fd, const std::string& bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = offset < 0 ? ::write(fd, bytes.data() + done, bytes.size() - done)
                                         : ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                                    offset + static_cast<off_t>(done));
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

// Copies the first `size` bytes of one open file into another, from the start.
bool copyBytes(int from, int to, off_t size)
{
    char buffer[65536];
    for (off_t offset = 0; offset < size;) {
        const ssize_t got = ::pread(from, buffer, static_cast<std::size_t>(std::min<off_t>(sizeof buffer, size - offset)),
                                    offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got == 0)
                errno = EIO; // the file shrank meanwhile
            return false;
        }
        if (!writeAll(to, std::string(buffer, static_cast<std::size_t>(got)), offset))
            return false;
        offset += got;
    }
    return true;
}

// The whole content of an open file, up to the largest text a file may hold.
std::optional<std::string> contentOf(int fd, const struct stat& info, std::string& reason)
{
    if (static_cast<std::uint64_t>(info.st_size) > kLargestTextBytes) {
        reason = "the file is larger than " + std::to_string(kLargestTextBytes >> 20) + " MiB";
        return std::nullopt;
    }
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

// A new, empty file beside the target, named after it and hidden. A file
// that takes the old one's place starts private and takes its permissions
// later; a new file gets what the umask or the folder's default ACL gives.
struct Temporary {
    Descriptor fd;
    std::string name;
};

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

void removeTemporary(const Place& place, const Temporary& temporary, InterruptCleanup& cleanup)
{
    ::unlinkat(place.folder.get(), temporary.name.c_str(), 0);
    cleanup.forget();
}

// Writes, flushes and closes; the error, or 0.
int fillAndClose(Temporary& temporary, const std::string& bytes)
{
    int error = 0;
    if (!writeAll(temporary.fd.get(), bytes, -1) || ::fsync(temporary.fd.get()) != 0)
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
            return done(refusal(std::string("no copy of its old text could be kept beside it: ") + std::strerror(errno)));
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
    if (writeAll(fd, bytes, 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0) {
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

Descriptor openForWriting(const std::string& path, int flags)
{
    const int common = O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags;
    Descriptor fd(::open(path.c_str(), O_RDWR | common, 0666));
    // A file the user may write but not read can still be replaced.
    if (!fd.valid() && errno == EACCES)
        fd = Descriptor(::open(path.c_str(), O_WRONLY | common, 0666));
    return fd;
}

Outcome writeOnce(const std::string& path, const Place& place, const std::string& bytes, const OldFileCheck& check,
                  InterruptCleanup& cleanup)
{
    // Known kinds are refused before an open could wake a device.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return done(refusal(notRegularReason(info.st_mode)));
    Descriptor fd = openForWriting(path, 0);
    if (!fd.valid() && errno == ENOENT) {
        struct stat link {};
        if (::fstatat(place.folder.get(), place.name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? writeNewFile(place, bytes, cleanup) : done(failure(errno));
        if (!S_ISLNK(link.st_mode))
            return tryAgain();
        // A link to no file: the file it names is made, where the kernel lets it.
        fd = openForWriting(path, O_CREAT);
    }
    if (!fd.valid())
        return done(refusal(openFailure(path, errno)));
    if (::fstat(fd.get(), &info) != 0)
        return done(failure(errno));
    if (!S_ISREG(info.st_mode))
        return done(refusal(notRegularReason(info.st_mode)));
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (check) {
        std::string reason;
        const auto old = contentOf(fd.get(), info, reason);
        if (!old)
            return done(refusal(reason));
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
        if (auto replaced = replaceByRename(place, fd.get(), info, bytes, cleanup))
            return std::move(*replaced);
    return writeInPlace(place, fd.get(), info, bytes, cleanup);
}

} // namespace

FileResult writeFileBytes(const std::string& path, const std::string& bytes, const OldFileCheck& check)
{
    if (path.empty())
        return failure(ENOENT);
    int error = 0;
    const auto place = placeOf(path, error);
    if (!place)
        return failure(error);
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
