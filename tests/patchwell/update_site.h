#pragma once
// An update site as a publisher signs it, for the loopback server: Update.inf,
// Update.inf.sig and the files under a server folder.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "update/update_signature.h"

namespace cw::testing {

struct SiteFile {
  std::string listed;  // as written in Update.inf
  std::string bytes;
};

class UpdateSite {
 public:
  UpdateSite();

  const update::PublicKey& PublicKey() const { return public_; }
  std::string PublicKeyText() const { return public_text_; }

  // The request path -> body map of a site under `folder` ("/Update/")
  // offering `version` with `files`.
  std::map<std::string, std::string> Serve(const std::string& folder, const std::string& version,
                                           const std::vector<SiteFile>& files) const;

 private:
  update::PublicKey public_{};
  update::SecretKey secret_{};
  std::string public_text_;
};

}  // namespace cw::testing
