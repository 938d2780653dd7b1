#include "cli/tool_run.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/cli_error.h"
#include "cli/verbs.h"
#include "store/read_watch.h"

namespace cw::cli {
namespace {

void ReportError(std::string_view program, const CliError& error, const std::string& cause) {
  std::string line = OneLine(error.what());
  // The library's own explanation, unless the message already carries it.
  if (!cause.empty() && line.find(cause) == std::string::npos) line += ": " + cause;
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.size()), program.data(), line.c_str());
}

int ReportReadFailure(std::string_view program, CliPrompter& prompter) {
  ReportError(program, Failed("the data could not be read"), prompter.Take());
  return kExitFailed;
}

}  // namespace

int RunTool(std::string_view program, std::string_view usage, int argc, const char* const* argv,
            CliPrompter& prompter, const DocumentSink& sink, const CommandCheck& check) {
  // Every query of the verb; a failed one is reported with the error it caused.
  ReadWatch reads;
  const std::string name(program);
  try {
    CommandLine line = ParseCommandLine(argc, argv);
    if (line.verb == "help") {
      std::cout << usage;
      return kExitOk;
    }
    if (line.verb.empty()) throw BadInput("no verb given; try " + name + " help");
    const Verb* verb = FindVerb(line.verb);
    if (!verb) throw BadInput("unknown verb \"" + line.verb + "\"; try " + name + " help");
    if (check) check(line);

    Invocation invocation{line.globals, line.words, verb->usage, verb->access};
    Document document = verb->run(invocation);
    // A query that failed half-way leaves a result that looks whole: it is not handed on.
    if (reads.ReportIfFailed()) return ReportReadFailure(program, prompter);
    sink(document, line);
    if (std::string notes = prompter.Take(); !notes.empty()) std::fprintf(stderr, "%s: %s\n", name.c_str(), notes.c_str());
    return kExitOk;
  } catch (const CliError& error) {
    // What a verb concluded from data it could not read ("does not exist") is
    // not the point: the read failed.
    if (reads.ReportIfFailed()) return ReportReadFailure(program, prompter);
    ReportError(program, error, prompter.Take());
    return error.code();
  } catch (const std::exception& error) {
    if (reads.ReportIfFailed()) return ReportReadFailure(program, prompter);
    ReportError(program, Failed(error.what()), prompter.Take());
    return kExitFailed;
  }
}

}  // namespace cw::cli
