#pragma once
// Runs the built coinwright-cli as a separate process, the way a user or a
// script does, in a data home of its own.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace cw::testing {

struct CliResult {
  int code = -1;
  std::string out;
  std::string err;
  // stdout parsed as JSON; a test failure (and null) when it is not JSON.
  nlohmann::json Json() const;
  // One section of the JSON object, by value so that it outlives the result.
  nlohmann::json Json(const std::string& section) const { return Json()[section]; }
};

class CliHome {
 public:
  CliHome();
  ~CliHome();
  CliHome(const CliHome&) = delete;
  CliHome& operator=(const CliHome&) = delete;

  // Runs the tool with --home set to this home; `environment` ("NAME=value ...")
  // is added to the tool's environment.
  CliResult Run(const std::vector<std::string>& args, const std::string& environment = "") const;
  // Runs another program of the tool family (coinwright-print) the same way.
  CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::string& environment = "") const;
  // Runs the tool without --home; of the variables that choose the data home
  // only those in `environment` ("NAME=value ...") are set.
  CliResult RunWithEnvironment(const std::vector<std::string>& args, const std::string& environment) const;
  // Writes a file into the home's scratch folder and returns its path.
  std::string WriteFile(const std::string& name, const std::string& content) const;
  const std::string& path() const { return path_; }

 private:
  CliResult Execute(const std::string& command) const;
  std::string path_;     // the data home
  std::string scratch_;  // the tool's output and test files
};

}  // namespace cw::testing
