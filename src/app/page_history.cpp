#include "app/page_history.h"

namespace cw {

void PageHistory::Record(const HistoryEntry& entry) {
  if (HistoryEntry* current = Current(); current && current->command == entry.command &&
                                         current->params == entry.params) {
    current->caption = entry.caption;
    return;
  }
  entries_.resize(cursor_ + 1);
  entries_.push_back(entry);
  if (Size() > kCapacity) entries_.erase(entries_.begin(), entries_.begin() + (Size() - kCapacity));
  cursor_ = Size() - 1;
}

void PageHistory::Clear() {
  entries_.clear();
  cursor_ = -1;
}

HistoryEntry* PageHistory::Current() { return cursor_ >= 0 ? &entries_[cursor_] : nullptr; }

bool PageHistory::SetCursor(int index) {
  if (index < 0 || index >= Size()) return false;
  cursor_ = index;
  return true;
}

std::vector<int> PageHistory::BackIndexes() const {
  std::vector<int> indexes;
  for (int i = cursor_ - 1; i >= 0; --i) indexes.push_back(i);
  return indexes;
}

std::vector<int> PageHistory::ForwardIndexes() const {
  std::vector<int> indexes;
  for (int i = cursor_ + 1; i < Size(); ++i) indexes.push_back(i);
  return indexes;
}

}  // namespace cw
