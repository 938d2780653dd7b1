#pragma once
// Relaymate's run: replace one file whose owner has just ended, then start a
// program. Nothing is reported; every failure simply ends that step.
#include <chrono>

#include "relaymate/relay_command.h"

namespace cw::relaymate {

struct RelayTiming {
  std::chrono::milliseconds firstWait{1000};  // lets the calling program end first
  std::chrono::milliseconds retryWait{500};
  int tries = 10;
};

struct RelayOutcome {
  bool copied = false;
  bool started = false;
};

// 1. When copying and the source exists: wait `firstWait`, then up to `tries`
//    times replace the destination with a copy of the source, `retryWait`
//    apart; on success delete the source. The copy is written beside the
//    destination and renamed over it, so the destination is never half-written
//    and keeps working permissions (those of the source).
// 2. When starting and the program exists: start it, detached from Relaymate.
RelayOutcome RunRelay(const RelayCommand& command, const RelayTiming& timing);

}  // namespace cw::relaymate
