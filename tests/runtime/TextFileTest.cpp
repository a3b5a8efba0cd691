// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

TEST(TextFiles, APipeADeviceOrAFolderIsRefusedBeforeAnyReadOrWrite)
{
    TempDirectory dir;
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    std::filesystem::create_directory("folder");
    const struct {
        const char* path;
        std::string reason;
    } cases[] = {
        {"pipe", "it is a named pipe, not a regular file"},
        {"/dev/zero", "it is a device, not a regular file"},
        {"folder", "it is a folder, not a regular file"},
    };
    // A file that fails while it is read says why.
    std::string why;
    EXPECT_FALSE(readFileBytes("/proc/self/mem", &why).has_value());
    EXPECT_EQ(why, std::strerror(EIO));
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(readFileBytes(c.path, &reason).has_value()) << c.path;
        EXPECT_EQ(reason, c.reason);
        const FileResult written = writeFileBytes(c.path, "x");
        EXPECT_FALSE(written.ok) << c.path;
        EXPECT_EQ(written.error, c.reason);
    }
    writeFile("big", "");
    std::filesystem::resize_file("big", (1u << 20) + 1);
    EXPECT_EQ(refusalOf("big", 1u << 20), "the file is larger than 1 MiB");
    EXPECT_FALSE(readFileBytes("big", nullptr, 1u << 20).has_value());
    EXPECT_EQ(refusalOf("big", 2u << 20), std::nullopt);
    EXPECT_EQ(refusalOf("nosuch", 2u << 20), std::nullopt);
}
