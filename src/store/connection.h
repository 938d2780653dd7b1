#pragma once
// Store-internal access to the shared connection: prepared statements are kept
// per statement text and handed out one user at a time, because preparing the
// same few statements again for every row of an import costs more than running them.
#include <string>

#include "store/sql_value.h"

struct sqlite3_stmt;

namespace cw::internal {

// A prepared statement for `sql` with `params` bound, or null on failure with
// the error text in *error. The caller must hold the connection lock.
sqlite3_stmt* AcquireStatement(const std::string& sql, const SqlParams& params, std::string* error);
// Gives the statement back for reuse (reset, bindings cleared).
void ReleaseStatement(sqlite3_stmt* stmt);
// Shows the operation-failed message unless silent, and marks an open
// transaction as failed.
void ReportFailure(const std::string& error, bool silent);

}  // namespace cw::internal
