#include "TextEncoding.h"

#include <gtest/gtest.h>

namespace {

const char* const kStrayEf = "\xee\xbf\xae"; // the stand-ins of the bytes EE, BE, 96, FF
const char* const kStrayBe = "\xee\xbe\xbe";
const char* const kStray96 = "\xee\xbe\x96";
const char* const kStrayFf = "\xee\xbf\xbf";

} // namespace

// Every file reads as UTF-8 text and encodes back to its very bytes.
TEST(TextEncoding, DecodesEveryFileSoThatItEncodesBackToTheSameBytes)
{
    const struct {
        std::string bytes;
        std::string text;
        TextEncoding encoding;
    } cases[] = {
        {"Caf\xc3\xa9", "Caf\xc3\xa9", TextEncoding::Utf8},
        {std::string("a\0b", 3), std::string("a\0b", 3), TextEncoding::Utf8},
        {"K\xf6ln", "K\xc3\xb6ln", TextEncoding::Windows1252},
        {"\x80\x96\x81\xff", "\xe2\x82\xac\xe2\x80\x93\xc2\x81\xc3\xbf", TextEncoding::Windows1252},
        {"\xc3", "\xc3\x83", TextEncoding::Windows1252}, // a character cut short
        // One stray byte among UTF-8 characters stays a byte of its own.
        {"K\xc3\xb6ln Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\xa6 \x96 end",
         "K\xc3\xb6ln Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\xa6 " + std::string(kStray96) + " end",
         TextEncoding::Utf8WithStrayBytes},
        {"\xc3\xa9\xff", "\xc3\xa9" + std::string(kStrayFf), TextEncoding::Utf8WithStrayBytes},
        // A stand-in the file itself holds is taken apart, byte by byte.
        {"\xc3\xa9\xc3\xa9\xee\xbe\x96\xff",
         "\xc3\xa9\xc3\xa9" + std::string(kStrayEf) + kStrayBe + kStray96 + kStrayFf,
         TextEncoding::Utf8WithStrayBytes},
    };
    for (const auto& c : cases) {
        const DecodedText decoded = decodeBytes(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.bytes;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.bytes;
        EXPECT_TRUE(isValidUtf8(decoded.text)) << c.bytes;
        const EncodedText encoded = encodeText(decoded.text, decoded.encoding);
        EXPECT_EQ(encoded.bytes, c.bytes);
        EXPECT_EQ(encoded.unwritable, "") << c.bytes;
    }
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80")); // surrogate
    EXPECT_TRUE(isValidUtf8("\xe2\x80\xa2 \xf0\x9f\x8e\xb2"));
}

// Text typed since Open: what the file's encoding cannot hold is named, and
// the text is then written as UTF-8.
TEST(TextEncoding, NamesTheFirstCharacterTheEncodingCannotHold)
{
    const struct {
        std::string text;
        TextEncoding encoding;
        std::string bytes;
        std::string unwritable;
    } cases[] = {
        {"\xe2\x82\xac 5", TextEncoding::Windows1252, "\x80 5", ""},
        {"K\xc3\xb6ln \xc5\x81\xc3\xb3""d\xc5\xba", TextEncoding::Windows1252, "K\xc3\xb6ln \xc5\x81\xc3\xb3""d\xc5\xba",
         "\xc5\x81"},
        {"\xc2\x80", TextEncoding::Windows1252, "\xc2\x80", "\xc2\x80"},
        {"x" + std::string(kStray96) + "y", TextEncoding::Utf8WithStrayBytes, "x\x96y", ""},
        {"x" + std::string(kStray96) + "y", TextEncoding::Utf8, "x" + std::string(kStray96) + "y", ""},
    };
    for (const auto& c : cases) {
        const EncodedText encoded = encodeText(c.text, c.encoding);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.text;
        EXPECT_EQ(encoded.unwritable, c.unwritable) << c.text;
    }
}

TEST(TextEncoding, MessagesShowControlCharactersAndStrayBytesEscaped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b[2J\x1b[32mgreen", "\\x1b[2J\\x1b[32mgreen"},
        {"two\nlines\r\n\tand a tab", "two\nlines\\x0d\n\\x09and a tab"},
        {std::string("nul\0del\x7f", 8), "nul\\x00del\\x7f"},
        {"csi \xc2\x9b" "31m", "csi \\u009b31m"},
        {"raw \xff", "raw \\xff"},
        {"K\xc3\xb6ln \xe2\x82\xac " + std::string(kStray96), "K\xc3\xb6ln \xe2\x82\xac \\x96"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(escapeControls(text), shown);
}
