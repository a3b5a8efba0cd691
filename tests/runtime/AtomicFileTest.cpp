#include "AtomicFile.h"
#include "InterruptCleanup.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

struct stat statOf(const char* path)
{
    struct stat info {};
    ::lstat(path, &info);
    return info;
}

std::string attribute(const char* path, const char* name)
{
    char value[256];
    const ssize_t size = ::getxattr(path, name, value, sizeof value);
    return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

// An access or default ACL as the kernel keeps it: owner rw, user 4242 r,
// group r, mask r, others nothing.
std::string aclGivingUser4242Reading()
{
    std::string acl;
    const auto add = [&acl](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            acl += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    add(2, 4); // the format's version
    const std::uint32_t anyone = 0xFFFFFFFF;
    const std::uint32_t entries[][3] = {{0x01, 6, anyone}, {0x02, 4, 4242}, {0x04, 4, anyone},
                                        {0x10, 4, anyone}, {0x20, 0, anyone}};
    for (const auto& entry : entries) {
        add(entry[0], 2);
        add(entry[1], 2);
        add(entry[2], 4);
    }
    return acl;
}

bool setAttribute(const char* path, const char* name, const std::string& value)
{
    return ::setxattr(path, name, value.data(), value.size(), 0) == 0;
}

} // namespace

// A reader that holds the old file sees it whole: the new one is a file of
// its own, renamed over it, that has all the old one had.
TEST(WriteFileBytes, TheNewFileKeepsOwnerGroupModeAclAndAttributes)
{
    TempDirectory dir;
    writeFile("notes.txt", "old");
    ASSERT_EQ(::chmod("notes.txt", 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown("notes.txt", 12345, 23456), 0);
    }
    const std::string acl = aclGivingUser4242Reading();
    if (!setAttribute("notes.txt", "user.origin", "draws 2026") || !setAttribute("notes.txt", "system.posix_acl_access", acl))
        GTEST_SKIP() << "the file system here keeps no extended attributes or ACLs";
    const struct stat before = statOf("notes.txt");

    ASSERT_TRUE(writeFileBytes("notes.txt", "new text").ok);
    const struct stat after = statOf("notes.txt");
    EXPECT_EQ(readFile("notes.txt"), "new text");
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(attribute("notes.txt", "user.origin"), "draws 2026");
    EXPECT_EQ(attribute("notes.txt", "system.posix_acl_access"), acl);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"notes.txt"});
    if (!root)
        GTEST_SKIP() << "only root can give a file another owner: owner and group were this user's";
}

// A new file in the folder takes its default ACL, as any new file does;
// a file that had no ACL gets none from the folder when it is replaced.
TEST(WriteFileBytes, AFolderDefaultAclReachesNewFilesOnly)
{
    TempDirectory dir;
    writeFile("plain.txt", "old");
    const std::string acl = aclGivingUser4242Reading();
    if (!setAttribute(".", "system.posix_acl_default", acl))
        GTEST_SKIP() << "the file system here keeps no ACLs";
    ASSERT_TRUE(writeFileBytes("plain.txt", "new").ok);
    ASSERT_TRUE(writeFileBytes("fresh.txt", "new").ok);
    EXPECT_EQ(attribute("plain.txt", "system.posix_acl_access"), "(none)");
    EXPECT_NE(attribute("fresh.txt", "system.posix_acl_access"), "(none)");
}

