#include "cli/cli_prompter.h"

namespace cw::cli {

std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c == '\n' || c == '\r') {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += c;
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

void CliPrompter::Inform(const std::string& text, const std::string&, PromptStyle) {
  pending_.push_back(OneLine(text));
}

bool CliPrompter::Ask(const std::string& text, const std::string&) {
  pending_.push_back(OneLine(text) + " (否)");
  return false;
}

std::string CliPrompter::Take() {
  std::string joined;
  for (const std::string& message : pending_) joined += (joined.empty() ? "" : "; ") + message;
  pending_.clear();
  return joined;
}

}  // namespace cw::cli
