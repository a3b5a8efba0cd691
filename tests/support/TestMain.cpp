// SPDX-License-Identifier: GPL-3.0-or-later
// The test programs take their locale from the environment, as a host
// application does, so that the suite can run once more under a locale
// whose decimal point is "," (the *.GermanLocale entries of CTest).
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    if (!decimalCommaAsRequired())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
