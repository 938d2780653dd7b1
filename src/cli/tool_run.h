#pragma once
// The run of one verb as a program of the tool family does it (coinwright-cli,
// coinwright-print): parse the command line, run the verb, hand its document
// on, report every error as one line on stderr and return the exit code.
#include <functional>
#include <string_view>

#include "cli/arguments.h"
#include "cli/cli_prompter.h"
#include "cli/output.h"

namespace cw::cli {

// What the program does with the document of a verb that succeeded as a
// whole (print it, write a file); throws CliError when that fails.
using DocumentSink = std::function<void(const Document& document, const CommandLine& line)>;

// What the program refuses before the verb runs; throws CliError to refuse.
using CommandCheck = std::function<void(const CommandLine& line)>;

// `program` heads every error line; `usage` is printed for the verb "help";
// `check`, when given, sees the command line before the verb runs.
int RunTool(std::string_view program, std::string_view usage, int argc, const char* const* argv,
            CliPrompter& prompter, const DocumentSink& sink, const CommandCheck& check = nullptr);

}  // namespace cw::cli
