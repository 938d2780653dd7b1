#pragma once
// A tiny HTTP server on 127.0.0.1 for update tests: serves fixed files, answers
// 404 for anything else, and can be told to stop half-way through a file.
#include <atomic>
#include <cstddef>
#include <map>
#include <string>
#include <thread>

namespace cw::testing {

class LoopbackServer {
 public:
  // `files`: request path ("/Update/Update.inf") -> body.
  explicit LoopbackServer(std::map<std::string, std::string> files);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:PORT".
  std::string url() const;
  // Requests for `path` get the headers and the first half of the body, then
  // the connection closes.
  void CutShort(const std::string& path) { cut_ = path; }
  // Requests for `path` get the body at about `bytes_per_second`, in ten
  // pieces a second, so that a download can be watched.
  void Throttle(const std::string& path, std::size_t bytes_per_second) {
    slow_ = path;
    slow_rate_ = bytes_per_second;
  }

 private:
  void Serve();
  void Answer(int connection);
  bool Send(int connection, const std::string& bytes);

  std::map<std::string, std::string> files_;
  std::string cut_;
  std::string slow_;
  std::size_t slow_rate_ = 0;
  int socket_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace cw::testing
