// book, replace, delete, audit: the writing verbs. Every check runs before the
// voucher engine is called; the engine writes in one transaction.
#include <optional>

#include "bookkeeping/booking/booking_checks.h"
#include "cli/booking_options.h"
#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kBookingOptions[] = {
    {"date", true},   {"kind", true},    {"acc1", true},    {"acc2", true},    {"acc3", true},
    {"amount", true}, {"amount2", true}, {"content", true}, {"deposit", true},
};
constexpr OptionSpec kAuditOptions[] = {{"off", false}};

int VoucherNumberOf(const VerbOptions& options) {
  int number = ParseInteger(options.positionals()[0], "voucher number");
  if (number <= 0) throw BadInput("voucher number: must be above 0");
  return number;
}

// Checks `booking` against the open ledger as the booking dialog would, and
// that its month has room for it (`old_number`: the voucher it replaces, or 0).
void CheckBookable(Booking& booking, int old_number) {
  FillAccountTypes(booking);
  if (std::string why = CheckTypedBooking(booking); !why.empty()) throw BadInput(why);
  // Only reads: the engine runs it again inside its transaction.
  if (NextVoucherNumber(booking.date, old_number) == 0) throw BadInput("no room for the voucher");
}

Booking ExistingVoucher(int number) {
  std::optional<Booking> voucher = ReadVoucher(number);
  if (!voucher) throw BadInput("voucher " + std::to_string(number) + " does not exist");
  return *voucher;
}

Document VoucherNumberDocument(int number) {
  return {{"voucher", Record{{{"number", "凭证号", Format::kNumber}, number}}}};
}

}  // namespace

Booking ReadBookingOptions(const VerbOptions& options, bool with_date) {
  Booking b;
  if (with_date) b.date = ParseDate(options.Required("date"), "--date");
  b.kind = ParseInteger(options.Required("kind"), "--kind");
  b.account1 = options.Required("acc1");
  b.account2 = options.Required("acc2");
  b.amount1 = ParseNumber(options.Required("amount"), "--amount");
  if (auto text = options.Value("acc3")) b.account3 = *text;
  if (auto text = options.Value("amount2")) b.amount2 = ParseNumber(*text, "--amount2");
  if (auto text = options.Value("content")) b.description = *text;
  if (auto text = options.Value("deposit")) b.deposit_code = ParseInteger(*text, "--deposit");
  if (LineCount(b.kind) == 3 && b.account3.empty()) {
    throw BadInput("--acc3 is required for " + KindName(b.kind) + " (kinds 10, 13 and 41 have three lines)");
  }
  return b;
}

Document RunBook(Invocation& invocation) {
  VerbOptions options = invocation.Options(kBookingOptions);
  Booking booking = ReadBookingOptions(options, true);
  OpenLedger(invocation);
  CheckBookable(booking, 0);
  int number = WriteVoucher(booking);
  if (number == 0) throw Failed("the voucher was not written");
  return VoucherNumberDocument(number);
}

Document RunReplace(Invocation& invocation) {
  VerbOptions options = invocation.Options(kBookingOptions, 1);
  const int old_number = VoucherNumberOf(options);
  Booking booking = ReadBookingOptions(options, true);
  OpenLedger(invocation);
  if (!CanEdit(ExistingVoucher(old_number))) {
    throw BadInput("不能更改这笔记账数据。用户只能更改自己创建并且尚未审核的记账数据。");
  }
  CheckBookable(booking, old_number);
  int number = ReplaceVoucher(old_number, booking);
  if (number == 0) throw Failed("the voucher was not replaced");
  return VoucherNumberDocument(number);
}

Document RunDelete(Invocation& invocation) {
  VerbOptions options = invocation.Options({}, 1);
  const int number = VoucherNumberOf(options);
  OpenLedger(invocation);
  if (!CanEdit(ExistingVoucher(number))) {
    throw BadInput("不能删除这笔记账数据。用户只能删除自己创建并且尚未审核的记账数据。");
  }
  if (!DeleteVoucher(number)) throw Failed("the voucher was not deleted");
  return {{"deleted", Record{{{"number", "已删除凭证", Format::kNumber}, number}}}};
}

Document RunAudit(Invocation& invocation) {
  VerbOptions options = invocation.Options(kAuditOptions, 1);
  const int number = VoucherNumberOf(options);
  const bool on = !options.Has("off");
  OpenLedger(invocation);
  const Booking voucher = ExistingVoucher(number);
  if (on) {
    if (voucher.person_no == LoggedInPerson()) throw BadInput("记账数据必须由其他人审核。");
    if (voucher.checker_no > 0) throw BadInput("记账数据已经审核，不能再次审核。");
  } else {
    if (voucher.checker_no <= 0) throw BadInput("记账数据还未审核，不需要取消审核。");
    if (voucher.checker_no != LoggedInPerson()) throw BadInput("取消审核的操作必须由审核人进行。");
  }
  if (!SetAudit(number, on)) throw Failed(on ? "the audit mark was not set" : "the audit mark was not cleared");
  return {{"voucher", Record{{{"number", "凭证号", Format::kNumber}, number},
                             {{"audited", "已审核", Format::kFlag}, on},
                             {{"checker", "审核人", Format::kNumber}, on ? LoggedInPerson() : 0}}}};
}

}  // namespace cw::cli
