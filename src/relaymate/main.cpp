// Relaymate: replaces a file that could not be replaced while its owner ran
// (the updater's own program) and starts the main program again. Shows no
// window and always ends with exit code 0.
#include <string>

#include "relaymate/relay_run.h"

int main(int argc, char** argv) {
  // The updater passes one argument; a shell that split it is forgiven.
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  cw::relaymate::RunRelay(cw::relaymate::ParseRelayCommand(text), cw::relaymate::RelayTiming{});
  return 0;
}
