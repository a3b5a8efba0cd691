// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>

struct stat;

// What the writer works with: open files that close themselves, the folder a
// path names its file in, and hidden temporary files beside that file.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // The error of the close, 0 when it went well.
    int close();

private:
    int fd_;
};

// The folder a path names its file in, open, and the file's own name there.
struct Place {
    std::string folderPath; // "" for the working directory, else ending in "/"
    Descriptor folder;
    std::string name;
};

// No value when the folder cannot be opened; errno says why.
std::optional<Place> placeOf(const std::string& path);
// So that a rename or a removal survives a power cut; a folder that cannot
// be synced changes nothing for the file.
void syncFolder(const Place& place);

// A new, empty file beside the target, named after it and hidden
// (".Lotto6.INI.<pid>-<n>"), made with `mode` less the umask. No value when
// it cannot be made; errno says why.
struct Temporary {
    Descriptor fd;
    std::string name;
};
std::optional<Temporary> createTemporary(const Place& place, mode_t mode);

// All the bytes, at `offset` or, when it is negative, where the file stands;
// false with errno set when they could not be.
bool writeAll(int fd, const char* bytes, std::size_t size, off_t offset);
// The first `size` bytes of one open file into another, from the start.
bool copyBytes(int from, int to, off_t size);
// The whole content of an open file of that size; no value, and `reason`
// says why, when it cannot be read.
std::optional<std::string> contentOf(int fd, const struct stat& info, std::string& reason);
