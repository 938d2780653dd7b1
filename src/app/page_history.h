#pragma once
// The pages a user visited, for the frame's "back" and "forward" buttons and
// their drop-down lists.
//
// Entries hold the command and plain page parameters, never a module window,
// so they stay valid after the module that showed them is gone. A module
// writes its parameters into the current entry before the frame leaves the
// page and receives them again when the entry is replayed.
#include <string>
#include <vector>

#include "frame/page_params.h"

namespace cw {

struct HistoryEntry {
  int command = 0;
  std::string caption;
  PageParams params;
};

class PageHistory {
 public:
  // The oldest entries are dropped beyond this many.
  static constexpr int kCapacity = 30;

  // Records a page that has just been shown, like a browser: the entries after
  // the cursor are dropped, the new one is appended and becomes current. The
  // same page with the same parameters as the current entry adds nothing.
  void Record(const HistoryEntry& entry);
  void Clear();

  // -1 when there is no current entry.
  int Cursor() const { return cursor_; }
  int Size() const { return static_cast<int>(entries_.size()); }
  const HistoryEntry& At(int index) const { return entries_.at(index); }
  // The current entry; null before the first page.
  HistoryEntry* Current();

  bool CanBack() const { return cursor_ > 0; }
  bool CanForward() const { return cursor_ + 1 < Size(); }
  // Makes entry `index` current (after the frame has shown it again); false
  // for an index outside the list.
  bool SetCursor(int index);

  // Indexes for the drop-down lists, nearest to the cursor first.
  std::vector<int> BackIndexes() const;
  std::vector<int> ForwardIndexes() const;

 private:
  std::vector<HistoryEntry> entries_;
  int cursor_ = -1;
};

}  // namespace cw
