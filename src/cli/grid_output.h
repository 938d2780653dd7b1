#pragma once
// A table the windows show (a GridModel) as the tool prints it: its key, then
// every column under its title, right-aligned columns kept right-aligned, and,
// when asked, each row's class (the colour the window gives it) by name.
#include <functional>
#include <string>

#include "cli/output.h"
#include "controls/grid_model.h"

namespace cw::cli {

using RowClassNamer = std::function<std::string(const GridRow&)>;

Table TableOfGrid(const GridModel& grid, const RowClassNamer& row_class = nullptr);

}  // namespace cw::cli
