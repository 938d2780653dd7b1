#include "store/read_watch.h"

#include "store/failure_cause.h"

namespace cw {
namespace {
thread_local ReadWatch* innermost = nullptr;
}

ReadWatch::ReadWatch() : outer_(innermost) { innermost = this; }

ReadWatch::~ReadWatch() { innermost = outer_; }

bool ReadWatch::ReportIfFailed(Prompter& prompter) const {
  // A watch around this one saw the failure too and says it for the whole work.
  if (failed_ && !outer_) prompter.Inform(ReadFailedMessage(cause_), "提示", PromptStyle::Error);
  return failed_;
}

bool ReadWatch::RecordFailure(const std::string& cause) {
  for (ReadWatch* watch = innermost; watch; watch = watch->outer_) {
    if (!watch->failed_) watch->cause_ = cause;
    watch->failed_ = true;
  }
  return innermost != nullptr;
}

}  // namespace cw
