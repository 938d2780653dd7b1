#pragma once
// Every message the program shows goes through one Prompter. The desktop program
// shows a dialog, the command-line tool writes to stderr, tests script the answers.
#include <string>

namespace cw {

enum class PromptStyle { Information, Question, Error };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a message with an OK button.
  virtual void Inform(const std::string& text, const std::string& caption = "提示",
                      PromptStyle style = PromptStyle::Information) = 0;
  // Asks a Yes/No question; true means Yes.
  virtual bool Ask(const std::string& text, const std::string& caption = "提示") = 0;
};

// The process-wide prompter. Never null: until one is installed, messages are
// written to stderr and questions are answered No.
Prompter& CurrentPrompter();
// Installs `prompter` (not owned; null restores the default) and returns the previous one.
Prompter* SetPrompter(Prompter* prompter);

}  // namespace cw
