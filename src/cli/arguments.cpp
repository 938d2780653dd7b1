#include "cli/arguments.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "cli/cli_error.h"

namespace cw::cli {
namespace {

bool IsOption(std::string_view word) { return word.size() > 2 && word.substr(0, 2) == "--"; }

struct SplitOption {
  std::string name;
  std::optional<std::string> joined_value;  // from --name=value
};

SplitOption Split(std::string_view word) {
  std::string_view body = word.substr(2);
  std::size_t equals = body.find('=');
  if (equals == std::string_view::npos) return {std::string(body), std::nullopt};
  return {std::string(body.substr(0, equals)), std::string(body.substr(equals + 1))};
}

// The global options that take a value, with what the value is called in an error.
struct ValueOption {
  std::string_view name;
  std::string_view value;
  std::optional<std::string> GlobalOptions::*field;
};
constexpr ValueOption kValueOptions[] = {
    {"home", "a folder", &GlobalOptions::home},
    {"user", "a user name", &GlobalOptions::user},
    {"password-file", "a file", &GlobalOptions::password_file},
    {"xlsx", "a file", &GlobalOptions::xlsx},
};

// Takes one global option starting at words[i]; returns how many words it used
// (0 when words[i] is not a global option).
std::size_t TakeGlobal(const std::vector<std::string>& words, std::size_t i, GlobalOptions& globals) {
  if (!IsOption(words[i])) return 0;
  SplitOption option = Split(words[i]);
  if (option.name == "demo" || option.name == "json" || option.name == "csv") {
    if (option.joined_value) throw BadInput("--" + option.name + " takes no value");
    (option.name == "demo" ? globals.demo : option.name == "json" ? globals.json : globals.csv) = true;
    if (globals.json && globals.csv) throw BadInput("give one of --json and --csv");
    return 1;
  }
  auto spec = std::find_if(std::begin(kValueOptions), std::end(kValueOptions),
                           [&](const ValueOption& o) { return o.name == option.name; });
  if (spec == std::end(kValueOptions)) return 0;
  std::optional<std::string>& field = globals.*spec->field;
  if (field) throw BadInput("--" + option.name + " given twice");
  if (option.joined_value) {
    field = *option.joined_value;
    return 1;
  }
  if (i + 1 >= words.size()) throw BadInput("--" + option.name + " needs " + std::string(spec->value));
  field = words[i + 1];
  return 2;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
  // Text is UTF-8 throughout: a name stored from other bytes could never be
  // typed again (a user so named could not log in).
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (!IsValidUtf8(words[i])) throw BadInput(StrFormat("argument %zu is not valid UTF-8", i + 1));
  }
  CommandLine line;
  std::size_t i = 0;
  while (i < words.size() && IsOption(words[i]) && words[i] != "--help") {
    std::size_t used = TakeGlobal(words, i, line.globals);
    if (used == 0) throw BadInput("unknown option " + words[i] + " before the verb");
    i += used;
  }
  if (i < words.size()) line.verb = words[i] == "--help" ? "help" : words[i];
  if (i < words.size()) ++i;
  line.words.assign(words.begin() + static_cast<std::ptrdiff_t>(i), words.end());
  return line;
}

std::vector<std::string> TakeGlobalOptions(const std::vector<std::string>& words, GlobalOptions& globals) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < words.size();) {
    if (std::size_t used = TakeGlobal(words, i, globals)) {
      i += used;
    } else {
      rest.push_back(words[i++]);
    }
  }
  return rest;
}

VerbOptions VerbOptions::Parse(const std::vector<std::string>& words, const VerbSyntax& syntax,
                               GlobalOptions& globals) {
  VerbOptions result;
  result.usage_ = syntax.usage;
  auto fail = [&](const std::string& what) { return BadInput(what + " (usage: " + result.usage_ + ")"); };

  for (std::size_t i = 0; i < words.size();) {
    if (std::size_t used = TakeGlobal(words, i, globals)) {
      i += used;
      continue;
    }
    if (!IsOption(words[i])) {
      result.positionals_.push_back(words[i++]);
      continue;
    }
    SplitOption option = Split(words[i]);
    auto spec = std::find_if(syntax.options.begin(), syntax.options.end(),
                             [&](const OptionSpec& s) { return s.name == option.name; });
    if (spec == syntax.options.end()) throw fail("unknown option --" + option.name);
    if (result.Has(option.name)) throw fail("--" + option.name + " given twice");
    std::string value;
    if (spec->takes_value) {
      if (option.joined_value) {
        value = *option.joined_value;
      } else if (i + 1 < words.size()) {
        value = words[++i];
      } else {
        throw fail("--" + option.name + " needs a value");
      }
    } else if (option.joined_value) {
      throw fail("--" + option.name + " takes no value");
    }
    result.values_.emplace(option.name, std::move(value));
    ++i;
  }
  if (result.positionals_.size() != syntax.positionals) {
    throw fail(result.positionals_.size() < syntax.positionals ? "missing argument"
                                                               : "unexpected argument " + result.positionals_.back());
  }
  return result;
}

std::optional<std::string> VerbOptions::Value(std::string_view name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

const std::string& VerbOptions::Required(std::string_view name) const {
  auto it = values_.find(name);
  if (it == values_.end()) throw BadInput("--" + std::string(name) + " is required (usage: " + usage_ + ")");
  return it->second;
}

}  // namespace cw::cli
