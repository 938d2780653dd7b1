#pragma once
// Values bound to statement parameters ?1, ?2 ... in order.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace cw {

using SqlValue = std::variant<std::nullptr_t, std::int64_t, double, std::string>;
using SqlParams = std::vector<SqlValue>;

}  // namespace cw
