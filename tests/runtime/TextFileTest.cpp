#include "TextFile.h"

#include <gtest/gtest.h>

TEST(TextFile, ValidUtf8StaysOtherBytesReadAsLatin1)
{
    EXPECT_EQ(decodeText("Caf\xc3\xa9"), "Caf\xc3\xa9");
    EXPECT_EQ(decodeText("Caf\xe9"), "Caf\xc3\xa9");
    EXPECT_EQ(decodeText(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_FALSE(isValidUtf8("\xc3"));             // cut short
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));     // surrogate
    EXPECT_TRUE(isValidUtf8("\xe2\x80\xa2 \xf0\x9f\x8e\xb2"));
}
