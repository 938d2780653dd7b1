#pragma once
// The tips of the day ("每日一帖"): reading the tips file and stepping through it.
//
// File layout (Config/DailyNotes.xml):
//   <DailyNotes>
//     <note name="title">
//       <p>first paragraph</p>
//       <p>second paragraph</p>
//     </note>
//     ...
//   </DailyNotes>
// Every "note" child of the root element is one tip; its text is its "p"
// paragraphs joined by line breaks. Other elements are ignored.
#include <string>
#include <vector>

namespace cw {

struct DailyNote {
  std::string name;
  std::string text;
  friend bool operator==(const DailyNote&, const DailyNote&) = default;
};

// The shipped tips file.
std::string DailyNotesPath();

// The notes in file order. False when the file is missing or is not XML; a
// file without notes reads as true with an empty list.
bool ReadDailyNotes(const std::string& path, std::vector<DailyNote>* notes);

// Steps through the notes; both directions wrap around.
class DailyNoteBrowser {
 public:
  // `start` is any whole number; the note shown is start modulo the count.
  DailyNoteBrowser(std::vector<DailyNote> notes, long start);

  bool empty() const { return notes_.empty(); }
  std::size_t size() const { return notes_.size(); }
  // Position of the current note; 0 when there are none.
  std::size_t position() const;
  // The current note; must not be called when empty.
  const DailyNote& Current() const;
  void Next() { ++index_; }
  void Previous() { --index_; }

  // A start that differs from one run to the next (the clock seeds it).
  static long RandomStart();

 private:
  std::vector<DailyNote> notes_;
  long index_;
};

// The text area's content for a note: a blank line, the name centred in a
// line of `width` characters (counted as the GBK code page counts bytes), a
// blank line, then the text.
std::string NoteDisplayText(const DailyNote& note, int width);

}  // namespace cw
