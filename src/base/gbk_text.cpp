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

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = SequenceLength(lead);
    if (n == 1) {
      if (lead >= 0x80) return false;
      ++i;
      continue;
    }
    if (i + n > text.size()) return false;
    char32_t code = lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

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
