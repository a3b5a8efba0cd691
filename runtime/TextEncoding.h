// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// How a file's bytes became the pane's UTF-8 text, so that Save can give
// back the very same bytes.
enum class TextEncoding {
    Utf8,
    // Valid UTF-8 but for a few bytes; each such byte stands in the text as
    // a character of its own, U+EF80 to U+EFFF, that Save turns back into it.
    Utf8WithStrayBytes,
    // One byte a character: Latin-1, with the printable characters Windows
    // puts at 0x80 to 0x9F.
    Windows1252,
};

struct DecodedText {
    std::string text; // UTF-8
    TextEncoding encoding = TextEncoding::Utf8;
};

// Valid UTF-8 stays as it is. Other bytes are read as UTF-8 with stray
// bytes when they hold more UTF-8 characters than bytes that fit none, and
// as Windows-1252 otherwise.
DecodedText decodeBytes(std::string bytes);
// The text alone, for files that are read but never written back.
std::string decodeText(std::string bytes);

struct EncodedText {
    std::string bytes;
    // The first character the encoding cannot hold; the bytes are then the
    // text as UTF-8.
    std::string unwritable;
};

// The character that stands for a stray byte (0x80 to 0xFF) in the text.
std::string standInFor(unsigned char byte);

// The bytes that decodeBytes read as `text`: encodeText(decodeBytes(b)) is b.
EncodedText encodeText(std::string text, TextEncoding encoding);
// "Windows-1252".
const char* encodingName(TextEncoding encoding);

bool isValidUtf8(std::string_view bytes);

// The text with every control character but the line feed written as an
// escape (ESC as "\x1b"), and so is a byte that fits no UTF-8 character or a
// stray byte's stand-in: a message shows what a file holds, and a terminal
// acts on none of it.
std::string escapeControls(std::string_view text);
