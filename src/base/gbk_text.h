#pragma once
// Text is UTF-8 throughout; where lengths are counted in bytes they are counted
// as the GBK code page would need them: 1 for ASCII, 2 for any other character.
#include <cstddef>
#include <string>
#include <string_view>

namespace cw {

std::size_t GbkLength(std::string_view utf8);
// The longest prefix of `utf8` that needs at most `max_bytes` GBK bytes; never
// cuts inside a character.
std::string GbkCut(std::string_view utf8, std::size_t max_bytes);

// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes,
// no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// printf-style formatting into a std::string.
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace cw
