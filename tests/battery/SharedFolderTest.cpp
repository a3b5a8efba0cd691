// Folders that several people share, tried as root and as the users alice
// and bob of a group lotto and carol outside it (made for the test where
// missing): the runner writes only where the kernel lets it, a file keeps
// its owner, group, permissions and ACL whoever writes it, and a file that
// is no parameter file is never written over.
#include "RunnerProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Several tests may make the users at once; useradd wants one at a time.
bool madeUsers()
{
    static const bool made = ::geteuid() == 0 && std::system(R"(flock /tmp/tessaro7-users.lock sh -ec '
        getent group lotto >/dev/null || groupadd lotto
        for user in alice bob carol; do
            id -u "$user" >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin "$user"
        done
        usermod -aG lotto alice
        usermod -aG lotto bob' >/dev/null 2>&1)") == 0;
    return made;
}

uid_t uidOf(const char* user) { return ::getpwnam(user)->pw_uid; }
gid_t gidOf(const char* group) { return ::getgrnam(group)->gr_gid; }

std::vector<std::string> as(const std::string& user)
{
    return {"setpriv", "--reuid=" + user, "--regid=" + user, "--init-groups"};
}

// A command run as `user`; true when it succeeded.
bool runAs(const std::string& user, const std::string& command)
{
    std::string line;
    for (const std::string& word : as(user))
        line += word + " ";
    return std::system((line + command + " >/dev/null 2>&1").c_str()) == 0;
}

struct stat statOf(const std::filesystem::path& path)
{
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

std::string accessAcl(const std::filesystem::path& path)
{
    char value[256];
    const ssize_t size = ::getxattr(path.c_str(), "system.posix_acl_access", value, sizeof value);
    return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

std::vector<std::string> entriesOf(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::size_t lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// The kernel's guard against links planted in sticky folders, on for one
// test and then as it was.
class ProtectedSymlinks {
public:
    ProtectedSymlinks() : previous_(readFile(kSetting)) { on_ = previous_ == "1\n" || set("1"); }
    ~ProtectedSymlinks()
    {
        if (previous_ != "1\n" && on_)
            set(previous_);
    }
    bool on() const { return on_; }

private:
    static constexpr const char* kSetting = "/proc/sys/fs/protected_symlinks";
    static bool set(const std::string& value)
    {
        const int fd = ::open(kSetting, O_WRONLY);
        const bool done = fd >= 0 && ::write(fd, value.data(), value.size()) == static_cast<ssize_t>(value.size());
        if (fd >= 0)
            ::close(fd);
        return done;
    }
    std::string previous_;
    bool on_ = false;
};

class SharedFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!madeUsers())
            GTEST_SKIP() << "making the users alice, bob and carol and the group lotto needs root";
        // The users reach the folders below this one.
        ::chmod(dir.path().c_str(), 0755);
    }

    TempDirectory dir;
};

} // namespace

TEST_F(SharedFolders, ALinkPlantedInAStickyFolderIsNotFollowed)
{
    ProtectedSymlinks guard;
    if (!guard.on())
        GTEST_SKIP() << "fs.protected_symlinks is off and cannot be turned on here";
    const std::string diary = "Dear diary\r\n";
    std::filesystem::create_directory("alice");
    writeFile("alice/precious.txt", diary);
    ASSERT_EQ(::chown("alice", uidOf("alice"), gidOf("alice")), 0);
    ASSERT_EQ(::chown("alice/precious.txt", uidOf("alice"), gidOf("alice")), 0);
    std::filesystem::create_directory("shared");
    ASSERT_EQ(::chmod("shared", 01777), 0);
    ASSERT_TRUE(runAs("bob", "ln -s ../alice/precious.txt shared/Lotto6.INI"));
    ASSERT_TRUE(runAs("bob", "ln -s ../alice/precious.txt shared/notes.txt"));

    const std::string link = "it is a link that another user made in a shared folder, which the system does not follow.\n";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
        std::size_t lines;
    } cases[] = {
        {{"Pick6", ""}, 0,
         "[Biggest Number] Cannot read \"Lotto6.INI\": " + link
             + "[Biggest Number] The answer could not be remembered in \"Lotto6.INI\": " + link,
         1000},
        {{"Save", "notes.txt"}, 1, "[Save Combinations] Cannot save \"notes.txt\": " + link, 13},
    };
    for (const auto& c : cases) {
        const Outcome outcome = runCorvane(dir.path() / "shared", c.args, {as("alice"), RUN_SECONDS});
        EXPECT_EQ(outcome.status, c.status) << c.args[0];
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(lines(outcome.out), c.lines);
    }
    EXPECT_EQ(readFile("alice/precious.txt"), diary);
    EXPECT_EQ(entriesOf("shared"), (std::vector<std::string>{"Lotto6.INI", "notes.txt"}));
}

