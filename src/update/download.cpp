#include "update/download.h"

#include <arpa/inet.h>
#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace cw::update {
namespace {

struct UrlParts {
  std::string scheme;
  std::string host;
};

std::optional<UrlParts> SplitUrl(std::string_view url) {
  std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> handle(curl_url(), curl_url_cleanup);
  if (!handle || curl_url_set(handle.get(), CURLUPART_URL, std::string(url).c_str(), 0) != CURLUE_OK)
    return std::nullopt;
  UrlParts parts;
  for (auto [part, out] : {std::pair{CURLUPART_SCHEME, &parts.scheme}, std::pair{CURLUPART_HOST, &parts.host}}) {
    char* text = nullptr;
    if (curl_url_get(handle.get(), part, &text, 0) != CURLUE_OK) return std::nullopt;
    *out = text;
    curl_free(text);
  }
  std::transform(parts.host.begin(), parts.host.end(), parts.host.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return parts;
}

bool IsLoopbackHost(const std::string& host) {
  in_addr address{};
  if (inet_pton(AF_INET, host.c_str(), &address) == 1) return (ntohl(address.s_addr) >> 24) == 127;
  return host == "localhost" || host == "[::1]";
}

struct Transfer {
  std::string body;
  const DownloadProgress* progress;
};

size_t Collect(char* data, size_t size, size_t count, void* user) {
  static_cast<Transfer*>(user)->body.append(data, size * count);
  return size * count;
}

int Report(void* user, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
  const auto& progress = *static_cast<Transfer*>(user)->progress;
  return progress(static_cast<std::uint64_t>(received), static_cast<std::uint64_t>(total)) ? 0 : 1;
}

}  // namespace

bool IsAllowedUpdateUrl(std::string_view url) {
  const auto parts = SplitUrl(url);
  if (!parts) return false;
  return parts->scheme == "https" || (parts->scheme == "http" && IsLoopbackHost(parts->host));
}

std::string UrlInFolder(std::string_view base, std::string_view relative) {
  std::string url(base);
  if (url.empty() || url.back() != '/') url += '/';
  for (char c : relative) url += c == '\\' ? '/' : c;
  return url;
}

std::optional<std::string> Download(const std::string& url, const DownloadProgress& progress) {
  if (!IsAllowedUpdateUrl(url)) return std::nullopt;
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!initialised) return std::nullopt;
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return std::nullopt;

  Transfer transfer{{}, &progress};
  curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT, 30L);
  // A stalled server: less than one byte a second for a minute ends the transfer.
  curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_TIME, 60L);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &transfer);
  if (progress) {
    curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, Report);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &transfer);
  }
  if (curl_easy_perform(curl.get()) != CURLE_OK) return std::nullopt;
  return std::move(transfer.body);
}

}  // namespace cw::update
