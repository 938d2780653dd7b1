// update: the publisher's signing keys, the check for a newer version and
// the release tool (update_site.h).
// Reads no data set.
#include <fcntl.h>
#include <unistd.h>

#include "base/gbk_text.h"
#include "cli/cli_error.h"
#include "cli/data_home.h"
#include "cli/update_site.h"
#include "cli/verbs.h"
#include "core/settings.h"
#include "home/resource_path.h"
#include "store/database.h"
#include "update/download.h"
#include "update/file_bytes.h"
#include "update/update_offer.h"

namespace cw::cli {
namespace {

using update::UpdateResult;

// Creates `path` with `text`, readable by the owner only when `secret`; never
// replaces an existing file.
void CreateFile(const std::string& path, const std::string& text, bool secret) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, secret ? 0600 : 0644);
  if (fd < 0) throw Failed("cannot create " + path);
  const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  if (::close(fd) != 0 || !written) {
    ::unlink(path.c_str());
    throw Failed("cannot write " + path);
  }
}

Document MakeKeys(Invocation& invocation) {
  const VerbOptions options = invocation.Options({}, 1);
  const std::string secretFile = options.positionals()[0];
  const std::string publicFile = secretFile + ".pub";
  for (const std::string& file : {secretFile, publicFile}) {
    if (::access(file.c_str(), F_OK) == 0) throw BadInput(file + " exists; a key is never overwritten");
  }
  const update::KeyPairText keys = update::GenerateKeyPair();
  CreateFile(secretFile, keys.secretKey, true);
  try {
    CreateFile(publicFile, keys.publicKey, false);
  } catch (const CliError&) {
    ::unlink(secretFile.c_str());
    throw;
  }
  return {{"keys", Record{{{"secret_key", "私钥"}, secretFile}, {{"public_key", "公钥"}, publicFile}}}};
}

std::string ServerFolder(const Invocation& invocation, const VerbOptions& options) {
  if (auto server = options.Value("server")) return *server;
  Database::SetDataHome(ResolveDataHome(invocation.globals.home));
  std::string server = settings::GetText("Web", "Update");
  if (server.empty())
    throw BadInput("no update server: give --server URL or set Update under [Web] in " + settings::FilePath());
  return server;
}

update::PublicKey TrustedKey(const VerbOptions& options) {
  const std::string file = options.Value("key").value_or(ResourcePath("update.pub"));
  const auto text = update::ReadFileBytes(file);
  if (!text) throw Failed("cannot read the update key " + file);
  const auto key = update::ParsePublicKey(*text);
  if (!key) throw Failed(file + " holds no update key");
  return *key;
}

double InstalledVersion() {
  const std::string file = ResourcePath("VERSION");
  const auto text = update::ReadFileBytes(file);
  if (!text) throw Failed("cannot read the installed version " + file);
  return update::ParseVersionText(*text);
}

Document CheckForUpdate(Invocation& invocation) {
  static constexpr OptionSpec kOptions[] = {{"server", true}, {"key", true}};
  const VerbOptions options = invocation.Options(kOptions);
  const std::string server = ServerFolder(invocation, options);
  if (!update::IsAllowedUpdateUrl(update::UrlInFolder(server, "Update.inf")))
    throw BadInput("the update server must be an https:// address (plain http only on this computer): " + server);
  const update::PublicKey key = TrustedKey(options);
  const double installed = InstalledVersion();

  update::VerifiedUpdate offer;
  if (const UpdateResult result = update::FetchUpdateOffer(server, key, offer); result != UpdateResult::kOk)
    throw Failed(update::ResultText(result));
  if (!update::UpdateNeeded(offer.info.version, installed)) {
    throw CliError(kExitNothingOffered, update::ResultText(UpdateResult::kUpToDate) +
                                            StrFormat(" (offered %.2f, installed %.2f)", offer.info.version, installed));
  }
  return {{"update", Record{{{"version", "新版本", Format::kNumber}, StrFormat("%.2f", offer.info.version)},
                            {{"installed", "当前版本", Format::kNumber}, StrFormat("%.2f", installed)},
                            {{"date", "日期"}, offer.info.date},
                            {{"files", "文件数", Format::kNumber}, offer.info.files.size()},
                            {{"description", "说明"}, offer.info.description}}}};
}

}  // namespace

Document RunUpdate(Invocation& invocation) {
  const VerbForm forms[] = {
      {"keygen", "update keygen FILE", MakeKeys},
      {"check", "update check [--server URL] [--key FILE]", CheckForUpdate},
      {"site", "update site DIR --key FILE [--version X.YZ] [--description TEXT] [--from PREFIX]", MakeUpdateSite},
      {"sign", "update sign DIR --key FILE [--version X.YZ] [--description TEXT]", SignUpdateSite},
  };
  if (auto document = RunVerbForm(invocation, forms)) return *document;
  throw BadInput("update: say keygen, check, site or sign");
}

}  // namespace cw::cli