// In the group's folder each member writes the others' files; the owner
// and everyone the ACL names can still read them.
TEST_F(SharedFolders, AFileKeepsItsOwnerGroupModeAndAclWhoeverWritesIt)
{
    std::filesystem::create_directory("team");
    ASSERT_EQ(::chown("team", 0, gidOf("lotto")), 0);
    ASSERT_EQ(::chmod("team", 02775), 0);
    const uid_t alice = uidOf("alice");
    const gid_t lotto = gidOf("lotto");
    const auto make = [&](const char* name, const char* text, mode_t mode) {
        writeFile(std::filesystem::path("team") / name, text);
        ASSERT_EQ(::chown(("team/" + std::string(name)).c_str(), alice, lotto), 0);
        ASSERT_EQ(::chmod(("team/" + std::string(name)).c_str(), mode), 0);
    };
    make("Lotto6.INI", " 49 \r\n", 0660);
    make("Lotto5.INI", " 39 \r\n", 0640);
    make("notes.txt", "notes\r\n", 0664);
    ASSERT_EQ(std::system("setfacl -m u:carol:r team/notes.txt"), 0) << "setfacl comes with the package acl";
    std::filesystem::create_hard_link("team/Lotto5.INI", "team/Lotto5.copy");
    const std::string acl = accessAcl("team/notes.txt");

    const struct {
        const char* user; // "" for root
        std::vector<std::string> args;
        const char* file;
        std::string text; // the file's text afterwards; "" for the opening text
    } cases[] = {
        {"bob", {"Pick6", "45"}, "Lotto6.INI", " 45 \r\n"},
        {"", {"Pick6", "46"}, "Lotto6.INI", " 46 \r\n"},
        {"bob", {"Save", "notes.txt"}, "notes.txt", ""},
        {"", {"Save", "notes.txt"}, "notes.txt", ""},
        {"alice", {"Pick5", "40"}, "Lotto5.copy", " 40 \r\n"},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(*c.user ? c.user : "root") + " " + c.args[0];
        const std::filesystem::path file = dir.path() / "team" / c.file;
        const struct stat before = statOf(file);
        const Outcome outcome =
            runCorvane(dir.path() / "team", c.args, {*c.user ? as(c.user) : std::vector<std::string>{}, RUN_SECONDS});
        EXPECT_EQ(outcome.status, 0) << what;
        EXPECT_EQ(outcome.err, "") << what;
        const struct stat after = statOf(file);
        EXPECT_EQ(after.st_uid, alice) << what;
        EXPECT_EQ(after.st_gid, lotto) << what;
        EXPECT_EQ(after.st_mode, before.st_mode) << what;
        const std::string text = readFile(file);
        EXPECT_EQ(c.text.empty() ? text.substr(0, 4) : text, c.text.empty() ? " \xe2\x80\xa2" : c.text) << what;
        EXPECT_EQ(readFile("team/Lotto5.INI"), readFile("team/Lotto5.copy")) << what;
    }
    EXPECT_EQ(accessAcl("team/notes.txt"), acl);
    EXPECT_EQ(entriesOf("team"), (std::vector<std::string>{"Lotto5.INI", "Lotto5.copy", "Lotto6.INI", "notes.txt"}));
    for (const char* reader : {"alice", "carol"})
        EXPECT_TRUE(runAs(reader, "cat " + (dir.path() / "team/notes.txt").string())) << reader;
    EXPECT_TRUE(runAs("alice", "cat " + (dir.path() / "team/Lotto6.INI").string()));
}

// Another program's file that happens to bear a parameter file's name.
TEST(ForeignFiles, AFileThatIsNoParameterFileIsNeverWrittenOver)
{
    const std::string display = "[Display]\r\nTrack=Ascot\r\n";
    const std::string refused = "[Number of Horses in The Race] The answer could not be remembered in "
                                "\"Horses.INI\": it holds text other than numbers and is left as it is.\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Horses", ""}, ""},
        {{"Horses", "8"}, refused},
        {{"Horses"}, refused},
    };
    TempDirectory dir;
    writeFile("Horses.INI", display);
    for (const auto& [args, err] : cases) {
        const Outcome outcome = runCorvane(dir.path(), args);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, err);
        EXPECT_EQ(readFile("Horses.INI"), display);
    }
}
