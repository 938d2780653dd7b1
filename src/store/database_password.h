#pragma once
#include <string>

namespace cw::internal {

// The data files' password, assembled from pieces of a catalogue entry each time
// it is needed so that it is never stored whole.
std::string DatabasePassword();

}  // namespace cw::internal
