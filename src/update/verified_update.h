#pragma once
// An update offer read and checked before any of its files is used: the
// signature over Update.inf and the sums, the parse, the listed paths.
#include <filesystem>
#include <string_view>

#include "update/update_info.h"
#include "update/update_result.h"
#include "update/update_signature.h"

namespace cw::update {

struct VerifiedUpdate {
  UpdateInfo info;
  FileSums sums;  // one signed SHA-256 sum for every listed file
};

// kOk and fills `out`, or kInfoIncorrect when the signature is missing or bad,
// Update.inf is incorrect, a listed path is refused by NormalListedPath or a
// listed file has no signed sum.
UpdateResult ReadVerifiedUpdate(std::string_view info, std::string_view signature, const PublicKey& key,
                                VerifiedUpdate& out);

// Checks the downloaded files below `staging` in file order: kOk, or
// kCheckFailed at the first file that is missing or whose check number or
// SHA-256 sum differs.
UpdateResult CheckDownloadedFiles(const VerifiedUpdate& update, const std::filesystem::path& staging);

}  // namespace cw::update
