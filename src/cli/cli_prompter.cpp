#include "cli/cli_prompter.h"

namespace cw::cli {
namespace {

// Library messages are laid out for a dialog ("...失败！\n\n错误信息:...").
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

}  // namespace

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
