#include "base/prompter.h"

#include <atomic>
#include <cstdio>

namespace cw {
namespace {

class StderrPrompter final : public Prompter {
 public:
  void Inform(const std::string& text, const std::string& caption, PromptStyle) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
  bool Ask(const std::string& text, const std::string& caption) override {
    std::fprintf(stderr, "%s: %s (否)\n", caption.c_str(), text.c_str());
    return false;
  }
};

StderrPrompter default_prompter;
std::atomic<Prompter*> installed{nullptr};

}  // namespace

Prompter& CurrentPrompter() {
  Prompter* p = installed.load();
  return p ? *p : default_prompter;
}

Prompter* SetPrompter(Prompter* prompter) { return installed.exchange(prompter); }

}  // namespace cw
