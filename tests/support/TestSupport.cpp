// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/xattr.h>

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct stat statOf(const std::filesystem::path& path)
{
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

std::string attributeOf(const std::filesystem::path& path, const char* name)
{
    char value[256];
    const ssize_t size = ::lgetxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

bool decimalCommaAsRequired()
{
    if (!std::getenv("TESSARO7_DECIMAL_COMMA") || std::string(std::localeconv()->decimal_point) == ",")
        return true;
    std::fprintf(stderr, "The numeric locale %s has no decimal comma: is the locale installed?\n",
                 std::setlocale(LC_NUMERIC, nullptr));
    return false;
}
