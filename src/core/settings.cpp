#include "core/settings.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>

#include "base/gbk_text.h"
#include "store/database.h"
#include "store/private_files.h"

namespace cw::settings {
namespace {

using Section = std::map<std::string, std::string>;

struct Store {
  std::mutex mutex;
  std::map<std::string, Section> sections;
  std::string loaded_path;
  long long loaded_stamp = -1;
};

Store& TheStore() {
  static Store store;
  return store;
}

long long Stamp(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec + info.st_size;
}

// Reads the file again when it is another file or changed since it was read.
void Refresh(Store& s) {
  const std::string path = FilePath();
  const long long stamp = Stamp(path);
  if (path == s.loaded_path && stamp == s.loaded_stamp) return;
  s.sections.clear();
  s.loaded_path = path;
  s.loaded_stamp = stamp;
  std::ifstream in(path);
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    std::size_t eq = line.find('=');
    if (eq != std::string::npos) s.sections[section][line.substr(0, eq)] = line.substr(eq + 1);
  }
}

void Save(Store& s) {
  const std::string path = FilePath();
  const std::string temporary = path + ".tmp";
  // The settings name the users' tables and layouts: private like the data sets.
  std::remove(temporary.c_str());
  if (!CreatePrivateFile(temporary)) return;
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const auto& [name, values] : s.sections) {
      out << '[' << name << "]\n";
      for (const auto& [key, value] : values) out << key << '=' << value << '\n';
      out << '\n';
    }
    if (!out) return;
  }
  if (std::rename(temporary.c_str(), path.c_str()) == 0) {
    s.loaded_path = path;
    s.loaded_stamp = Stamp(path);
  }
}

const std::string* Find(Store& s, const std::string& key, const std::string& name) {
  if (name.empty()) return nullptr;
  auto section = s.sections.find(key);
  if (section == s.sections.end()) return nullptr;
  auto value = section->second.find(name);
  return value == section->second.end() ? nullptr : &value->second;
}

bool ParseNumber(const std::string& text, int* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0') return false;
  *value = static_cast<int>(v);
  return true;
}

void Set(const std::string& key, const std::string& name, const std::string& value) {
  if (name.empty()) return;
  Store& s = TheStore();
  std::lock_guard guard(s.mutex);
  Refresh(s);
  s.sections[key][name] = value;
  Save(s);
}

}  // namespace

std::string FilePath() { return Database::DataHome() + "/Coinwright.ini"; }

int GetNumber(const std::string& key, const std::string& name) {
  Store& s = TheStore();
  std::lock_guard guard(s.mutex);
  Refresh(s);
  int value = 0;
  const std::string* text = Find(s, key, name);
  return text && ParseNumber(*text, &value) ? value : 0;
}

bool HasNumber(const std::string& key, const std::string& name) {
  Store& s = TheStore();
  std::lock_guard guard(s.mutex);
  Refresh(s);
  int value = 0;
  const std::string* text = Find(s, key, name);
  return text && ParseNumber(*text, &value);
}

std::string GetText(const std::string& key, const std::string& name) {
  Store& s = TheStore();
  std::lock_guard guard(s.mutex);
  Refresh(s);
  const std::string* text = Find(s, key, name);
  return text ? *text : std::string();
}

void SetNumber(const std::string& key, const std::string& name, int value) { Set(key, name, std::to_string(value)); }

void SetText(const std::string& key, const std::string& name, const std::string& text) {
  // One line per value: line breaks would end the value early.
  std::string flat = text;
  for (char& c : flat) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  Set(key, name, flat);
}

std::string UserKey(int person_no) { return StrFormat("User%d", person_no); }

std::string TableKey(int person_no, int table) { return StrFormat("User%d/T%03d", person_no, table % 1000); }

}  // namespace cw::settings
