#pragma once
// Downloads from the update server. Only HTTPS with certificate checks is
// used, except plain HTTP to a loopback address (a local test server).
// Redirects are not followed, so a response cannot lead elsewhere.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cw::update {

// True for an https:// address, and for an http:// address whose host is
// localhost, 127.x.x.x or ::1.
bool IsAllowedUpdateUrl(std::string_view url);

// The address of `relative` (a listed path, "\" turned into "/") in the server
// folder `base`.
std::string UrlInFolder(std::string_view base, std::string_view relative);

// Called with the bytes received so far and the expected total (0 while
// unknown); returning false aborts the download.
using DownloadProgress = std::function<bool(std::uint64_t received, std::uint64_t total)>;

// The body of a successful (2xx) response, or nothing when the address is not
// allowed, the transfer failed or was aborted.
std::optional<std::string> Download(const std::string& url, const DownloadProgress& progress = {});

}  // namespace cw::update
