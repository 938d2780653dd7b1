#include "cli/password_input.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "cli/cli_error.h"

namespace cw::cli {
namespace {

void DropLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

// Turns the terminal's echo off for as long as it lives.
class EchoOff {
 public:
  EchoOff() : restore_(tcgetattr(STDIN_FILENO, &saved_) == 0) {
    if (!restore_) return;
    termios quiet = saved_;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  ~EchoOff() {
    if (restore_) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  termios saved_{};
  bool restore_;
};

}  // namespace

std::string PasswordFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BadInput("cannot read the password file " + path);
  std::string line;
  std::getline(in, line);
  if (in.bad()) throw BadInput("cannot read the password file " + path);
  DropLineEnd(line);
  return line;
}

bool TerminalAvailable() { return isatty(STDIN_FILENO) == 1; }

std::string AskHidden(const std::string& prompt) {
  if (!TerminalAvailable()) throw BadInput("no terminal to type the password at");
  std::fprintf(stderr, "%s", prompt.c_str());
  std::fflush(stderr);
  std::string line;
  {
    EchoOff quiet;
    std::getline(std::cin, line);
  }
  std::fprintf(stderr, "\n");
  if (!std::cin) throw BadInput("no password typed");
  DropLineEnd(line);
  return line;
}

NewPassword ReadNewPassword(const std::optional<std::string>& file) {
  if (file) {
    std::string password = PasswordFromFile(*file);
    return {password, password};
  }
  if (!TerminalAvailable()) {
    throw BadInput("no terminal to type the new password at: give --new-password-file FILE "
                   "(an empty file for no password)");
  }
  NewPassword typed;
  typed.password = AskHidden("新密码：");
  typed.confirmation = AskHidden("新密码确认：");
  return typed;
}

}  // namespace cw::cli
