#pragma once
// Which data set a file is. A new data file records it in its header (the
// application id, kept by copies and compaction); a file without the mark
// counts as user data.
struct sqlite3;

namespace cw {

// Writes the mark of data set `which` (Database::kUserData, kDemoData) into the
// open data file. False when the statement failed.
bool MarkOpenDataSet(int which);

// The data set a file's mark names: Database::kUserData (also without a
// mark), kDemoData, or kNone for a mark of something else.
int DataSetOfFile(sqlite3* db);

}  // namespace cw
