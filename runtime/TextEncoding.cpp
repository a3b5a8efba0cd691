// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// Where Windows-1252 differs from Latin-1: the characters of 0x80 to 0x9F.
// The five it leaves undefined keep their Latin-1 control characters, so
// that every byte reads as a character of its own.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// A stray byte b stands in the text as U+EF00 + b (b is 0x80 or more).
constexpr char32_t kStrayBase = 0xEF00;
constexpr char32_t kFirstStray = kStrayBase + 0x80;
constexpr char32_t kLastStray = kStrayBase + 0xFF;

struct Character {
    std::size_t length = 0; // 0: no valid UTF-8 character starts here
    char32_t code = 0;
};

Character characterAt(std::string_view bytes, std::size_t i)
{
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80)
        return {1, c};
    std::size_t extra = 0;
    char32_t code = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        code = c & 0x07;
    } else {
        return {};
    }
    if (i + extra >= bytes.size())
        return {};
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(bytes[i + k]);
        if ((cc & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (cc & 0x3F);
    }
    constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {extra + 1, code};
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isStray(char32_t code) { return code >= kFirstStray && code <= kLastStray; }

// True when more bytes fit no UTF-8 character than UTF-8 characters of
// two bytes or more stand among them.
bool readsAsSingleBytes(std::string_view bytes)
{
    std::size_t characters = 0;
    std::size_t strays = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const Character c = characterAt(bytes, i);
        if (c.length == 0) {
            ++strays;
            ++i;
            continue;
        }
        characters += c.length > 1;
        i += c.length;
    }
    return strays > characters;
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        appendUtf8(text, c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : c);
    }
    return text;
}

// Every byte outside a UTF-8 character becomes its stand-in; so does each
// byte of a character that is itself a stand-in, so that Save cannot take
// it for a stray byte.
std::string withStrayBytes(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size();) {
        const Character c = characterAt(bytes, i);
        if (c.length > 0 && !isStray(c.code)) {
            text.append(bytes.substr(i, c.length));
            i += c.length;
            continue;
        }
        const std::size_t length = c.length > 0 ? c.length : 1;
        for (std::size_t k = 0; k < length; ++k)
            appendUtf8(text, kStrayBase + static_cast<unsigned char>(bytes[i + k]));
        i += length;
    }
    return text;
}

std::optional<char> windows1252Byte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t k = 0; k < kWindows1252High.size(); ++k)
        if (kWindows1252High[k] == code)
            return static_cast<char>(0x80 + k);
    return std::nullopt;
}

void appendEscape(std::string& out, const char* form, unsigned value)
{
    static const char digits[] = "0123456789abcdef";
    out += form;
    for (int shift = form[1] == 'u' ? 12 : 4; shift >= 0; shift -= 4)
        out += digits[(value >> shift) & 0xF];
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const Character c = characterAt(bytes, i);
        if (c.length == 0)
            return false;
        i += c.length;
    }
    return true;
}

DecodedText decodeBytes(std::string bytes)
{
    if (isValidUtf8(bytes))
        return {std::move(bytes), TextEncoding::Utf8};
    if (readsAsSingleBytes(bytes))
        return {fromWindows1252(bytes), TextEncoding::Windows1252};
    return {withStrayBytes(bytes), TextEncoding::Utf8WithStrayBytes};
}

std::string decodeText(std::string bytes) { return decodeBytes(std::move(bytes)).text; }

std::string standInFor(unsigned char byte)
{
    std::string standIn;
    appendUtf8(standIn, kStrayBase + byte);
    return standIn;
}

EncodedText encodeText(std::string text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return {std::move(text), {}};
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Character c = characterAt(text, i);
        const std::size_t length = c.length > 0 ? c.length : 1;
        if (encoding == TextEncoding::Utf8WithStrayBytes) {
            if (c.length > 0 && isStray(c.code))
                bytes += static_cast<char>(c.code - kStrayBase);
            else
                bytes.append(text, i, length);
        } else if (const auto b = c.length > 0 ? windows1252Byte(c.code) : std::nullopt) {
            bytes += *b;
        } else {
            std::string unwritable = text.substr(i, length);
            return {std::move(text), std::move(unwritable)};
        }
        i += length;
    }
    return {std::move(bytes), {}};
}

const char* encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1252:
        return "Windows-1252";
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithStrayBytes:
        break;
    }
    return "UTF-8";
}

std::string escapeControls(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Character c = characterAt(text, i);
        if (c.length == 0) {
            appendEscape(shown, "\\x", static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        if (isStray(c.code))
            appendEscape(shown, "\\x", static_cast<unsigned>(c.code - kStrayBase));
        else if ((c.code < 0x20 && c.code != '\n') || c.code == 0x7F)
            appendEscape(shown, "\\x", static_cast<unsigned>(c.code));
        else if (c.code >= 0x80 && c.code < 0xA0)
            appendEscape(shown, "\\u", static_cast<unsigned>(c.code));
        else
            shown.append(text.substr(i, c.length));
        i += c.length;
    }
    return shown;
}
