#pragma once
// What every part of the benchmark shares: one printed line per figure, and
// running coinwright-cli as a whole process.
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/stopwatch.h"

namespace cw::bench {

inline void Line(const std::string& what, const std::string& figure, const char* aim = "") {
  std::printf("%-60s %34s  %s\n", what.c_str(), figure.c_str(), aim);
  std::fflush(stdout);
}

inline std::string Ms(Timing t) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f ms (cpu %.1f ms)", t.wall * 1000, t.cpu * 1000);
  return text;
}

// Processor time of the finished child processes.
inline double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs coinwright-cli on data home `home`; returns its exit code.
inline int RunCli(const std::string& home, const std::string& args) {
  const std::string command = "'" + std::string(COINWRIGHT_CLI) + "' --home '" + home + "' " + args + " >/dev/null";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace cw::bench
