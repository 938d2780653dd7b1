#include "controls/sort_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace cw {
namespace {

// The length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// One converter per thread: iconv descriptors keep state and are not shareable.
class GbkConverter {
 public:
  GbkConverter() : cd_(iconv_open("GBK", "UTF-8")) {}
  ~GbkConverter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  GbkConverter(const GbkConverter&) = delete;
  GbkConverter& operator=(const GbkConverter&) = delete;

  std::string Convert(std::string_view utf8) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    char buffer[256];
    char* in = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (in_left > 0) {
      char* dest = buffer;
      std::size_t dest_left = sizeof buffer;
      std::size_t result = iconv(cd_, &in, &in_left, &dest, &dest_left);
      out.append(buffer, dest - buffer);
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // Not in GBK (or broken UTF-8): keep the character's own bytes.
      std::size_t skip = std::min(SequenceLength(static_cast<unsigned char>(*in)), in_left);
      out.append(in, skip);
      in += skip;
      in_left -= skip;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string GbkSortText(std::string_view utf8) {
  thread_local GbkConverter converter;
  return converter.Convert(utf8);
}

double SortNumber(std::string_view text) {
  std::string copy(text);
  return std::strtod(copy.c_str(), nullptr);
}

}  // namespace cw
