#pragma once
// The command line: options that apply to every verb, the verb, and the
// options and plain words of that verb.
//
//   coinwright-cli [--home DIR] [--demo] [--json|--csv] [--xlsx FILE] [--user NAME] [--password-file FILE]
//                  VERB [WORD | --NAME VALUE | --FLAG] ...
//
// The options of every verb may also be written after the verb, and a value may
// be joined to its option with "=" (--amount=12.5).
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cw::cli {

struct GlobalOptions {
  std::optional<std::string> home;  // --home DIR
  bool demo = false;                // --demo: the demonstration data set
  bool json = false;                // --json: machine-readable output
  bool csv = false;                 // --csv: the tables as comma-separated values
  std::optional<std::string> user;  // --user NAME: who logs in
  // --password-file FILE: the login password is its first line. Passwords
  // never come from the command line, where every local user can read them.
  std::optional<std::string> password_file;
  // --xlsx FILE: the verb's table also written to a workbook.
  std::optional<std::string> xlsx;
};

struct CommandLine {
  GlobalOptions globals;
  std::string verb;                // empty when none was given
  std::vector<std::string> words;  // everything after the verb
};

// Throws BadInput for an unknown option before the verb or a missing value.
// "--help" in place of the verb is the verb "help".
CommandLine ParseCommandLine(int argc, const char* const* argv);

// `words` without the options every verb accepts, which go into `globals`.
std::vector<std::string> TakeGlobalOptions(const std::vector<std::string>& words, GlobalOptions& globals);

struct OptionSpec {
  std::string_view name;  // without the leading "--"
  bool takes_value;
};

// What a verb accepts; `usage` is quoted in every error about its words.
struct VerbSyntax {
  std::string_view usage;
  std::span<const OptionSpec> options;
  std::size_t positionals = 0;  // plain words, exactly this many
};

class VerbOptions {
 public:
  // Parses the words of a verb. Options every verb accepts are taken out into
  // `globals`. Throws BadInput for an unknown or repeated option, a missing
  // value, or the wrong number of plain words.
  static VerbOptions Parse(const std::vector<std::string>& words, const VerbSyntax& syntax,
                           GlobalOptions& globals);

  bool Has(std::string_view name) const { return values_.count(name) > 0; }
  std::optional<std::string> Value(std::string_view name) const;
  // The value of an option the verb cannot do without; throws BadInput when absent.
  const std::string& Required(std::string_view name) const;
  const std::vector<std::string>& positionals() const { return positionals_; }

 private:
  std::string usage_;
  std::map<std::string, std::string, std::less<>> values_;  // flags map to ""
  std::vector<std::string> positionals_;
};

}  // namespace cw::cli
