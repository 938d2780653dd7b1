#pragma once
// How grid cells compare when a table is sorted: texts in the byte order of the
// GBK code page (the program's texts were GBK, where common Chinese characters
// follow their pinyin), numbers as the C library reads them.
#include <string>
#include <string_view>

namespace cw {

// `utf8` re-encoded in GBK so that plain byte comparison gives the GBK order.
// A character GBK lacks keeps its UTF-8 bytes.
std::string GbkSortText(std::string_view utf8);

// The number at the start of `text` ("1200.50" → 1200.5, "12%" → 12, "" → 0).
double SortNumber(std::string_view text);

}  // namespace cw
