#pragma once
// Closes the running desktop program before its files are replaced. The
// program runs while it holds the lock of its data home; it is asked to close
// with message 2025 over its socket and is given time for its exit backup.
// Called on the run's worker thread.
#include <QString>
#include <chrono>
#include <functional>
#include <string>

namespace cw::patchwell {

struct CloseTiming {
  std::chrono::milliseconds wait{15000};  // for the program to end after 2025
  std::chrono::milliseconds poll{100};
};

// Yes/No questions, answered on the window's thread.
using Ask = std::function<bool(const std::string& question)>;

// True when no program runs on `data_home`, or once it has ended. When one
// runs: asks string 23 (No: false); sends 2025 and waits; while it still runs,
// asks string 22 (Yes: sends and waits again; No: false). `unattended` answers
// string 22 with No, since nobody is there to close the program by hand.
bool CloseRunningProgram(const QString& data_home, const Ask& ask, bool unattended, const CloseTiming& timing = {});

}  // namespace cw::patchwell
