#pragma once
// CHmCtrlWnd: what the frame asks of every module window. The frame owns one
// module window at a time; it creates it for a page of its kind, asks it to
// show pages, reads its titles, and passes it the module toolbar's commands.
#include <optional>
#include <string>

#include "frame/app_commands.h"
#include "frame/command_rights.h"
#include "frame/control_wnd.h"
#include "frame/logon_profile.h"
#include "frame/module_kind.h"
#include "frame/page_params.h"
#include "output/page_output.h"

class QMenu;

namespace cw {

class CHmCtrlWnd : public CControlWnd {
  Q_OBJECT
 public:
  // The command of the "(更改)" link that follows the range in the captions of
  // the modules whose pages show a range of dates.
  static constexpr int kChangeRange = 1185;

  CHmCtrlWnd(const LogonProfile& profile, QWidget* parent) : CControlWnd(parent), profile_(profile) {}

  virtual ModuleKind Kind() const = 0;

  // Shows `page` (one of the module's pages). `replay` holds the parameters of
  // a history entry being replayed, else null. Returns true when the module
  // toolbar must be rebuilt.
  virtual bool ShowPage(int page, bool forced, const PageParams* replay) = 0;
  virtual int CurrentPage() const = 0;
  // The title of the page shown (history lists) and the caption bar's text.
  virtual std::string PageTitle() const = 0;
  virtual std::string CaptionText() const { return PageTitle(); }
  // The parameters the frame keeps in the page's history entry.
  virtual PageParams CurrentParams() const { return {}; }

  // The number under which the user's background of this window is stored
  // (kHomeWindow, kStatisticsWindow, kBudgetWindow); 0 for a window without one.
  // The frame loads the background into Backdrop().
  virtual int BackgroundWindow() const { return 0; }

  // Module toolbar commands: whether the module carries `command` out (else the
  // frame does), whether it can now, and doing it.
  virtual bool HandlesCommand(int command) const { return false; }
  virtual bool CommandAvailable(int command) const { return false; }
  virtual void OnCommand(int command) {}

  // The table of the page shown, with its texts, for 打印 (745) and 导出 (769),
  // which the frame carries out; none while the page shows no table.
  virtual std::optional<PageOutput> CurrentOutput() const { return std::nullopt; }
  // 打印 and 导出: carried out by the frame, never by a module.
  static bool IsOutputCommand(int command) { return command == cmd::kPrint || command == cmd::kExport; }
  // Whether 打印 or 导出 can run now: built, permitted, and a table is shown.
  bool OutputCommandAvailable(int command) const {
    if (!CommandEnabled(command, profile_.rights, profile_.level)) return false;
    const std::optional<PageOutput> output = CurrentOutput();
    return output && output->grid;
  }

  // The logged-in user's profile read again (he changed his own record).
  void UpdateProfile(const LogonProfile& profile) { profile_ = profile; }

  // The split of data windows for modules that show two ("DataWndVertAlign",
  // "DataWndAlignPercent").
  void SetDataAlignment(bool vertical, int percent) {
    vertical_ = vertical;
    percent_ = percent;
  }

 signals:
  // The caption text changed; the frame refreshes the caption bar.
  void CaptionChanged();
  // The availability of a toolbar command changed (a selection, for instance).
  void CommandStateChanged();
  // A link asks for a ledger page: the home page's 1201 message.
  void LedgerRequested(int kind, const QString& target);
  // The user chose how the data windows are split (vertical: one above the
  // other); the frame keeps the choice for the user.
  void DataAlignmentChosen(bool vertical);
  // The record of user `person_no` changed; when he is the one logged in, the
  // frame reads his profile again (his name in the title, his rights).
  void UserChanged(int person_no);

 protected:
  const LogonProfile& Profile() const { return profile_; }
  // A context-menu item of the module: 打印 and 导出 go to the frame, every
  // other command to the module itself.
  bool ContextCommandAvailable(int command) const {
    return IsOutputCommand(command) ? OutputCommandAvailable(command) : CommandAvailable(command);
  }
  void RunContextCommand(int command) {
    if (IsOutputCommand(command))
      emit CommandRequested(command);
    else
      OnCommand(command);
  }
  // Adds `command` to a context menu of the module as `text`, enabled when it
  // can run now.
  void AddContextCommand(QMenu& menu, const QString& text, int command);
  // The "(更改)" link of a caption (rich text), to follow the range line.
  static std::string ChangeRangeLink();
  bool VerticalSplit() const { return vertical_; }
  int SplitPercent() const { return percent_; }

 private:
  LogonProfile profile_;
  bool vertical_ = false;
  int percent_ = 50;
};

}  // namespace cw
