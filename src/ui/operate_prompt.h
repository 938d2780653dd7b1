#pragma once
// COperatePrompt: the program's message dialog, and the prompter that shows it.
#include <QString>

#include "base/prompter.h"
#include "ui/own_dialog.h"

class QLabel;

namespace cw {

class COperatePrompt : public COwnDialog {
  Q_OBJECT
 public:
  // A question shows 是(&Y)/否(&N), anything else 确定(&O).
  COperatePrompt(const QString& text, const QString& caption, PromptStyle style, QWidget* parent = nullptr);
};

// Shows every message of the program in a COperatePrompt over the active window.
class DialogPrompter final : public Prompter {
 public:
  void Inform(const std::string& text, const std::string& caption, PromptStyle style) override;
  bool Ask(const std::string& text, const std::string& caption) override;
};

}  // namespace cw
