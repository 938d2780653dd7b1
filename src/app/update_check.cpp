#include "app/update_check.h"

#include "core/settings.h"
#include "home/resource_path.h"
#include "update/file_bytes.h"
#include "update/update_offer.h"

namespace cw {

InstalledFiles InstalledFiles::OfThisProgram() { return {ResourcePath("update.pub"), ResourcePath("VERSION")}; }

UpdateCheck::UpdateCheck(std::chrono::milliseconds delay, InstalledFiles files, QObject* parent)
    : QThread(parent), delay_(delay), files_(std::move(files)) {}

UpdateCheck::~UpdateCheck() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  wait();
}

bool UpdateCheck::Stopped() {
  std::lock_guard lock(mutex_);
  return stop_;
}

void UpdateCheck::run() {
  {
    std::unique_lock lock(mutex_);
    if (wake_.wait_for(lock, delay_, [this] { return stop_; })) return;
  }
  const std::string server = settings::GetText("Web", "Update");
  if (server.empty()) return;
  const auto key_text = update::ReadFileBytes(files_.key);
  const auto key = key_text ? update::ParsePublicKey(*key_text) : std::nullopt;
  const auto version_text = update::ReadFileBytes(files_.version);
  if (!key || !version_text) return;

  update::VerifiedUpdate offer;
  const auto go_on = [this](std::uint64_t, std::uint64_t) { return !Stopped(); };
  if (update::FetchUpdateOffer(server, *key, offer, go_on) != update::UpdateResult::kOk) return;
  if (!update::UpdateNeeded(offer.info.version, update::ParseVersionText(*version_text))) return;
  emit UpdateOffered(offer.info.version, QString::fromStdString(offer.info.description));
}

}  // namespace cw
