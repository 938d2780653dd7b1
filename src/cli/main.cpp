// coinwright-cli: the household ledger from the command line.
//
// Exit codes: 0 done, 2 bad input (nothing written), 1 a failed operation
// (the library rolled its transaction back). Every error is one line on stderr.
#include <iostream>
#include <sstream>

#include "cli/cli_prompter.h"
#include "cli/tool_run.h"
#include "cli/verbs.h"
#include "cli/xlsx_output.h"
#include "store/database.h"

namespace {

using namespace cw::cli;

// Printed only when the verb succeeded as a whole: a failure prints nothing on stdout.
void WriteDocument(const Document& document, const CommandLine& line) {
  if (line.globals.xlsx) WriteWorkbook(document, line.verb, *line.globals.xlsx);
  std::ostringstream out;
  if (line.globals.json) {
    WriteJson(document, out);
  } else if (line.globals.csv) {
    WriteCsv(document, out);
  } else {
    WriteText(document, out);
  }
  std::cout << out.str() << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
  CliPrompter prompter;
  cw::SetPrompter(&prompter);
  int code = RunTool("coinwright-cli", UsageText(), argc, argv, prompter, WriteDocument);
  cw::Database::CloseDatabase();
  cw::SetPrompter(nullptr);
  return code;
}
