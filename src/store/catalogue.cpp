#include "store/catalogue.h"

#include <cstdlib>
#include <sstream>
#include <unordered_map>

namespace cw::embedded {
extern const char kStatements[];
}

namespace cw::internal {
namespace {

std::string Trimmed(const std::string& text) {
  std::size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return {};
  std::size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(begin, end - begin + 1);
}

std::unordered_map<int, std::string> ParseCatalogue(const char* text) {
  std::unordered_map<int, std::string> entries;
  std::istringstream in(text);
  std::string line, body;
  int id = 0;
  auto flush = [&] {
    if (id > 0) entries[id] = Trimmed(body);
    body.clear();
  };
  while (std::getline(in, line)) {
    if (line.rfind("-- @", 0) == 0) {
      flush();
      id = std::atoi(line.c_str() + 4);
    } else if (id > 0) {
      body += line;
      body += '\n';
    }
  }
  flush();
  return entries;
}

}  // namespace

const std::string& CatalogueEntry(int id) {
  static const std::unordered_map<int, std::string> entries = ParseCatalogue(embedded::kStatements);
  static const std::string empty;
  auto it = entries.find(id);
  return it == entries.end() ? empty : it->second;
}

}  // namespace cw::internal
