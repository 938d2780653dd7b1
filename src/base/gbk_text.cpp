#include "base/gbk_text.h"

#include <cstdarg>
#include <cstdio>

namespace cw {
namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;  // a stray continuation byte counts as one character
}

}  // namespace

std::size_t GbkLength(std::string_view utf8) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
    bytes += n == 1 ? 1 : 2;
    i += n;
  }
  return bytes;
}

std::string GbkCut(std::string_view utf8, std::size_t max_bytes) {
  std::size_t bytes = 0, i = 0;
  while (i < utf8.size()) {
    std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
    std::size_t width = n == 1 ? 1 : 2;
    if (bytes + width > max_bytes) break;
    bytes += width;
    i += n;
  }
  return std::string(utf8.substr(0, i));
}

std::string StrFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
  va_end(args);
  return out;
}

}  // namespace cw
