#pragma once

namespace cw {

// Creates every table, index and trigger of a data set in the open database
// and records its layout level, inside the caller's transaction. False when a
// statement failed.
bool CreateSchema();

// Runs a script of statements separated by lines holding only ";" (lines
// starting with "--" are comments), inside the caller's transaction. False
// when a statement failed; the statements after it still run.
bool RunScript(const char* script);

}  // namespace cw
