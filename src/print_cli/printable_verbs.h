#pragma once
// The commands coinwright-print runs: those that show a window's table and
// write nothing. A command that changes the ledger ("budget set", "initial
// set", "plans run" ...) is refused before it runs, so that a print never
// books, deletes or replaces anything.
#include "cli/arguments.h"

namespace cw::cli {

// Throws BadInput unless the command is one of the printable ones.
void CheckPrintable(const CommandLine& line);

}  // namespace cw::cli
