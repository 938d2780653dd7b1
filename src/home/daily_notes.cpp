#include "home/daily_notes.h"

#include <tinyxml2.h>

#include <ctime>
#include <random>

#include "base/gbk_text.h"
#include "home/resource_path.h"

namespace cw {

std::string DailyNotesPath() { return ResourcePath("Config/DailyNotes.xml"); }

bool ReadDailyNotes(const std::string& path, std::vector<DailyNote>* notes) {
  notes->clear();
  tinyxml2::XMLDocument document;
  if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) return false;
  const tinyxml2::XMLElement* root = document.RootElement();
  if (root == nullptr) return false;
  for (const auto* note = root->FirstChildElement("note"); note; note = note->NextSiblingElement("note")) {
    DailyNote entry;
    if (const char* name = note->Attribute("name")) entry.name = name;
    for (const auto* p = note->FirstChildElement("p"); p; p = p->NextSiblingElement("p")) {
      if (p != note->FirstChildElement("p")) entry.text += "\n";
      if (const char* text = p->GetText()) entry.text += text;
    }
    notes->push_back(std::move(entry));
  }
  return true;
}

DailyNoteBrowser::DailyNoteBrowser(std::vector<DailyNote> notes, long start)
    : notes_(std::move(notes)), index_(start) {}

std::size_t DailyNoteBrowser::position() const {
  if (notes_.empty()) return 0;
  const long count = static_cast<long>(notes_.size());
  return static_cast<std::size_t>((index_ % count + count) % count);
}

const DailyNote& DailyNoteBrowser::Current() const { return notes_[position()]; }

long DailyNoteBrowser::RandomStart() {
  std::mt19937 generator(static_cast<unsigned>(std::time(nullptr)));
  return static_cast<long>(generator() % 32768) + 10000;
}

std::string NoteDisplayText(const DailyNote& note, int width) {
  const int blanks = (width - static_cast<int>(GbkLength(note.name))) / 2 - 2;
  return "\n" + std::string(blanks > 0 ? blanks : 0, ' ') + note.name + "\n\n" + note.text;
}

}  // namespace cw
