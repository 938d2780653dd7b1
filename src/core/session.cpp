#include "core/session.h"

#include <atomic>

namespace cw {
namespace {
std::atomic<int> logged_in{0};
}

int LoggedInPerson() { return logged_in.load(); }
void SetLoggedInPerson(int person_no) { logged_in.store(person_no); }

}  // namespace cw
