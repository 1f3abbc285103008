#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// GB18030 (and so GBK and GB2312, which it extends) read into UTF-8. A byte that starts no
// well-formed sequence, a sequence cut off by the end of the text and one that maps to nothing
// are each one U+FFFD, and the reading goes on after them: clients cut long names in the middle
// of a two-byte character, and the tab after it stays a tab.

// The system's converter: glibc's iconv on Linux, the committed table on Windows (Wine has no
// code page 54936, and code page 936 knows no four-byte sequence).
std::string decodeGb18030(std::string_view bytes);

// The same from the committed table, on every system.
std::string decodeGb18030ByTable(std::string_view bytes);

// The length of the well-formed sequence at the front of `bytes` (1, 2 or 4), whether or not it
// maps to a character; 0 where none starts there.
std::size_t gb18030SequenceLength(std::string_view bytes);

// U+FFFD, the character that stands for what could not be read.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// A code point appended in UTF-8.
void appendUtf8(std::string& text, char32_t codePoint);

} // namespace pelmora
