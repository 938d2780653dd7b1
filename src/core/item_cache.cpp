#include "core/item_cache.h"

#include <algorithm>

#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {

namespace {

// The connection lock is always taken before the cache's own, so that a thread
// inside a transaction asking the cache (the plan run) and a thread reloading
// the cache from the data set cannot wait on each other.
class CacheLock {
 public:
  explicit CacheLock(std::mutex& cache) : db_(Database::Lock()), cache_(cache) {}

 private:
  std::lock_guard<std::recursive_mutex> db_;
  std::lock_guard<std::mutex> cache_;
};

}  // namespace

CItemCache& CItemCache::Instance() {
  static CItemCache cache;
  return cache;
}

void DeriveParentTypes(std::vector<CItemCache::Entry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    CItemCache::Entry& parent = entries[i];
    if (parent.leaf) continue;
    parent.type = 0;
    const std::size_t length = parent.code.size();
    int first_leaf_after = -1;
    for (std::size_t j = i + 1; j < entries.size(); ++j) {
      const CItemCache::Entry& e = entries[j];
      if (!e.leaf) continue;
      if (first_leaf_after < 0) first_leaf_after = static_cast<int>(j);
      bool descendant = e.code.size() > length && e.code.compare(0, length, parent.code) == 0;
      if (!descendant) break;
      if (e.code.size() == length + 2) {
        parent.type = e.type;  // a direct leaf child decides
        first_leaf_after = -1;
        break;
      }
    }
    if (first_leaf_after >= 0) parent.type = entries[first_leaf_after].type;
  }
}

void CItemCache::MarkDirty() {
  std::lock_guard guard(mutex_);
  dirty_ = true;
}

void CItemCache::EnsureLoaded() {
  if (!dirty_ && loaded_generation_ == Database::OpenGeneration()) return;
  entries_.clear();
  CDBPack rows;
  rows.Open(Database::LoadStatement(287));
  entries_.reserve(rows.IsEnd() ? 0 : rows.GetLong("NUM"));
  rows.Open(Database::LoadStatement(290, ""));
  for (; !rows.IsEnd(); rows.MoveNext()) {
    entries_.push_back({rows.GetText("Item_No"), rows.GetText("Item_Name"), rows.GetByte("ItemType"),
                        rows.GetLong("NUM") == 1});
  }
  // Part of a chart would make accounts and their bookings vanish without a
  // word; the failure has been reported, and the chart stays empty until the
  // data set is reopened or changed.
  if (rows.Failed()) entries_.clear();
  DeriveParentTypes(entries_);
  dirty_ = false;
  loaded_generation_ = Database::OpenGeneration();
}

int CItemCache::Find(const std::string& code) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), code,
                             [](const Entry& e, const std::string& c) { return e.code < c; });
  return it != entries_.end() && it->code == code ? static_cast<int>(it - entries_.begin()) : -1;
}

std::vector<CItemCache::Entry> CItemCache::Entries() {
  CacheLock guard(mutex_);
  EnsureLoaded();
  return entries_;
}

int CItemCache::TypeOf(const std::string& code) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  int i = Find(code);
  return i < 0 ? 0 : entries_[i].type;
}

std::string CItemCache::NameOf(const std::string& code) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  int i = Find(code);
  return i < 0 ? std::string() : entries_[i].name;
}

std::string CItemCache::FullPath(const std::string& code) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  std::string path;
  for (std::size_t length = 3; length <= code.size(); length += 2) {
    int i = Find(code.substr(0, length));
    if (i >= 0) path += entries_[i].name + "\\";
  }
  return path;
}

bool CItemCache::IsLeaf(const std::string& code) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  int i = Find(code);
  return i >= 0 && entries_[i].leaf;
}

bool CItemCache::Exists(const std::string& code) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  return Find(code) >= 0;
}

bool CItemCache::AllLeavesTyped() {
  CacheLock guard(mutex_);
  EnsureLoaded();
  return std::none_of(entries_.begin(), entries_.end(), [](const Entry& e) { return e.leaf && e.type == 0; });
}

int CItemCache::CountOfType(int type, bool leaves_only) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.type == type && (e.leaf || !leaves_only);
  }));
}

std::string CItemCache::NthOfType(int type, int n, bool leaves_only) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  if (n < 0) return {};
  for (const Entry& e : entries_) {
    if (e.type == type && (e.leaf || !leaves_only) && n-- == 0) return e.code;
  }
  return {};
}

std::pair<int, int> CItemCache::PositionInType(const std::string& code, bool leaves_only) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  int i = Find(code);
  int type = i < 0 ? -1 : entries_[i].type;
  int position = -1, size = 0;
  for (const Entry& e : entries_) {
    if (e.type != type || (!e.leaf && leaves_only)) continue;
    if (e.code == code) position = size;
    ++size;
  }
  return {position, size};
}

std::string CItemCache::NextChildCode(const std::string& parent) {
  CacheLock guard(mutex_);
  EnsureLoaded();
  int i = Find(parent);
  if (i < 0) return {};
  int last = 0;
  for (std::size_t j = i + 1; j < entries_.size(); ++j) {
    const std::string& code = entries_[j].code;
    if (code.compare(0, parent.size(), parent) != 0) break;
    if (code.size() != parent.size() + 2) continue;
    int v = std::stoi(code.substr(parent.size()));
    if (v == last + 1) {
      last = v;
    } else if (v > last + 1) {
      break;  // the first gap
    }
  }
  return ChildCode(parent, last + 1);
}

}  // namespace cw
