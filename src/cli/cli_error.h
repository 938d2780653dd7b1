#pragma once
// How a verb stops: a CliError carries the one line shown on stderr and the
// exit code. Verbs throw it before anything is written, or after a library
// operation failed and rolled back its transaction.
#include <stdexcept>
#include <string>

namespace cw::cli {

enum ExitCode {
  kExitOk = 0,
  kExitFailed = 1,
  kExitBadInput = 2,
  kExitNothingOffered = 3,  // update check: the server offers no newer version
};

class CliError : public std::runtime_error {
 public:
  CliError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
  ExitCode code() const { return code_; }

 private:
  ExitCode code_;
};

// Bad input: unknown verb or option, malformed value, a check that refuses.
inline CliError BadInput(const std::string& message) { return CliError(kExitBadInput, message); }
// A failed operation: the database or the file system let us down.
inline CliError Failed(const std::string& message) { return CliError(kExitFailed, message); }

}  // namespace cw::cli
