#include "store/schema.h"

#include <sstream>
#include <string>

#include "store/database.h"
#include "store/layout_steps.h"

namespace cw::embedded {
extern const char kSchema[];
}

namespace cw {

bool RunScript(const char* script) {
  std::istringstream in(script);
  std::string line, statement;
  bool ok = true;
  auto run = [&] {
    if (statement.find_first_not_of(" \t\r\n") != std::string::npos) ok = Database::Execute(statement) && ok;
    statement.clear();
  };
  while (std::getline(in, line)) {
    if (line == ";") {
      run();
    } else if (line.rfind("--", 0) != 0) {
      statement += line;
      statement += '\n';
    }
  }
  run();
  return ok;
}

bool CreateSchema() { return RunScript(embedded::kSchema) && ApplyLayoutSteps(0); }

}  // namespace cw
