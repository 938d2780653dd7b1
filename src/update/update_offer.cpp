#include "update/update_offer.h"

#include "update/download.h"

namespace cw::update {

UpdateResult FetchUpdateOffer(const std::string& serverFolder, const PublicKey& key, VerifiedUpdate& out,
                              const DownloadProgress& progress) {
  const auto info = Download(UrlInFolder(serverFolder, "Update.inf"), progress);
  if (!info) return UpdateResult::kInfoUnreadable;
  const auto signature = Download(UrlInFolder(serverFolder, "Update.inf.sig"), progress);
  if (!signature) return UpdateResult::kInfoUnreadable;
  return ReadVerifiedUpdate(*info, *signature, key, out);
}

}  // namespace cw::update
