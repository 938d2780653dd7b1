#pragma once
// A prompter for tests and batch use: records every text and answers questions
// from a queue (No when the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "base/prompter.h"

namespace cw {

class ScriptedPrompter final : public Prompter {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    PromptStyle style;
  };

  void Inform(const std::string& text, const std::string& caption, PromptStyle style) override {
    shown.push_back({text, caption, style});
  }
  bool Ask(const std::string& text, const std::string& caption) override {
    shown.push_back({text, caption, PromptStyle::Question});
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Shown> shown;
  std::deque<bool> answers;
};

// Installs a prompter for the lifetime of the guard and restores the previous one.
class PrompterGuard {
 public:
  explicit PrompterGuard(Prompter& prompter) : previous_(SetPrompter(&prompter)) {}
  ~PrompterGuard() { SetPrompter(previous_); }
  PrompterGuard(const PrompterGuard&) = delete;
  PrompterGuard& operator=(const PrompterGuard&) = delete;

 private:
  Prompter* previous_;
};

}  // namespace cw
