#pragma once
// CChargeUp ("记账"): the booking dialog of the entry pages.
//
// It offers the kinds of its page ("记账类型："), labels its fields with the
// kind's captions, fills the three account pickers with the accounts the kind
// allows, shows picker 3 and amount 2 only for the three-line kinds and the
// deposit-type list only for deposits, growing and shrinking with them. Every
// confirmation runs the booking checks (their messages in order, the focus on
// the input concerned) and hands the booking to the dialog's saver, which
// writes it through the voucher engine unless the opener supplies its own.
//
//   new voucher:  "保存新增(&A)" saves, clears the amounts and stays open;
//                 "保存退出(&O)" saves, remembers the kind for the user and
//                 page, and closes; "取消(&C)" closes.
//   changing:     the voucher's values; "确定(&O)", enabled only while the
//                 logged-in user may change the voucher (CanEdit).
//   view only:    no saving; one centred "退出(&Q)".
//
// The entry window's calls:
//   std::vector<int> numbers = CChargeUp::BookNew(this, page);
//   int new_number = CChargeUp::EditVoucher(this, page, number);
#include <functional>
#include <vector>

#include "bookkeeping/booking/booking_checks.h"
#include "bookkeeping/booking/booking_form.h"
#include "ui/own_dialog.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cw {

class CSelectItemWnd;

class CChargeUp : public COwnDialog {
  Q_OBJECT
 public:
  enum class Mode { kNew, kEdit, kView };
  // Writes a confirmed booking; returns the voucher number, 0 when nothing was
  // written (the dialog then keeps its values and stays open).
  using Saver = std::function<int(const Booking&)>;

  // A new voucher of entry page `page`; saved with WriteVoucher.
  explicit CChargeUp(int page, QWidget* parent = nullptr);
  // Voucher `number` opened from `page` for changing (saved with
  // ReplaceVoucher) or for viewing. A kind the page does not offer (a ledger
  // window opening any voucher) takes the options of the kind's own page.
  CChargeUp(Mode mode, int page, int number, QWidget* parent = nullptr);

  // Replaces the saver, e.g. by one that also updates the opener's table.
  void SetSaver(Saver saver) { saver_ = std::move(saver); }

  // Changing or viewing: false when the voucher could not be read.
  bool HasVoucher() const { return mode_ == Mode::kNew || loaded_; }
  int Kind() const { return kind_; }
  // The inputs as they stand, and the booking they describe.
  BookingForm Form() const;
  Booking Values() const { return ComposeBooking(Form()); }
  // The numbers the saver returned, in saving order. A later voucher booked on
  // an earlier day of the same month moves an earlier one's number up.
  const std::vector<int>& Written() const { return written_; }

  // Opens the dialog for new vouchers of `page` and returns the numbers
  // written (`saver` empty: WriteVoucher).
  static std::vector<int> BookNew(QWidget* parent, int page, Saver saver = {});
  // Opens voucher `number` for changing; returns its new number, 0 when it was
  // not changed or could not be read (`saver` empty: ReplaceVoucher).
  static int EditVoucher(QWidget* parent, int page, int number, Saver saver = {});
  // Shows voucher `number` without a way to save it.
  static void ViewVoucher(QWidget* parent, int page, int number);

 public slots:
  // "保存退出(&O)" / "确定(&O)".
  void accept() override;

 protected:
  // The scheduled-booking editor (CChargeupPlan) builds on this dialog: a new
  // entry of `page` as a plan (title "预约记账", no "保存新增", the kind
  // remembered under the plans' setting) or a plan being changed; the editor
  // sets its saver and adds its schedule section.
  CChargeUp(int page, Mode mode, bool plan, QWidget* parent);
  // Puts `section` between the fields and the buttons.
  void AddSection(QWidget* section);
  void HideDate();
  // Shows a stored entry (a plan's) in the fields.
  void LoadBooking(const Booking& booking) { LoadVoucher(booking); }
  void SetOkEnabled(bool enabled);
  QLineEdit* DescriptionEdit() const { return description_; }

 private:
  void Build();
  void AddRow(QGridLayout* grid, QLabel*& label, QWidget* field, int row);
  void ChooseKind(int kind);
  void FillPickers();
  void LoadVoucher(const Booking& voucher);
  bool Confirm();
  void SaveAndAdd();
  void Focus(EntryField field);
  void ManagePickerAccounts(CSelectItemWnd* picker);

  Mode mode_ = Mode::kNew;
  bool plan_ = false;
  int page_ = 0;
  bool loaded_ = false;
  int kind_ = 0;
  std::vector<int> kinds_;  // the kind options, in offset order
  Saver saver_;
  std::vector<int> written_;

  QDateEdit* date_ = nullptr;
  QButtonGroup* kind_group_ = nullptr;
  QLabel* picker_labels_[kPickerCount] = {};
  CSelectItemWnd* pickers_[kPickerCount] = {};
  QLabel* amount_labels_[2] = {};
  QLineEdit* amounts_[2] = {};
  QLabel* deposit_label_ = nullptr;
  QComboBox* deposit_ = nullptr;
  QLabel* description_label_ = nullptr;
  QLineEdit* description_ = nullptr;
  QPushButton* save_add_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QLabel* date_label_ = nullptr;
};

}  // namespace cw
