#pragma once
// The build installed into a fresh temporary prefix, as `make install` would
// (unstripped), and removed with everything in it when the object goes away.
// A test program that uses it calls cw_needs_installation(target) in its
// CMakeLists.txt, so that every program is built before it runs.
#include <filesystem>
#include <string_view>

namespace cw::testing {

class TempInstall {
 public:
  // Installs; a fatal test failure (and an empty prefix) when that fails.
  TempInstall();
  ~TempInstall();
  TempInstall(const TempInstall&) = delete;
  TempInstall& operator=(const TempInstall&) = delete;

  // <temp>/prefix; the temporary folder around it is free for the test's own files.
  const std::filesystem::path& prefix() const { return prefix_; }
  const std::filesystem::path& scratch() const { return root_; }
  std::filesystem::path Program(std::string_view name) const { return prefix_ / "bin" / name; }
  // Removes the installation as `make uninstall` does; false when that fails.
  bool Uninstall() const;

 private:
  std::filesystem::path root_;
  std::filesystem::path prefix_;
};

}  // namespace cw::testing
