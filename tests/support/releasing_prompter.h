#pragma once
// A prompter that records every text and runs `on_message` at the first one:
// it stands in for a user who reads a message while another program's write
// ends, so that whatever an operation does after its message would succeed.
#include <functional>
#include <string>
#include <vector>

#include "base/prompter.h"

namespace cw::testing {

class ReleasingPrompter final : public Prompter {
 public:
  explicit ReleasingPrompter(std::function<void()> on_message) : on_message_(std::move(on_message)) {}
  void Inform(const std::string& text, const std::string&, PromptStyle) override {
    texts.push_back(text);
    if (on_message_) std::exchange(on_message_, nullptr)();
  }
  bool Ask(const std::string& text, const std::string& caption) override {
    Inform(text, caption, PromptStyle::Question);
    return false;
  }

  std::vector<std::string> texts;

 private:
  std::function<void()> on_message_;
};

}  // namespace cw::testing
