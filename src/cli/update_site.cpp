#include "cli/update_site.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <regex>
#include <vector>

#include "base/gbk_text.h"
#include "base/install_layout.h"
#include "cli/cli_error.h"
#include "update/check_number.h"
#include "update/file_bytes.h"
#include "update/listed_path.h"
#include "update/update_info.h"
#include "update/update_signature.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;

constexpr char kInfoName[] = "Update.inf";
constexpr char kSignatureName[] = "Update.inf.sig";
constexpr char kVersionFile[] = "share/coinwright/VERSION";
constexpr char kManifestFile[] = "share/coinwright/MANIFEST";
// The desktop entry starts the program by the full path of its own
// installation, which installing writes; an update never carries it.
constexpr char kInstallOnlyFolder[] = "share/applications/";

constexpr OptionSpec kSiteOptions[] = {{"key", true}, {"version", true}, {"description", true}, {"from", true}};
constexpr OptionSpec kSignOptions[] = {{"key", true}, {"version", true}, {"description", true}};

// The programs show versions with two decimals, so a version has no more:
// what Update.inf offers is then exactly what the updated installation reports.
bool IsVersionText(const std::string& text) {
  return std::regex_match(text, std::regex("[0-9]{1,6}(\\.[0-9]{1,2})?"));
}

// What a release says about itself; empty optionals keep what the site holds.
struct ReleaseText {
  std::optional<std::string> version;
  std::optional<std::string> description;
};

ReleaseText ReadReleaseText(const VerbOptions& options) {
  ReleaseText text{options.Value("version"), options.Value("description")};
  if (text.version && !IsVersionText(*text.version))
    throw BadInput("--version must be a number with at most two decimals, such as 3.41: " + *text.version);
  // "]" ends the value in Update.inf.
  if (text.description && (text.description->find(']') != std::string::npos || !IsValidUtf8(*text.description)))
    throw BadInput("--description must be UTF-8 text without \"]\"");
  return text;
}

update::SecretKey ReadSecretKey(const std::string& file) {
  const auto text = update::ReadFileBytes(file);
  if (!text) throw BadInput("cannot read the signing key " + file);
  const auto key = update::ParseSecretKey(*text);
  if (!key) throw BadInput(file + " holds no secret signing key (update keygen writes one)");
  return *key;
}

// A path as Update.inf can list it: normal, "/"-separated, and free of the
// characters that end a File value or a line.
void CheckListable(const std::string& path, const std::string& where) {
  if (update::NormalListedPath(path) != path || path.find_first_of(",]\n") != std::string::npos)
    throw Failed(where + " lists \"" + path + "\", which an update cannot carry");
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

void WriteOrFail(const fs::path& file, std::string_view bytes) {
  if (!update::WriteFileBytes(file, bytes)) throw Failed("cannot write " + file.string());
}

// Writes `bytes` beside `file` and renames it over `file`.
void ReplaceFile(const fs::path& file, std::string_view bytes) {
  const fs::path partial = file.string() + ".partial";
  WriteOrFail(partial, bytes);
  std::error_code error;
  fs::rename(partial, file, error);
  if (error) {
    fs::remove(partial, error);
    throw Failed("cannot replace " + file.string());
  }
}

// The files below `site` in path order, except Update.inf and its signature
// (and what is left of an interrupted write of them).
std::vector<std::string> SiteFiles(const fs::path& site) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(site, error), end; !error && it != end; it.increment(error)) {
    const std::string path = it->path().lexically_relative(site).generic_string();
    if (it->is_directory() && !it->is_symlink()) continue;
    if (path.starts_with(kInfoName)) continue;
    if (it->is_symlink() || !it->is_regular_file())
      throw Failed(it->path().string() + " is no plain file; a site holds plain files only");
    CheckListable(path, site.string());
    files.push_back(path);
  }
  if (error) throw Failed("cannot read the folder " + site.string());
  std::sort(files.begin(), files.end());
  return files;
}

struct SignedSite {
  std::string version;
  std::string date;
  std::string description;
  std::size_t files = 0;
};

// Writes VERSION when the release names one, then Update.inf and its
// signature for the files `site` holds.
SignedSite SignFolder(const fs::path& site, const update::SecretKey& key, const ReleaseText& release) {
  // Listed first: a site that cannot be signed is refused before anything is written.
  std::vector<std::string> files = SiteFiles(site);
  if (release.version) {
    std::error_code error;
    fs::create_directories((site / kVersionFile).parent_path(), error);
    ReplaceFile(site / kVersionFile, *release.version + "\n");
    if (std::find(files.begin(), files.end(), kVersionFile) == files.end())
      files.insert(std::upper_bound(files.begin(), files.end(), kVersionFile), kVersionFile);
  }
  const auto versionFile = update::ReadFileBytes(site / kVersionFile);
  if (!versionFile) throw BadInput("give --version: " + (site / kVersionFile).string() + " is missing");
  const std::string version = versionFile->substr(0, versionFile->find_last_not_of(" \r\n") + 1);
  if (!IsVersionText(version))
    throw BadInput("give --version: " + (site / kVersionFile).string() + " holds no version such as 3.41");
  SignedSite signedSite{version, Today(), "", 0};
  if (release.description) {
    signedSite.description = *release.description;
  } else if (const auto old = update::ReadFileBytes(site / kInfoName)) {
    if (const auto info = update::ParseUpdateInfo(*old)) signedSite.description = info->description;
  }

  if (files.empty()) throw BadInput(site.string() + " holds no files to offer");
  std::string info = "[Version=" + signedSite.version + "]\n[Date=" + signedSite.date + "]\n[Description=" +
                     signedSite.description + "]\n";
  update::FileSums sums;
  for (const std::string& path : files) {
    const auto bytes = update::ReadFileBytes(site / path);
    if (!bytes) throw Failed("cannot read " + (site / path).string());
    info += "[File=" + path + ",CheckNumber=" + std::to_string(update::CheckNumber(*bytes)) + "]\n";
    sums[path] = update::Sha256Hex(*bytes);
  }
  // What the updater will read must be what was meant; a surprise here would
  // otherwise reach every installation as an unusable update.
  const auto parsed = update::ParseUpdateInfo(info);
  if (!parsed || parsed->files.size() != files.size() || parsed->description != signedSite.description)
    throw Failed("the update information would not read back as written");

  ReplaceFile(site / kInfoName, info);
  ReplaceFile(site / kSignatureName, update::SignUpdate(info, sums, key));
  signedSite.files = files.size();
  return signedSite;
}

