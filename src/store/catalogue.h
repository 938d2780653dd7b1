#pragma once
// The statement catalogue: every SQL statement of the program under its number.
// The texts are compiled in from statements.sql, where each entry starts with a
// header line "-- @<number> <what it does>". Values are bound as ?1, ?2 ... in the
// order the entry's header names them; a few entries carry the marked slot
// {{SLOT}} for a condition the program builds from codes it controls.
#include <string>

namespace cw::internal {

// The entry's text, or empty for an unknown number.
const std::string& CatalogueEntry(int id);

}  // namespace cw::internal
