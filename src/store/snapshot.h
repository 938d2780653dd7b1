#pragma once
// Whole copies of the open data set.
//
// A copy is read through the open connection with the database's backup
// interface, so it is a consistent snapshot of every committed transaction,
// also of those still in the write-ahead log, and it opens with the data set's
// key. It is written under a temporary name beside its target, synced, and
// renamed into place: the target is always either the file it was before or a
// whole new copy, whatever happens half-way (a crash, a full disk).
#include <string>

namespace cw {

// The temporary name a copy to `target` is built under.
std::string PartialName(const std::string& target);

// Writes a snapshot of the open data set to `target` (created with mode 0600,
// replacing a file of that name). False with the cause in *error; the target
// is then untouched.
bool WriteSnapshot(const std::string& target, std::string* error);

// Whether two paths name the same file (through links, "..", another
// spelling). A path that does not exist is never the same file.
bool SameFile(const std::string& a, const std::string& b);

// Creates a folder (and its parents) with mode 0700 when missing. False with
// the cause in *error when it cannot be made or a file has its name.
bool EnsurePrivateFolder(const std::string& folder, std::string* error);

}  // namespace cw
