#include "bookkeeping/accounts/account_name.h"

#include "base/gbk_text.h"

namespace cw {

bool IsValidAccountName(std::string_view name) {
  if (name.empty() || GbkLength(name) > kMaxAccountNameBytes) return false;
  if (name.find_first_of(" \t\r\n\v\f[]") != std::string_view::npos) return false;
  return name.find("\xE3\x80\x80") == std::string_view::npos;  // U+3000 IDEOGRAPHIC SPACE
}

}  // namespace cw
