#include "update/verified_update.h"

#include "update/check_number.h"
#include "update/file_bytes.h"
#include "update/listed_path.h"

namespace cw::update {

UpdateResult ReadVerifiedUpdate(std::string_view info, std::string_view signature, const PublicKey& key,
                                VerifiedUpdate& out) {
  auto sums = VerifyUpdateSignature(info, signature, key);
  if (!sums) return UpdateResult::kInfoIncorrect;
  auto parsed = ParseUpdateInfo(info);
  if (!parsed) return UpdateResult::kInfoIncorrect;
  for (const UpdateFile& file : parsed->files) {
    if (!NormalListedPath(file.path) || !sums->contains(file.path)) return UpdateResult::kInfoIncorrect;
  }
  out = {std::move(*parsed), std::move(*sums)};
  return UpdateResult::kOk;
}

UpdateResult CheckDownloadedFiles(const VerifiedUpdate& update, const std::filesystem::path& staging) {
  for (const UpdateFile& file : update.info.files) {
    const auto place = PlaceBelow(staging, file.path);
    if (!place) return UpdateResult::kCheckFailed;
    const auto bytes = ReadFileBytes(*place);
    if (!bytes || CheckNumber(*bytes) != file.checkNumber || Sha256Hex(*bytes) != update.sums.at(file.path))
      return UpdateResult::kCheckFailed;
  }
  return UpdateResult::kOk;
}

}  // namespace cw::update
