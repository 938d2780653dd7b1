#include "relaymate/relay_run.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

extern char** environ;

namespace cw::relaymate {
namespace {

namespace fs = std::filesystem;

bool ReplaceFile(const fs::path& source, const fs::path& destination) {
  const fs::path partial = destination.string() + ".relaymate-partial";
  std::error_code error;
  if (!fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error)) {
    fs::remove(partial, error);
    return false;
  }
  fs::rename(partial, destination, error);
  if (error) {
    fs::remove(partial, error);
    return false;
  }
  return true;
}

// Starts `program` in its own session through an intermediate child that ends
// at once, so the program outlives Relaymate and leaves no zombie behind.
bool StartDetached(const std::string& program) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    setsid();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t grandchild = 0;
    _exit(posix_spawn(&grandchild, program.c_str(), nullptr, nullptr, argv, environ) == 0 ? 0 : 1);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

RelayOutcome RunRelay(const RelayCommand& command, const RelayTiming& timing) {
  RelayOutcome outcome;
  std::error_code error;
  if (command.copy) {
    std::this_thread::sleep_for(timing.firstWait);
    if (command.source && command.destination && fs::is_regular_file(*command.source, error)) {
      for (int attempt = 0; attempt < timing.tries && !outcome.copied; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(timing.retryWait);
        outcome.copied = ReplaceFile(*command.source, *command.destination);
      }
      if (outcome.copied) fs::remove(*command.source, error);
    }
  }
  if (command.start && command.program && fs::is_regular_file(*command.program, error))
    outcome.started = StartDetached(*command.program);
  return outcome;
}

}  // namespace cw::relaymate
