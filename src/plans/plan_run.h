#pragma once
// The execution run of the scheduled bookings (CExecuteCP's work without any
// window): every occurrence of every enabled plan that has fallen due is
// booked as an ordinary voucher dated on that day, oldest first.
//
//   PlanRunHost host = ...;            // confirmation, results, progress
//   RunSummary summary = ExecutePlans(today, host);
//
// Each occurrence is one transaction together with the advance of its plan's
// Last_Chargeup. Inside it Last_Chargeup is read again and the occurrence is
// booked only when it still stands where this run found it, so two runs at
// once (the desktop's after a login and the command-line tool's) never book an
// occurrence twice, and a run killed half-way leaves every occurrence either
// booked with the advance or not at all. An occurrence that cannot be booked
// stops its plan there, unchanged from that occurrence on; the others go on.
//
// Safe to call from a worker thread: the host's callbacks and the prompter are
// the only ways out, and they are called on the calling thread.
#include <functional>
#include <string>
#include <vector>

#include "plans/plan_store.h"

namespace cw {

class Prompter;

// PlanRun: one due plan during a run.
struct PlanRun {
  int plan_id = 0;
  bool to_book = true;  // false: cancelled in the confirmation dialog, advanced without booking
  PlanRule rule;
  int chargeup_type = kBookSilently;
  int person_no = 0;
  int last_chargeup = 0;  // where this run started from
  Booking entry;          // what each occurrence books (changed for this run only by the confirmation)
  std::vector<int> dates; // the occurrences due, oldest first
  std::vector<int> booked_vouchers;  // filled by the run
};

// More occurrences than this in one plan make the run ask first.
inline constexpr int kLongAbsenceOccurrences = 366;

// The plans with at least one occurrence on or before `today`, with their
// due dates (the plans of `person_no` first, then the others, each in plan order).
std::vector<PlanRun> CollectDuePlans(int today, int person_no);

// A plan that stopped: its name (schedule and description), the occurrence
// and why it could not be booked.
struct PlanProblem {
  int plan_id = 0;
  int date = 0;
  std::string text;  // the whole message
};

struct PlanRunHost {
  // Called when any plan asks first: the user may cancel plans (to_book) or
  // change their entry for this run. Without it such plans are booked.
  std::function<void(std::vector<PlanRun>&)> confirm;
  // Called at the end with the plans that book and show, when any booked.
  std::function<void(const std::vector<PlanRun>&)> show_results;
  // Occurrences done of all; called after each and once at 0.
  std::function<void(int done, int total)> progress;
};

struct RunSummary {
  int booked = 0;     // vouchers written
  int skipped = 0;    // occurrences advanced without a voucher (cancelled)
  std::vector<PlanRun> plans;  // as run
  std::vector<PlanProblem> problems;
  bool declined_long_absence = false;  // the long-absence question was answered No
};

// Runs the due plans up to `today` as the logged-in user. Questions (a long
// absence) and the problems at the end go through `prompter`.
RunSummary ExecutePlans(int today, PlanRunHost& host, Prompter& prompter);

// Books what `runs` hold, as ExecutePlans does after collecting and confirming
// (exposed for a caller that collected and confirmed on its own).
RunSummary BookPlanRuns(std::vector<PlanRun> runs, PlanRunHost& host, Prompter& prompter);

// "预约记账“每月5日 <YM>工资”在2026-12-05无法记账：..." for a problem.
std::string PlanProblemText(const PlanRun& run, int date, const std::string& reason);

}  // namespace cw
