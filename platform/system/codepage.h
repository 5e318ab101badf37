#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The system's ANSI code page is the character set of the user's locale (LC_CTYPE). Rows and
// messages are bytes in it; they are decoded only for display.
//
// The C locale's ASCII is taken as UTF-8: ASCII bytes mean the same in both, and it lets text
// typed in a bare environment be stored instead of being refused.

// The name iconv knows the code page by, e.g. "UTF-8" or "GB18030".
const std::string& AnsiCodeSet();
bool AnsiIsUtf8();

// Decodes bytes of the code page. Bytes that are not valid in it become U+FFFD.
std::u16string AnsiToUtf16(std::string_view bytes);

// Encodes into the code page; nullopt when a character has no form in it.
std::optional<std::string> Utf16ToAnsi(std::u16string_view text);

// Offset of the first byte of the last character (bytes.size() when empty). A byte that does not
// start a valid character counts as a character of its own.
std::size_t LastCharStart(std::string_view bytes);

// Forgets the code page read from the locale, so that the next call reads it again. For tests
// that switch locales.
void ResetAnsiCodePage();
