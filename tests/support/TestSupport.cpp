#include "TestSupport.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

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

std::vector<std::string> folderEntries()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool decimalCommaAsRequired()
{
    if (!std::getenv("TESSARO7_DECIMAL_COMMA") || std::string(std::localeconv()->decimal_point) == ",")
        return true;
    std::fprintf(stderr, "The numeric locale %s has no decimal comma: is the locale installed?\n",
                 std::setlocale(LC_NUMERIC, nullptr));
    return false;
}
