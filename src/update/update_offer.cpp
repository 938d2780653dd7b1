#include "update/update_offer.h"

#include "update/download.h"

namespace cw::update {

UpdateResult FetchUpdateOffer(const std::string& serverFolder, const PublicKey& key, VerifiedUpdate& out) {
  const auto info = Download(UrlInFolder(serverFolder, "Update.inf"));
  if (!info) return UpdateResult::kInfoUnreadable;
  const auto signature = Download(UrlInFolder(serverFolder, "Update.inf.sig"));
  if (!signature) return UpdateResult::kInfoUnreadable;
  return ReadVerifiedUpdate(*info, *signature, key, out);
}

}  // namespace cw::update
