#pragma once
// Wall-clock timing for the benchmark.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace cw::bench {

// Wall-clock time, and the processor time of this process: on a busy machine
// the second is the steadier figure.
class Stopwatch {
 public:
  Stopwatch() : start_(std::chrono::steady_clock::now()), cpu_start_(CpuNow()) {}
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }
  double CpuSeconds() const { return CpuNow() - cpu_start_; }

 private:
  static double CpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
  }
  std::chrono::steady_clock::time_point start_;
  double cpu_start_;
};

// The value below which `fraction` of the samples lie (0.5: the median).
inline double Percentile(std::vector<double> samples, double fraction) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
  return samples[std::min(index, samples.size() - 1)];
}

struct Timing {
  double wall = 0;
  double cpu = 0;
};

// Runs `work` `runs` times and returns the median wall and processor time of one run.
template <typename Work>
Timing MedianTiming(int runs, Work work) {
  std::vector<double> wall, cpu;
  for (int i = 0; i < runs; ++i) {
    Stopwatch watch;
    work();
    wall.push_back(watch.Seconds());
    cpu.push_back(watch.CpuSeconds());
  }
  return {Percentile(wall, 0.5), Percentile(cpu, 0.5)};
}

}  // namespace cw::bench
