// SPDX-License-Identifier: GPL-3.0-or-later
#include "Runner.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runCorvane(args, std::cout, std::cerr, ::isatty(STDIN_FILENO) != 0);
}
