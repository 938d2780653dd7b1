#pragma once
// The data home is readable by its owner only.
//
// The key of the data files is built into the program, so anyone who can copy
// a data file can read every voucher in it: the file modes are the protection.
// The data home is 0700 and every file the program keeps there (the data sets,
// their journals, the backups, Coinwright.ini) is 0600.
#include <string>
#include <vector>

namespace cw {

// Creates `folder` (and missing parents) and makes it 0700. False with the
// reason in *error when it cannot be made or is not a folder.
bool MakePrivateFolder(const std::string& folder, std::string* error);

// Creates an empty file that only its owner can read and write; false when it
// exists already or cannot be made.
bool CreatePrivateFile(const std::string& path);

// Narrows what is wider than the modes above: the folder itself, the data
// sets with their journals, the settings, and the folders Backup/ and Temp/
// with every file in them. Only group's and others' rights are taken away;
// symbolic links are left alone. Returns the paths that were changed.
std::vector<std::string> TightenDataHome(const std::string& folder);

}  // namespace cw
