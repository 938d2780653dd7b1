#pragma once
// Store-internal access to the shared connection: prepared statements are kept
// per statement text and handed out one user at a time, because preparing the
// same few statements again for every row of an import costs more than running them.
#include <string>

#include "store/failure_cause.h"
#include "store/sql_value.h"

struct sqlite3_stmt;

namespace cw::internal {

// A prepared statement for `sql` with `params` bound, or null on failure with
// the cause in *cause; null also inside a transaction guard that could not
// begin. The caller must hold the connection lock.
sqlite3_stmt* AcquireStatement(const std::string& sql, const SqlParams& params, FailureCause* cause);
// Gives the statement back for reuse (reset, bindings cleared).
void ReleaseStatement(sqlite3_stmt* stmt);
// The cause of result code `rc` on the shared connection, naming its file.
FailureCause CauseOfLast(int rc);
// Shows the operation-failed message unless silent, and marks an open
// transaction as failed.
void ReportFailure(const FailureCause& cause, bool silent);
// The same for a query: inside a ReadWatch the failure is recorded there
// instead of shown. `while_reading`: the query ran and failed at a row (shown
// as "数据库读取失败！..."), not before it ran.
void ReportQueryFailure(const FailureCause& cause, bool silent, bool while_reading);

}  // namespace cw::internal
