#include "patchwell/update_site.h"

#include "update/check_number.h"

namespace cw::testing {

UpdateSite::UpdateSite() {
  const update::KeyPairText keys = update::GenerateKeyPair();
  public_ = *update::ParsePublicKey(keys.publicKey);
  secret_ = *update::ParseSecretKey(keys.secretKey);
  public_text_ = keys.publicKey;
}

std::map<std::string, std::string> UpdateSite::Serve(const std::string& folder, const std::string& version,
                                                     const std::vector<SiteFile>& files) const {
  std::string info = "[Version=" + version + "][Date=2026-12-10][Description=修正了若干问题]\n";
  update::FileSums sums;
  std::map<std::string, std::string> site;
  for (const SiteFile& file : files) {
    info += "[File=" + file.listed + ",CheckNumber=" + std::to_string(update::CheckNumber(file.bytes)) + "]\n";
    sums[file.listed] = update::Sha256Hex(file.bytes);
    std::string path = folder + file.listed;
    for (char& c : path) c = c == '\\' ? '/' : c;
    site[path] = file.bytes;
  }
  site[folder + "Update.inf"] = info;
  site[folder + "Update.inf.sig"] = update::SignUpdate(info, sums, secret_);
  return site;
}

}  // namespace cw::testing
