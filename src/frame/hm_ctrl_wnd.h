#pragma once
// CHmCtrlWnd: what the frame asks of every module window. The frame owns one
// module window at a time; it creates it for a page of its kind, asks it to
// show pages, reads its titles, and passes it the module toolbar's commands.
#include <string>

#include "frame/control_wnd.h"
#include "frame/logon_profile.h"
#include "frame/module_kind.h"
#include "frame/page_params.h"

namespace cw {

class CHmCtrlWnd : public CControlWnd {
  Q_OBJECT
 public:
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

  // Module toolbar commands: whether the module carries `command` out (else the
  // frame does), whether it can now, and doing it.
  virtual bool HandlesCommand(int command) const { return false; }
  virtual bool CommandAvailable(int command) const { return false; }
  virtual void OnCommand(int command) {}

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
  bool VerticalSplit() const { return vertical_; }
  int SplitPercent() const { return percent_; }

 private:
  LogonProfile profile_;
  bool vertical_ = false;
  int percent_ = 50;
};

}  // namespace cw
