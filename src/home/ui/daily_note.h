#pragma once
// CDailyNote: the tip dialog "每日一帖". It shows one note at a time, steps
// backwards and forwards with wrap-around, and keeps the user's choice of
// seeing it after login.
#include <string>
#include <vector>

#include "home/daily_notes.h"
#include "ui/own_dialog.h"

class QCheckBox;
class QPlainTextEdit;
class QToolButton;

namespace cw {

class CDailyNote : public COwnDialog {
  Q_OBJECT
 public:
  explicit CDailyNote(int person_no, QWidget* parent = nullptr);

  // Must be given before the dialog is shown; `notes` must not be empty.
  void SetNotes(std::vector<DailyNote> notes, long start = DailyNoteBrowser::RandomStart());

  const DailyNote& CurrentNote() const { return browser_.Current(); }
  QString ShownText() const;

 public slots:
  void ShowPrevious();
  void ShowNext();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowCurrent();

  int person_no_;
  DailyNoteBrowser browser_{{}, 0};
  QPlainTextEdit* text_ = nullptr;
  QCheckBox* at_login_ = nullptr;
};

// Opens the tip dialog: after login (`at_login`) unless the user turned it off
// or there is no note; from the menu always, reporting a missing tips file.
void ShowDailyNote(QWidget* parent, int person_no, bool at_login);

}  // namespace cw
