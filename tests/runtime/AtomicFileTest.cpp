// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <tuple>
#include <unistd.h>

// A reader that holds the old file sees it whole: the new one is a file of
// its own, renamed over it, with all the old one had. A folder's default ACL
// reaches new files only.
TEST(WriteFileBytes, TheNewFileKeepsOwnerGroupModeAclAndAttributes)
{
    TempDirectory dir;
    writeFile("notes.txt", "old");
    writeFile("plain.txt", "old");
    ASSERT_EQ(::chmod("notes.txt", 0640), 0);
    if (::geteuid() == 0) { // others may give a file away only to themselves
        ASSERT_EQ(::chown("notes.txt", 12345, 23456), 0);
    }
    if (::setxattr("notes.txt", "user.origin", "draws", 5, 0) != 0
        || std::system("setfacl -m u:4242:r notes.txt && setfacl -d -m u:4242:r . 2>/dev/null") != 0)
        GTEST_SKIP() << "the file system keeps no extended attributes or ACLs here, or setfacl is missing";
    const std::string acl = attributeOf("notes.txt", "system.posix_acl_access");
    const struct stat before = statOf("notes.txt");

    for (const char* name : {"notes.txt", "plain.txt", "fresh.txt"})
        ASSERT_TRUE(writeFileBytes(name, "new text").ok) << name;
    const struct stat after = statOf("notes.txt");
    EXPECT_EQ(readFile("notes.txt"), "new text");
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(std::tie(after.st_uid, after.st_gid, after.st_mode), std::tie(before.st_uid, before.st_gid, before.st_mode));
    EXPECT_EQ(attributeOf("notes.txt", "user.origin"), "draws");
    EXPECT_EQ(attributeOf("notes.txt", "system.posix_acl_access"), acl);
    EXPECT_EQ(attributeOf("plain.txt", "system.posix_acl_access"), "(none)");
    EXPECT_NE(attributeOf("fresh.txt", "system.posix_acl_access"), "(none)");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"fresh.txt", "notes.txt", "plain.txt"}));
}

// A rename would replace a link with a file, or part two names of one file:
// these are written in place, and the copy made first is gone after. A link
// to no file makes the file it names.
// Another program that puts a file of its own in the name's place while the
// old one is being read makes the writer start over on that file: the new
// text takes its mode, not the mode of the file first opened.
TEST(WriteFileBytes, AFileSwappedInMeanwhileIsTheOneReplaced)
{
    TempDirectory dir;
    writeFile("notes.txt", "old");
    ASSERT_EQ(::chmod("notes.txt", 0644), 0);
    writeFile("theirs.txt", "theirs");
    ASSERT_EQ(::chmod("theirs.txt", 0600), 0);
    int checks = 0;
    const auto swapOnce = [&checks](const std::string&) -> std::optional<std::string> {
        if (checks++ == 0)
            ::rename("theirs.txt", "notes.txt");
        return std::nullopt;
    };
    ASSERT_TRUE(writeFileBytes("notes.txt", "new text", swapOnce).ok);
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(readFile("notes.txt"), "new text");
    EXPECT_EQ(statOf("notes.txt").st_mode & 07777, 0600u);
}

TEST(WriteFileBytes, ALinkOrASecondNameIsWrittenInPlace)
{
    // the name written, a link's target (a second hard link when empty), the folder after
    const std::tuple<const char*, const char*, std::vector<std::string>> cases[] = {
        {"link.txt", "notes.txt", {"link.txt", "notes.txt"}},
        {"other.txt", "", {"notes.txt", "other.txt"}},
        {"link.txt", "made.txt", {"link.txt", "made.txt", "notes.txt"}},
    };
    for (const auto& [name, target, entries] : cases) {
        TempDirectory dir;
        writeFile("notes.txt", "the old notes, longer than the new");
        if (*target)
            std::filesystem::create_symlink(target, name);
        else
            std::filesystem::create_hard_link("notes.txt", name);
        const struct stat before = statOf("notes.txt");
        ASSERT_TRUE(writeFileBytes(name, "new notes").ok) << name;
        EXPECT_EQ(readFile(name), "new notes");
        EXPECT_EQ(std::filesystem::is_symlink(name), *target != '\0') << name;
        EXPECT_EQ(statOf("notes.txt").st_ino, before.st_ino) << name;
        EXPECT_EQ(folderEntries(), entries);
    }
}

TEST(WriteFileBytes, ANewFileTakesTheUmaskAndSkipsNamesLeftBehind)
{
    TempDirectory dir;
    // Temporary names that a killed run under the same process id left behind are skipped.
    const std::string leftover = ".fresh.txt." + std::to_string(::getpid()) + "-";
    for (int n = 0; n < 50; ++n)
        writeFile(leftover + std::to_string(n), "");
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(writeFileBytes("fresh.txt", "").ok);
    ::umask(mask);
    for (int n = 0; n < 50; ++n)
        std::filesystem::remove(leftover + std::to_string(n));
    EXPECT_EQ(std::filesystem::status("fresh.txt").permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"fresh.txt"});
}

// A file size limit fails the write part-way, as a full disk does: before
// the rename, or, in place, before the first byte of the file changes.
TEST(WriteFileBytes, AWriteThatFailsLeavesTheOldFileAsItWas)
{
    for (const bool secondName : {false, true}) {
        TempDirectory dir;
        writeFile("notes.txt", "old");
        if (secondName)
            std::filesystem::create_hard_link("notes.txt", "other.txt");
        rlimit previous {};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 4;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        const FileResult result = writeFileBytes("notes.txt", "a longer new text");
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);

        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, std::strerror(EFBIG));
        EXPECT_EQ(readFile("notes.txt"), "old");
        const std::vector<std::string> entries = {"notes.txt", "other.txt"};
        EXPECT_EQ(folderEntries(), std::vector<std::string>(entries.begin(), entries.begin() + 1 + secondName));
    }
}
