#pragma once
// CCtrlWndAccountQuery ("账薄查询"): the module of the sixteen ledgers, the
// detail tables 32930-32937 and the balance tables 32940-32947. A balance row
// leads to the detail table of its account, a detail row to its voucher in
// the booking dialog. Every table the user moves to goes through the frame, so
// that the history holds it with its account, range and grid row.
#include <functional>
#include <optional>

#include "frame/hm_ctrl_wnd.h"
#include "reports/ledgers/ledger_page.h"

namespace cw {

class CListWnd;
class HeaderSpanBar;

// The dialogs the window opens, replaceable so that tests answer them.
struct LedgerDialogs {
  // CSelectDetailScope in picker mode: the account and months chosen.
  std::function<std::optional<LedgerPage::Replay>(QWidget*, const std::string& account, const LedgerRange&)>
      ask_detail_scope;
  // CSelectScope in month mode: the months chosen.
  std::function<std::optional<LedgerRange>(QWidget*, const LedgerRange&)> ask_months;
  // The voucher in the booking dialog; true when it was changed.
  std::function<bool(QWidget*, int number)> open_voucher;
};
LedgerDialogs StandardLedgerDialogs();

class CCtrlWndAccountQuery : public CHmCtrlWnd {
  Q_OBJECT
 public:
  CCtrlWndAccountQuery(const LogonProfile& profile, QWidget* parent = nullptr,
                       LedgerDialogs dialogs = StandardLedgerDialogs());
  ~CCtrlWndAccountQuery() override;

  ModuleKind Kind() const override { return ModuleKind::kAccountQuery; }
  bool ShowPage(int page, bool forced, const PageParams* replay) override;
  int CurrentPage() const override { return page_.Command(); }
  std::string PageTitle() const override;
  std::string CaptionText() const override;
  PageParams CurrentParams() const override;
  std::optional<PageOutput> CurrentOutput() const override;

  bool HandlesCommand(int command) const override;
  bool CommandAvailable(int command) const override;
  void OnCommand(int command) override;

  CListWnd* Grid() const { return grid_; }
  const LedgerPage& Page() const { return page_; }
  HeaderSpanBar* SpanBar() const { return span_; }

 protected:
  void OnNavigationNotify(const NavAction& action) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void SaveLayout() const;
  void UpdateNavigation();
  // Leaves a request for the detail table of `account` and asks the frame for it.
  void RequestDetail(const std::string& account, const LedgerRange& range);
  void Find();
  void ChangeRange();
  void Details();
  void ShowContextMenu(const QPoint& position);

  LedgerDialogs dialogs_;
  LedgerPage page_;
  CListWnd* grid_ = nullptr;
  HeaderSpanBar* span_ = nullptr;
};

}  // namespace cw
