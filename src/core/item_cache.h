#pragma once
// CItemCache: the chart of accounts in memory, one per process and shared by
// all threads. Loaded on first use, and again on the next use after anyone
// marks it dirty or another data set was opened.
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace cw {

class CItemCache {
 public:
  struct Entry {
    std::string code;
    std::string name;
    // The stored type of a leaf; a parent takes the type of its first direct
    // leaf child, else of the first leaf after it in code order (0 when none).
    int type = 0;
    bool leaf = false;
  };

  static CItemCache& Instance();

  void MarkDirty();
  std::vector<Entry> Entries();
  int TypeOf(const std::string& code);        // 0 when absent
  std::string NameOf(const std::string& code);  // empty when absent
  // Names of the account and of its ancestors in the chart, top level first,
  // each followed by "\": "A\B\".
  std::string FullPath(const std::string& code);
  bool IsLeaf(const std::string& code);  // false when absent
  bool Exists(const std::string& code);
  // True when no leaf lacks a type.
  bool AllLeavesTyped();
  int CountOfType(int type, bool leaves_only);
  // The n-th account (from 0) of a type in code order; empty when out of range.
  std::string NthOfType(int type, int n, bool leaves_only);
  // Position of `code` among the accounts of its type (-1 when absent) and the
  // size of that group.
  std::pair<int, int> PositionInType(const std::string& code, bool leaves_only);
  // The first free two-digit child code of `parent`: the first gap in 01, 02 ...;
  // empty when the parent is absent.
  std::string NextChildCode(const std::string& parent);

 private:
  CItemCache() = default;
  // Reloads when dirty; caller holds the connection lock, then mutex_.
  void EnsureLoaded();
  // Index of `code`, or -1; caller holds mutex_ and the cache is loaded.
  int Find(const std::string& code) const;

  std::mutex mutex_;
  std::vector<Entry> entries_;  // ascending by code
  bool dirty_ = true;
  int loaded_generation_ = -1;
};

// Derives the types of the parents in a chart listed in code order.
void DeriveParentTypes(std::vector<CItemCache::Entry>& entries);

}  // namespace cw
