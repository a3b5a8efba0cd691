// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include <gtest/gtest.h>

// Every file reads as UTF-8 text and encodes back to its very bytes. A
// stray byte's stand-in is U+EF00 + the byte: "\xee\xbe\x96" for 0x96.
TEST(TextEncoding, DecodesEveryFileSoThatItEncodesBackToTheSameBytes)
{
    using E = TextEncoding;
    const std::tuple<std::string, std::string, E> cases[] = {
        {"Caf\xc3\xa9", "Caf\xc3\xa9", E::Utf8},
        {std::string("a\0b", 3), std::string("a\0b", 3), E::Utf8},
        {"K\xf6ln", "K\xc3\xb6ln", E::Windows1252},
        {"\x80\x96\x81\xff", "\xe2\x82\xac\xe2\x80\x93\xc2\x81\xc3\xbf", E::Windows1252},
        {"\xc3", "\xc3\x83", E::Windows1252}, // a character cut short
        {"K\xc3\xb6ln \xe2\x82\xac \x96 end", "K\xc3\xb6ln \xe2\x82\xac \xee\xbe\x96 end", E::Utf8WithStrayBytes},
        // As many stray bytes as characters of two bytes or more: still UTF-8.
        {"\xc3\xa9 \x96", "\xc3\xa9 \xee\xbe\x96", E::Utf8WithStrayBytes},
        // A stand-in the file itself holds is taken apart, byte by byte.
        {"\xc3\xa9\xee\xbe\x96\xff", "\xc3\xa9\xee\xbf\xae\xee\xbe\xbe\xee\xbe\x96\xee\xbf\xbf", E::Utf8WithStrayBytes},
    };
    for (const auto& [bytes, text, encoding] : cases) {
        const DecodedText decoded = decodeBytes(bytes);
        EXPECT_EQ(decoded.text, text) << bytes;
        EXPECT_EQ(decoded.encoding, encoding) << bytes;
        EXPECT_TRUE(isValidUtf8(decoded.text)) << bytes;
        EXPECT_EQ(encodeText(decoded.text, decoded.encoding).bytes, bytes);
    }
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80")); // the first surrogate
    EXPECT_FALSE(isValidUtf8("\xed\xbf\xbf")); // the last one
    EXPECT_TRUE(isValidUtf8("\xed\x9f\xbf"));  // the character before them
}

TEST(TextEncoding, MessagesShowControlCharactersAndStrayBytesEscaped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b[2J\x1b[32mgreen", "\\x1b[2J\\x1b[32mgreen"},
        {"two\nlines\r\n\tand a tab", "two\nlines\\x0d\n\\x09and a tab"},
        {std::string("nul\0del\x7f", 8), "nul\\x00del\\x7f"},
        {"csi \xc2\x9b" "31m", "csi \\u009b31m"},
        {"raw \xff, K\xc3\xb6ln \xee\xbe\x96", "raw \\xff, K\xc3\xb6ln \\x96"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(escapeControls(text), shown);
}
