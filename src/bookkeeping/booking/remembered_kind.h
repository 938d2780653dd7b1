#pragma once
// The kind option the booking dialog of an entry page opens with, remembered
// per user and page in the settings (value "AccountInput<slot>" under
// "User<n>"; "AccountInputPlan<slot>" for the scheduled-booking dialog).
namespace cw {

// The remembered offset among the page's kinds; a stored value that names none
// of them (edited by hand, or left from another version) gives 0.
int RememberedKindOffset(int person_no, int page, bool plans = false);
// Stores `offset` for the page; nothing for a page that is not an entry page.
void RememberKindOffset(int person_no, int page, int offset, bool plans = false);
// The kind the dialog opens with: the page's kind at the remembered offset
// (0 for a page that is not an entry page).
int StartingKind(int person_no, int page, bool plans = false);

}  // namespace cw
