#pragma once
// Whether and with which notes the tip dialog opens.
#include <optional>
#include <string>
#include <vector>

#include "home/daily_notes.h"

namespace cw {

// The notes to show, or nothing when the dialog stays closed. After login
// (`at_login`) the dialog stays closed when the user has asked not to see it
// ("HideDailyNote" in the user's settings) or when the file gives no note;
// asked for from the menu, a file that gives no note is reported.
std::optional<std::vector<DailyNote>> NotesToShow(int person_no, bool at_login,
                                                  const std::string& path = DailyNotesPath());

// Stores the state of the dialog's "show after login" box.
void SetShowDailyNoteAtLogin(int person_no, bool show);
bool ShowDailyNoteAtLogin(int person_no);

}  // namespace cw
