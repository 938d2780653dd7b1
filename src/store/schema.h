#pragma once

namespace cw {

// Creates every table and index of a data set in the open database, inside the
// caller's transaction. False when a statement failed.
bool CreateSchema();

}  // namespace cw
