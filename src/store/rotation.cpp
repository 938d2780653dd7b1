#include "store/rotation.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

namespace cw {
namespace {

constexpr char kPrefix[] = "CW_";
constexpr char kSuffix[] = ".db";

}  // namespace

int RotationNumber(const std::string& name) {
  const std::size_t prefix = sizeof kPrefix - 1, suffix = sizeof kSuffix - 1;
  if (name.size() <= prefix + suffix || name.compare(0, prefix, kPrefix) != 0 ||
      name.compare(name.size() - suffix, suffix, kSuffix) != 0) {
    return 0;
  }
  const std::string digits = name.substr(prefix, name.size() - prefix - suffix);
  if (digits.size() > 2 || digits[0] == '0' ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  int n = std::stoi(digits);
  return n <= kMostBackupsKept ? n : 0;
}

std::string RotationName(int number) { return kPrefix + std::to_string(number) + kSuffix; }

std::vector<RotationStep> PlanRotation(const std::vector<std::string>& names, int retain) {
  std::set<int, std::greater<>> present;
  for (const std::string& name : names) {
    if (int n = RotationNumber(name)) present.insert(n);
  }
  // Names that a rename (or the fresh copy, as CW_1) will land on.
  std::set<int> replaced = {1};
  for (int n : present) {
    if (n < retain) replaced.insert(n + 1);
  }
  std::vector<RotationStep> steps;
  for (int n : present) {
    if (n < retain) {
      steps.push_back({RotationName(n), RotationName(n + 1)});
    } else if (!replaced.count(n)) {
      steps.push_back({RotationName(n), ""});
    }
  }
  return steps;
}

bool RotateIn(const std::string& folder, int retain, const std::string& fresh, std::vector<std::string>* problems) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path().filename().string());
  if (error) problems->push_back("cannot list " + folder + ": " + error.message());

  auto in_folder = [&](const std::string& name) { return (fs::path(folder) / name).string(); };
  for (const RotationStep& step : PlanRotation(names, retain)) {
    const std::string from = in_folder(step.from);
    if (step.to.empty()) {
      if (std::remove(from.c_str()) != 0) problems->push_back("cannot delete " + from + ": " + std::strerror(errno));
    } else if (std::rename(from.c_str(), in_folder(step.to).c_str()) != 0) {
      problems->push_back("cannot rename " + from + ": " + std::strerror(errno));
    }
  }
  const std::string newest = in_folder(RotationName(1));
  // A CW_1 that should have moved on but could not is kept rather than replaced.
  if (retain > 1 && fs::exists(newest, error)) {
    problems->push_back("the newest backup " + newest + " could not be moved; the new copy was not kept");
    return false;
  }
  if (std::rename(fresh.c_str(), newest.c_str()) != 0) {
    problems->push_back("cannot rename " + fresh + " to " + newest + ": " + std::strerror(errno));
    return false;
  }
  return true;
}

}  // namespace cw
