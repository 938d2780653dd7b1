// coinwright-print: the table of a coinwright-cli verb printed to a PDF file,
// with the pages the desktop prints. It runs without a display (Qt's offscreen
// platform unless QT_QPA_PLATFORM says otherwise) and keeps Qt out of
// coinwright-cli.
//
//   coinwright-print --pdf FILE [options of coinwright-cli] VERB [its words]
//
// Exit codes and error lines are those of coinwright-cli.
#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_error.h"
#include "cli/cli_prompter.h"
#include "cli/tool_run.h"
#include "print_cli/pdf_print.h"
#include "print_cli/printable_verbs.h"
#include "store/database.h"

namespace {

using namespace cw::cli;

constexpr char kProgram[] = "coinwright-print";
constexpr char kUsage[] =
    "usage: coinwright-print --pdf FILE [--home DIR] [--demo] [--user NAME] [--password-file FILE] VERB ...\n"
    "Prints the table of a table verb (entries, search, initial, ledger, stats, day, budget list, projection,\n"
    "users, plans) to FILE as the desktop program prints it: title, header, column titles and page numbers on A4.\n"
    "The verbs and their options are those of coinwright-cli; see coinwright-cli help.\n";

// The command line without "--pdf FILE" (or "--pdf=FILE"), and the file.
struct PdfArguments {
  std::vector<const char*> rest;
  std::optional<std::string> pdf;
  bool missing_value = false;
};

PdfArguments TakePdf(int argc, char** argv) {
  PdfArguments arguments;
  for (int i = 0; i < argc; ++i) {
    const std::string word = argv[i];
    if (i > 0 && word == "--pdf") {
      if (i + 1 < argc) {
        arguments.pdf = argv[++i];
      } else {
        arguments.missing_value = true;
      }
    } else if (i > 0 && word.starts_with("--pdf=")) {
      arguments.pdf = word.substr(6);
    } else {
      arguments.rest.push_back(argv[i]);
    }
  }
  return arguments;
}

int Run(int argc, char** argv) {
  CliPrompter prompter;
  cw::SetPrompter(&prompter);
  const PdfArguments arguments = TakePdf(argc, argv);
  // Refused before the verb opens the ledger.
  auto check = [&](const CommandLine& line) {
    if (arguments.missing_value) throw BadInput("--pdf needs a file");
    if (!arguments.pdf || arguments.pdf->empty()) throw BadInput("give --pdf FILE; try coinwright-print help");
    CheckPrintable(line);
  };
  auto print = [&](const Document& document, const CommandLine& line) {
    PrintDocumentPdf(document, line.verb, *arguments.pdf, prompter);
  };
  const int code = RunTool(kProgram, kUsage, static_cast<int>(arguments.rest.size()), arguments.rest.data(), prompter,
                           print, check);
  cw::Database::CloseDatabase();
  cw::SetPrompter(nullptr);
  return code;
}

// Qt wants a private runtime folder; a terminal session without one gets a
// temporary one instead of a warning. Returns the folder to remove, if any.
std::optional<std::filesystem::path> EnsureRuntimeFolder() {
  if (getenv("XDG_RUNTIME_DIR")) return std::nullopt;
  std::string folder = (std::filesystem::temp_directory_path() / "coinwright-print-XXXXXX").string();
  if (!mkdtemp(folder.data())) return std::nullopt;
  setenv("XDG_RUNTIME_DIR", folder.c_str(), /*overwrite=*/1);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  const std::optional<std::filesystem::path> runtime = EnsureRuntimeFolder();
  int code;
  {
    QGuiApplication app(argc, argv);
    code = Run(argc, argv);
  }
  if (runtime) std::filesystem::remove_all(*runtime);
  return code;
}
