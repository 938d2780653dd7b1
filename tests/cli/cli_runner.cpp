#include "cli/cli_runner.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace cw::testing {
namespace {

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string CommandOf(const std::vector<std::string>& args, const std::string& program = COINWRIGHT_CLI) {
  std::string command = Quoted(program);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  return command;
}

}  // namespace

nlohmann::json CliResult::Json() const {
  nlohmann::json value = nlohmann::json::parse(out, nullptr, false);
  EXPECT_FALSE(value.is_discarded()) << "not JSON: " << out;
  return value.is_discarded() ? nlohmann::json() : value;
}

CliHome::CliHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "coinwright-cli-test-XXXXXX").string();
  scratch_ = mkdtemp(pattern.data());
  path_ = scratch_ + "/home";
}

CliHome::~CliHome() {
  std::error_code ignored;
  std::filesystem::remove_all(scratch_, ignored);
}

CliResult CliHome::Run(const std::vector<std::string>& args, const std::string& environment) const {
  return RunProgram(COINWRIGHT_CLI, args, environment);
}

CliResult CliHome::RunProgram(const std::string& program, const std::vector<std::string>& args,
                              const std::string& environment) const {
  std::vector<std::string> all{"--home", path_};
  all.insert(all.end(), args.begin(), args.end());
  // A password the developer's own shell holds must not log the tests in.
  return Execute("env -u COINWRIGHT_PASSWORD " + environment + " " + CommandOf(all, program));
}

CliResult CliHome::RunWithEnvironment(const std::vector<std::string>& args, const std::string& environment) const {
  return Execute("env -u COINWRIGHT_HOME -u XDG_DATA_HOME -u HOME " + environment + " " + CommandOf(args));
}

std::string CliHome::WriteFile(const std::string& name, const std::string& content) const {
  std::string file = scratch_ + "/" + name;
  std::ofstream(file, std::ios::binary) << content;
  return file;
}

CliResult CliHome::Execute(const std::string& command) const {
  const std::string out = scratch_ + "/stdout", err = scratch_ + "/stderr";
  int status = std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err) + " </dev/null").c_str());
  CliResult result;
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadAll(out);
  result.err = ReadAll(err);
  return result;
}

}  // namespace cw::testing
