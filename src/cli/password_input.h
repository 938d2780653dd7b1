#pragma once
// Where the tool reads passwords. Never from the command line: every local
// user can read another's command line (/proc/PID/cmdline).
#include <optional>
#include <string>

namespace cw::cli {

// The first line of `path`, its line end removed. BadInput when the file
// cannot be read.
std::string PasswordFromFile(const std::string& path);

// Whether a password can be typed: standard input is a terminal.
bool TerminalAvailable();

// One line typed at the terminal without echo, after `prompt` on stderr.
// BadInput when there is no terminal.
std::string AskHidden(const std::string& prompt);

// A new password and its confirmation: the first line of `file` (standing as
// its own confirmation), else typed twice at the terminal. BadInput when there
// is neither.
struct NewPassword {
  std::string password;
  std::string confirmation;
};
NewPassword ReadNewPassword(const std::optional<std::string>& file);

}  // namespace cw::cli
