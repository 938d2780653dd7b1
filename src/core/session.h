#pragma once
// Who is logged in: the user whose number goes on every voucher booked by hand
// and whose audit mark is set.

namespace cw {

int LoggedInPerson();
void SetLoggedInPerson(int person_no);

}  // namespace cw
