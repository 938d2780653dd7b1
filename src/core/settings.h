#pragma once
// The program's settings: one INI file, Coinwright.ini, in the data home.
//
// A key path such as "User3/T930" names a section, a value name a line in it:
//   [User3/T930]
//   Col2=120
// A missing number reads 0, a missing text reads "". Every change is written
// to the file at once (through a temporary file renamed into place), so the
// settings survive a crash; the file is read again when another process
// changed it. Safe to use from several threads.
#include <string>

namespace cw::settings {

int GetNumber(const std::string& key, const std::string& name);
bool HasNumber(const std::string& key, const std::string& name);
std::string GetText(const std::string& key, const std::string& name);
void SetNumber(const std::string& key, const std::string& name, int value);
void SetText(const std::string& key, const std::string& name, const std::string& text);

// The per-user key "User%d".
std::string UserKey(int person_no);
// The per-table key "User%d/T%03d" (table number mod 1000).
std::string TableKey(int person_no, int table);

// The file in use (the data home's Coinwright.ini).
std::string FilePath();

}  // namespace cw::settings