std::vector<std::string> ManifestFiles(const fs::path& prefix) {
  const fs::path manifest = prefix / kManifestFile;
  const auto text = update::ReadFileBytes(manifest);
  if (!text) throw Failed("no Coinwright installation in " + prefix.string() + ": cannot read " + manifest.string());
  std::vector<std::string> files;
  std::size_t start = 0;
  while (start < text->size()) {
    std::size_t end = text->find('\n', start);
    if (end == std::string::npos) end = text->size();
    const std::string path = text->substr(start, end - start);
    start = end + 1;
    if (path.empty() || path.starts_with(kInstallOnlyFolder)) continue;
    CheckListable(path, manifest.string());
    files.push_back(path);
  }
  return files;
}

// A new, empty folder beside `site` in which the site is put together.
fs::path PartialFolderBeside(const fs::path& site) {
  std::string pattern = (site.parent_path() / (site.filename().string() + ".partial-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw Failed("cannot create a folder beside " + site.string());
  return pattern;
}

Document Summary(const fs::path& site, const SignedSite& signedSite) {
  return {{"site", Record{{{"folder", "文件夹"}, site.string()},
                          {{"version", "版本", Format::kNumber}, signedSite.version},
                          {{"date", "日期"}, signedSite.date},
                          {{"files", "文件数", Format::kNumber}, signedSite.files},
                          {{"description", "说明"}, signedSite.description}}}};
}

// --from, or the installation this tool belongs to. A build folder holds
// programs with debugging information and lacks the icons: it is installed
// into a staging prefix first.
fs::path InstallationToPublish(const VerbOptions& options) {
  if (auto from = options.Value("from")) return *from;
  if (CurrentLayout().buildTree)
    throw BadInput("this tool runs from the build folder " + CurrentLayout().prefix.string() +
                   ": install into a staging folder (make install PREFIX=DIR) and give --from DIR");
  return CurrentLayout().prefix;
}

}  // namespace

Document MakeUpdateSite(Invocation& invocation) {
  const VerbOptions options = invocation.Options(kSiteOptions, 1);
  const fs::path site = fs::absolute(options.positionals()[0]).lexically_normal();
  const update::SecretKey key = ReadSecretKey(options.Required("key"));
  const ReleaseText release = ReadReleaseText(options);
  const fs::path prefix = InstallationToPublish(options);
  std::error_code error;
  if (fs::exists(site, error) && !(fs::is_directory(site, error) && fs::is_empty(site, error)))
    throw BadInput(site.string() + " exists and is not empty; update sign re-signs a site");
  const std::vector<std::string> files = ManifestFiles(prefix);

  const fs::path partial = PartialFolderBeside(site);
  try {
    for (const std::string& path : files) {
      if (!fs::is_regular_file(prefix / path, error))
        throw Failed("the installation in " + prefix.string() + " lacks " + path + ", which its MANIFEST lists");
      fs::create_directories((partial / path).parent_path(), error);
      // copy_file keeps the permissions: the programs stay executable.
      if (error || !fs::copy_file(prefix / path, partial / path, error))
        throw Failed("cannot copy " + (prefix / path).string() + ": " + error.message());
    }
    const SignedSite signedSite = SignFolder(partial, key, release);
    // mkdtemp made the folder the owner's alone; a web server must read the site.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    fs::permissions(partial, static_cast<fs::perms>(0777 & ~mask), error);
    fs::remove(site, error);  // only an empty folder can be there
    fs::rename(partial, site, error);
    if (error) throw Failed("cannot move the site into place as " + site.string() + ": " + error.message());
    return Summary(site, signedSite);
  } catch (...) {
    fs::remove_all(partial, error);
    throw;
  }
}

Document SignUpdateSite(Invocation& invocation) {
  const VerbOptions options = invocation.Options(kSignOptions, 1);
  const fs::path site = fs::absolute(options.positionals()[0]).lexically_normal();
  const update::SecretKey key = ReadSecretKey(options.Required("key"));
  const ReleaseText release = ReadReleaseText(options);
  std::error_code error;
  if (!fs::is_directory(site, error)) throw BadInput(site.string() + " is no folder");
  return Summary(site, SignFolder(site, key, release));
}

}  // namespace cw::cli
