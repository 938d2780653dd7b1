#include "home/daily_note_start.h"

#include "base/prompter.h"
#include "core/settings.h"
#include "home/home_texts.h"

namespace cw {
namespace {
constexpr char kHideDailyNote[] = "HideDailyNote";
}  // namespace

bool ShowDailyNoteAtLogin(int person_no) { return settings::GetNumber(settings::UserKey(person_no), kHideDailyNote) == 0; }

void SetShowDailyNoteAtLogin(int person_no, bool show) {
  settings::SetNumber(settings::UserKey(person_no), kHideDailyNote, show ? 0 : 1);
}

std::optional<std::vector<DailyNote>> NotesToShow(int person_no, bool at_login, const std::string& path) {
  if (at_login && !ShowDailyNoteAtLogin(person_no)) return std::nullopt;
  std::vector<DailyNote> notes;
  if (!ReadDailyNotes(path, &notes) || notes.empty()) {
    if (!at_login) CurrentPrompter().Inform(kNoDailyNotes);
    return std::nullopt;
  }
  return notes;
}

}  // namespace cw
