#include "TestSupport.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

GermanNumbers::GermanNumbers() : previous_(std::setlocale(LC_NUMERIC, nullptr))
{
    active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr
              && std::string(std::localeconv()->decimal_point) == ",";
}

GermanNumbers::~GermanNumbers() { std::setlocale(LC_NUMERIC, previous_.c_str()); }

bool decimalCommaAsRequired()
{
    if (!std::getenv("TESSARO7_DECIMAL_COMMA") || std::strcmp(std::localeconv()->decimal_point, ",") == 0)
        return true;
    std::fprintf(stderr, "The numeric locale %s has no decimal comma: is the locale installed?\n",
                 std::setlocale(LC_NUMERIC, nullptr));
    return false;
}
