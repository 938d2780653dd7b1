#pragma once
// A data home in a fresh temporary folder, removed with everything in it when
// the object goes away. Installs itself as the data home.
#include <string>

namespace cw::testing {

class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace cw::testing
