// coinwright-cli: the household ledger from the command line.
//
// Exit codes: 0 done, 2 bad input (nothing written), 1 a failed operation
// (the library rolled its transaction back). Every error is one line on stderr.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/cli_prompter.h"
#include "cli/verbs.h"
#include "cli/xlsx_output.h"
#include "store/database.h"
#include "store/read_watch.h"

namespace {

using namespace cw::cli;

void ReportError(const CliError& error, const std::string& cause) {
  std::string line = OneLine(error.what());
  // The library's own explanation, unless the message already carries it.
  if (!cause.empty() && line.find(cause) == std::string::npos) line += ": " + cause;
  std::fprintf(stderr, "coinwright-cli: %s\n", line.c_str());
}

int ReportReadFailure(CliPrompter& prompter) {
  ReportError(Failed("the data could not be read"), prompter.Take());
  return kExitFailed;
}

int Run(int argc, char** argv, CliPrompter& prompter) {
  // Every query of the verb; a failed one is reported with the error it caused.
  cw::ReadWatch reads;
  try {
    CommandLine line = ParseCommandLine(argc, argv);
    if (line.verb == "help") {
      std::cout << UsageText();
      return kExitOk;
    }
    if (line.verb.empty()) throw BadInput("no verb given; try coinwright-cli help");
    const Verb* verb = FindVerb(line.verb);
    if (!verb) throw BadInput("unknown verb \"" + line.verb + "\"; try coinwright-cli help");

    Invocation invocation{line.globals, line.words, verb->usage, verb->access};
    Document document = verb->run(invocation);
    // A query that failed half-way leaves a result that looks whole: it is not printed.
    if (reads.ReportIfFailed()) return ReportReadFailure(prompter);
    if (line.globals.xlsx) WriteWorkbook(document, line.verb, *line.globals.xlsx);
    // Printed only when the verb succeeded as a whole: a failure prints nothing on stdout.
    std::ostringstream out;
    if (line.globals.json) {
      WriteJson(document, out);
    } else if (line.globals.csv) {
      WriteCsv(document, out);
    } else {
      WriteText(document, out);
    }
    std::cout << out.str() << std::flush;
    if (std::string notes = prompter.Take(); !notes.empty()) std::fprintf(stderr, "coinwright-cli: %s\n", notes.c_str());
    return kExitOk;
  } catch (const CliError& error) {
    // What a verb concluded from data it could not read ("does not exist") is
    // not the point: the read failed.
    if (reads.ReportIfFailed()) return ReportReadFailure(prompter);
    ReportError(error, prompter.Take());
    return error.code();
  } catch (const std::exception& error) {
    if (reads.ReportIfFailed()) return ReportReadFailure(prompter);
    ReportError(Failed(error.what()), prompter.Take());
    return kExitFailed;
  }
}

}  // namespace

int main(int argc, char** argv) {
  CliPrompter prompter;
  cw::SetPrompter(&prompter);
  int code = Run(argc, argv, prompter);
  cw::Database::CloseDatabase();
  cw::SetPrompter(nullptr);
  return code;
}
