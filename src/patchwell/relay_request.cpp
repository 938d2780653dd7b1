#include "patchwell/relay_request.h"

#include "update/listed_path.h"

namespace cw::patchwell {
namespace {

std::string Quoted(const std::string& field) { return "'" + field + "'"; }

}  // namespace

std::string RelayArgument(const RelayRequest& request, const InstallPlaces& places,
                          const std::string& updater_listed) {
  const std::string operation = std::string(request.copy ? "Copy" : "") + (request.start ? "Start" : "");
  std::string source = "NULL", destination = "NULL";
  if (request.copy) {
    const std::string normal = update::NormalListedPath(updater_listed).value_or(updater_listed);
    source = (places.Downloads() / normal).string();
    destination = (places.install / normal).string();
  }
  const std::string program = request.start ? places.Program("coinwright").string() : "";
  return Quoted(operation) + " " + Quoted(source) + " " + Quoted(destination) + " " + Quoted(program);
}

std::optional<std::string> UpdaterListed(const std::vector<update::UpdateFile>& files) {
  for (const update::UpdateFile& file : files) {
    if (IsUpdaterFile(file.path)) return file.path;
  }
  return std::nullopt;
}

}  // namespace cw::patchwell
