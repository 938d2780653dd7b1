#pragma once
// ReadWatch: the read failures of one piece of work.
//
// A query that fails half-way (a damaged page, an I/O error) must not pass for
// one that ended: a table built from half its rows shows wrong totals. While a
// watch lives, every failed query of its thread is recorded in it (and in the
// watches around it) instead of being shown at once, so that whoever builds a
// table can throw the rows away and say why once:
//
//   ReadWatch reads;
//   GridModel table = BuildTable();
//   if (reads.ReportIfFailed()) return EmptyTable();
//
// Without a watch, a failed query is shown at once. Inside a transaction a
// failed query also fails the transaction.
#include <string>

#include "base/prompter.h"

namespace cw {

class ReadWatch {
 public:
  ReadWatch();
  ~ReadWatch();
  ReadWatch(const ReadWatch&) = delete;
  ReadWatch& operator=(const ReadWatch&) = delete;

  bool Failed() const { return failed_; }
  // The cause of the first failure, empty when none.
  const std::string& Cause() const { return cause_; }
  // Shows "数据库读取失败！\n\n错误信息:%s。" when a query failed, unless a
  // watch around this one will say it for the whole work; true when one failed.
  bool ReportIfFailed(Prompter& prompter = CurrentPrompter()) const;

  // Records a failure in every watch of this thread; false when there is none.
  static bool RecordFailure(const std::string& cause);

 private:
  ReadWatch* outer_;
  bool failed_ = false;
  std::string cause_;
};

}  // namespace cw