// A rename would replace a link with a file, or part two names of one
// file: these are written in place, and the copy made first is gone after.
TEST(WriteFileBytes, ALinkOrASecondNameIsWrittenInPlace)
{
    const struct {
        const char* written; // the name given to the writer
        void (*make)();
        std::vector<std::string> entries;
    } cases[] = {
        {"link.txt", [] { std::filesystem::create_symlink("notes.txt", "link.txt"); }, {"link.txt", "notes.txt"}},
        {"notes.txt", [] { std::filesystem::create_hard_link("notes.txt", "other.txt"); }, {"notes.txt", "other.txt"}},
        {"sub/link.txt",
         [] {
             std::filesystem::create_directory("sub");
             std::filesystem::create_symlink("../notes.txt", "sub/link.txt");
         },
         {"notes.txt", "sub"}},
    };
    for (const auto& c : cases) {
        TempDirectory dir;
        writeFile("notes.txt", "the old notes, longer than the new");
        ASSERT_EQ(::chmod("notes.txt", 0604), 0);
        c.make();
        const struct stat before = statOf("notes.txt");
        ASSERT_TRUE(writeFileBytes(c.written, "new notes").ok) << c.written;
        EXPECT_EQ(readFile(c.written), "new notes");
        EXPECT_EQ(readFile("notes.txt"), "new notes");
        EXPECT_EQ(statOf("notes.txt").st_ino, before.st_ino) << c.written;
        EXPECT_EQ(statOf("notes.txt").st_mode, before.st_mode) << c.written;
        EXPECT_EQ(folderEntries(), c.entries);
        if (std::filesystem::exists("sub")) {
            EXPECT_TRUE(std::filesystem::is_symlink("sub/link.txt"));
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator("sub"), {}), 1);
        }
    }
}

TEST(WriteFileBytes, ALinkToNoFileMakesTheFileItNames)
{
    TempDirectory dir;
    std::filesystem::create_symlink("made.txt", "link.txt");
    ASSERT_TRUE(writeFileBytes("link.txt", "made").ok);
    EXPECT_TRUE(std::filesystem::is_symlink("link.txt"));
    EXPECT_EQ(readFile("made.txt"), "made");
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"link.txt", "made.txt"}));
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

TEST(WriteFileBytes, TheCheckSeesTheOldBytesAndMayKeepTheFile)
{
    TempDirectory dir;
    writeFile("Horses.INI", "[Display]\r\n");
    std::string seen;
    const FileResult result = writeFileBytes("Horses.INI", " 8 \r\n", [&seen](const std::string& old) {
        seen = old;
        return std::optional<std::string>("it is no parameter file");
    });
    EXPECT_EQ(seen, "[Display]\r\n");
    EXPECT_EQ(result.error, "it is no parameter file");
    EXPECT_EQ(readFile("Horses.INI"), "[Display]\r\n");
}

// In a child process: SIGTERM, SIGINT and SIGHUP remove the temporary file
// named and end the process; while the file is half written they wait, and
// end it once the write is done. A signal the process ignores stays ignored.
TEST(InterruptCleanup, ASignalRemovesTheTemporaryFileOrWaitsForTheWrite)
{
    const struct {
        int signal;
        bool hold;
        bool ignored;
        int endedBy;       // 0: the child ran to its end
        bool leftBehind;   // the temporary file
        bool wroteToTheEnd;
    } cases[] = {
        {SIGTERM, false, false, SIGTERM, false, false}, {SIGINT, false, false, SIGINT, false, false},
        {SIGHUP, false, false, SIGHUP, false, false},   {SIGTERM, true, false, SIGTERM, true, true},
        {SIGHUP, false, true, 0, true, true},
    };
    for (const auto& c : cases) {
        TempDirectory dir;
        writeFile(".notes.txt.1-0", "");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (c.ignored)
                std::signal(c.signal, SIG_IGN);
            const int folder = ::open(".", O_RDONLY | O_DIRECTORY);
            {
                InterruptCleanup cleanup;
                cleanup.removeOnSignal(folder, ".notes.txt.1-0");
                if (c.hold)
                    cleanup.holdSignals();
                ::raise(c.signal);
                writeFile("end", "");
            }
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : 0, c.endedBy) << c.signal;
        EXPECT_EQ(std::filesystem::exists(".notes.txt.1-0"), c.leftBehind) << c.signal;
        EXPECT_EQ(std::filesystem::exists("end"), c.wroteToTheEnd) << c.signal;
    }
}
