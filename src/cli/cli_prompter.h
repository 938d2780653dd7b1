#pragma once
// The prompter of the command-line tool. The libraries explain a refusal or a
// failure through the prompter; the tool keeps those messages, each flattened
// to one line, so that an error is reported as one line together with its
// cause, and the remaining messages go to stderr when the verb ends. Questions
// are answered No: nothing the tool does may depend on a confirmation.
#include <string>
#include <vector>

#include "base/prompter.h"

namespace cw::cli {

// `text` on one line: library messages are laid out for a dialog
// ("...失败！\n\n错误信息:..."), the tool's errors are one line each.
std::string OneLine(const std::string& text);

class CliPrompter final : public Prompter {
 public:
  void Inform(const std::string& text, const std::string& caption, PromptStyle style) override;
  bool Ask(const std::string& text, const std::string& caption) override;

  // The messages kept so far, joined by "; ", and forgets them.
  std::string Take();

 private:
  std::vector<std::string> pending_;
};

}  // namespace cw::cli
