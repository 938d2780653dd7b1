#pragma once
// What the update server offers: Update.inf and its signature fetched from the
// server folder and checked (see verified_update.h).
#include <string>

#include "update/download.h"
#include "update/verified_update.h"

namespace cw::update {

// kOk and fills `out`; kInfoUnreadable when the address is not allowed or
// either file cannot be downloaded (or `progress` broke a download off);
// otherwise what ReadVerifiedUpdate says.
UpdateResult FetchUpdateOffer(const std::string& serverFolder, const PublicKey& key, VerifiedUpdate& out,
                              const DownloadProgress& progress = {});

}  // namespace cw::update
