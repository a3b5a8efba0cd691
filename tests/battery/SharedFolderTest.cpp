// SPDX-License-Identifier: GPL-3.0-or-later
// Folders that several people share, tried as root and as the users alice
// and bob of a group lotto and carol outside it (made for the test where
// missing): the runner writes only where the kernel lets it, and a file
// keeps its owner, group, permissions and ACL whoever writes it.
#include "RunnerProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <cstdint>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Several tests may make the users at once; useradd wants one at a time.
bool madeUsers()
{
    static const bool made = ::geteuid() == 0 && std::system(R"(flock /tmp/tessaro7-users.lock sh -ec '
        getent group lotto >/dev/null || groupadd lotto
        for user in alice bob carol; do id -u $user >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin $user; done
        usermod -aG lotto alice && usermod -aG lotto bob' >/dev/null 2>&1)") == 0;
    return made;
}

// What runs a command as `user`; nothing for root ("").
std::vector<std::string> as(const std::string& user)
{
    return user.empty() ? std::vector<std::string>{} : std::vector<std::string>{"setpriv", "--reuid=" + user, "--regid=" + user, "--init-groups"};
}

// A shell command run as `user`; true when it succeeded.
bool shell(const std::string& user, const std::string& command)
{
    std::string line;
    for (const std::string& word : as(user))
        line += word + " ";
    return std::system((line + "sh -c '" + command + "' >/dev/null 2>&1").c_str()) == 0;
}

class SharedFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!madeUsers())
            GTEST_SKIP() << "making the users alice, bob and carol and the group lotto needs root";
        ::chmod(dir.path().c_str(), 0755); // the users reach the folders below
    }

    TempDirectory dir;
};

// The kernel's guard against links planted in sticky folders, on for one
// test and then as it was.
struct ProtectedSymlinks {
    const char* setting = "/proc/sys/fs/protected_symlinks";
    const std::string previous = readFile(setting);
    ProtectedSymlinks() { writeFile(setting, "1"); }
    ~ProtectedSymlinks() { writeFile(setting, previous); }
    bool on() const { return readFile(setting) == "1\n"; }
};

} // namespace

TEST_F(SharedFolders, ALinkPlantedInAStickyFolderIsNotFollowed)
{
    ProtectedSymlinks guard;
    if (!guard.on())
        GTEST_SKIP() << "fs.protected_symlinks is off and cannot be turned on here";
    ASSERT_TRUE(shell("", "mkdir alice shared && chmod 1777 shared && echo diary > alice/precious.txt && chown -R alice: alice"));
    ASSERT_TRUE(shell("bob", "ln -s ../alice/precious.txt shared/Lotto6.INI && ln -s ../alice/precious.txt shared/notes.txt"));

    const std::string link = "it is a link that another user made in a shared folder, which the system does not follow.\n";
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"Pick6", ""}, 0,
         "[Biggest Number] Cannot read \"Lotto6.INI\": " + link
             + "[Biggest Number] The answer could not be remembered in \"Lotto6.INI\": " + link},
        {{"Save", "notes.txt"}, 1, "[Save Combinations] Cannot save \"notes.txt\": " + link},
    };
    for (const auto& [args, status, err] : cases) {
        const Outcome outcome = runCorvane(dir.path() / "shared", args, {as("alice"), RUN_SECONDS});
        EXPECT_EQ(outcome.status, status) << args[0];
        EXPECT_EQ(outcome.err, err);
    }
    EXPECT_EQ(readFile("alice/precious.txt"), "diary\n");
    EXPECT_EQ(folderEntries("shared"), (std::vector<std::string>{"Lotto6.INI", "notes.txt"}));
}

// In the group's folder each member writes the others' files; the owner
// and everyone the ACL names can still read them.
TEST_F(SharedFolders, AFileKeepsItsOwnerGroupModeAndAclWhoeverWritesIt)
{
    ASSERT_TRUE(shell("", "mkdir team && chown :lotto team && chmod 2775 team && cd team && echo 49 > Lotto6.INI"
                          " && echo 39 > Lotto5.INI && echo notes > notes.txt && chown alice:lotto *"
                          " && chmod 660 Lotto6.INI notes.txt && chmod 640 Lotto5.INI && setfacl -m u:carol:r notes.txt"
                          " && ln Lotto5.INI Lotto5.copy"));
    const std::string acl = attributeOf("team/notes.txt", "system.posix_acl_access");
    const std::tuple<const char*, std::vector<std::string>, const char*, std::string> cases[] = {
        // who ("" for root), the click, the file it writes, the file's text after
        {"bob", {"Pick6", "45"}, "Lotto6.INI", " 45 \r\n"},
        {"", {"Pick6", "46"}, "Lotto6.INI", " 46 \r\n"},
        {"bob", {"Save", "notes.txt"}, "notes.txt", " \xe2\x80\xa2"},
        {"alice", {"Pick5", "40"}, "Lotto5.copy", " 40 \r\n"},
    };
    for (const auto& [user, args, name, text] : cases) {
        SCOPED_TRACE(std::string(*user ? user : "root") + " " + args[0]);
        const std::filesystem::path file = dir.path() / "team" / name;
        const struct stat before = statOf(file);
        const Outcome outcome = runCorvane(dir.path() / "team", args, {as(user), RUN_SECONDS});
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        const struct stat after = statOf(file);
        EXPECT_EQ(std::tie(after.st_uid, after.st_gid, after.st_mode), std::tie(before.st_uid, before.st_gid, before.st_mode));
        EXPECT_EQ(readFile(file).substr(0, text.size()), text);
        EXPECT_EQ(readFile("team/Lotto5.INI"), readFile("team/Lotto5.copy"));
    }
    EXPECT_EQ(attributeOf("team/notes.txt", "system.posix_acl_access"), acl);
    EXPECT_EQ(folderEntries("team"), (std::vector<std::string>{"Lotto5.INI", "Lotto5.copy", "Lotto6.INI", "notes.txt"}));
    EXPECT_TRUE(shell("carol", "cat " + (dir.path() / "team/notes.txt").string()));
    EXPECT_TRUE(shell("alice", "cat " + (dir.path() / "team/Lotto6.INI").string()));
}

// A file capability only root may give: its owner may read it but not set
// it on a new copy, so the file is written where it is, never swapped for
// a copy without it.
TEST_F(SharedFolders, AFileWhoseAttributesCannotBeCopiedIsWrittenInPlace)
{
    ASSERT_TRUE(shell("", "mkdir alice && echo notes > alice/notes.txt && chown -R alice: alice"));
    const std::filesystem::path file = dir.path() / "alice/notes.txt";
    // A capability set, version 2: CAP_NET_RAW permitted.
    const std::uint32_t capability[5] = {0x02000000, 1u << 13, 0, 0, 0};
    if (::setxattr(file.c_str(), "security.capability", capability, sizeof capability, 0) != 0)
        GTEST_SKIP() << "this file system keeps no file capabilities";
    const struct stat before = statOf(file);
    const Outcome outcome = runCorvane(dir.path() / "alice", {"Save", "notes.txt"}, {as("alice"), RUN_SECONDS});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    const struct stat after = statOf(file);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(std::tie(after.st_uid, after.st_mode), std::tie(before.st_uid, before.st_mode));
    EXPECT_EQ(readFile(file).substr(0, 4), " \xe2\x80\xa2");
    EXPECT_EQ(folderEntries(dir.path() / "alice"), std::vector<std::string>{"notes.txt"});
}
