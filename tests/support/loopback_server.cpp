#include "support/loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace cw::testing {

LoopbackServer::LoopbackServer(std::map<std::string, std::string> files) : files_(std::move(files)) {
  socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(socket_, 8);
  ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  thread_.join();
  ::close(socket_);
}

std::string LoopbackServer::url() const { return "http://127.0.0.1:" + std::to_string(port_); }

void LoopbackServer::Serve() {
  while (!stopping_) {
    pollfd waiting{socket_, POLLIN, 0};
    if (::poll(&waiting, 1, 50) <= 0) continue;
    const int connection = ::accept(socket_, nullptr, nullptr);
    if (connection < 0) continue;
    Answer(connection);
    ::close(connection);
  }
}

void LoopbackServer::Answer(int connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) return;
    request.append(buffer, static_cast<std::size_t>(got));
  }
  const std::size_t start = request.find(' ') + 1;
  const std::string path = request.substr(start, request.find(' ', start) - start);
  const auto file = files_.find(path);
  if (file == files_.end()) {
    Send(connection, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    return;
  }
  const std::string& body = file->second;
  const std::string head =
      "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
  if (path == cut_) {
    Send(connection, head + body.substr(0, body.size() / 2));
  } else if (path == slow_ && slow_rate_ > 0) {
    if (!Send(connection, head)) return;
    const std::size_t piece = std::max<std::size_t>(1, slow_rate_ / 10);
    for (std::size_t at = 0; at < body.size() && !stopping_; at += piece) {
      if (!Send(connection, body.substr(at, piece))) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  } else {
    Send(connection, head + body);
  }
}

bool LoopbackServer::Send(int connection, const std::string& bytes) {
  for (std::size_t sent = 0; sent < bytes.size();) {
    const ssize_t put = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (put <= 0) return false;
    sent += static_cast<std::size_t>(put);
  }
  return true;
}

}  // namespace cw::testing
