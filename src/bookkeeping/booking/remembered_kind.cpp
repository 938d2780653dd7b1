#include "bookkeeping/booking/remembered_kind.h"

#include <string>
#include <vector>

#include "core/ledger_model.h"
#include "core/settings.h"

namespace cw {

int RememberedKindOffset(int person_no, int page, bool plans) {
  const std::string name = KindSettingName(page, plans);
  if (name.empty()) return 0;
  return AcceptedKindOffset(page, settings::GetNumber(settings::UserKey(person_no), name));
}

void RememberKindOffset(int person_no, int page, int offset, bool plans) {
  const std::string name = KindSettingName(page, plans);
  if (!name.empty()) settings::SetNumber(settings::UserKey(person_no), name, offset);
}

int StartingKind(int person_no, int page, bool plans) {
  const std::vector<int> kinds = PageKinds(page);
  if (kinds.empty()) return 0;
  return kinds[RememberedKindOffset(person_no, page, plans)];
}

}  // namespace cw
