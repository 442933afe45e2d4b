#include "tests/support/loopback_server.h"

#include <algorithm>
#include <chrono>
#include <type_traits>

namespace test_support {
namespace {

struct Winsock {
  int(WSAAPI* startup)(WORD, LPWSADATA);
  SOCKET(WSAAPI* socket_)(int, int, int);
  int(WSAAPI* bind_)(SOCKET, const sockaddr*, int);
  int(WSAAPI* listen_)(SOCKET, int);
  int(WSAAPI* getsockname_)(SOCKET, sockaddr*, int*);
  SOCKET(WSAAPI* accept_)(SOCKET, sockaddr*, int*);
  int(WSAAPI* recv_)(SOCKET, char*, int, int);
  int(WSAAPI* send_)(SOCKET, const char*, int, int);
  int(WSAAPI* closesocket_)(SOCKET);
  int(WSAAPI* select_)(int, fd_set*, fd_set*, fd_set*, const timeval*);
};

const Winsock& Sockets(HMODULE module) {
  static const Winsock api = [module] {
    Winsock w{};
    auto get = [module](auto& f, const char* name) {
      f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(
          reinterpret_cast<void*>(GetProcAddress(module, name)));
    };
    get(w.startup, "WSAStartup");
    get(w.socket_, "socket");
    get(w.bind_, "bind");
    get(w.listen_, "listen");
    get(w.getsockname_, "getsockname");
    get(w.accept_, "accept");
    get(w.recv_, "recv");
    get(w.send_, "send");
    get(w.closesocket_, "closesocket");
    get(w.select_, "select");
    WSADATA data;
    w.startup(MAKEWORD(2, 2), &data);
    return w;
  }();
  return api;
}

const char* Reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 404:
      return "Not Found";
    default:
      return "Status";
  }
}

}  // namespace

LoopbackServer::LoopbackServer(std::map<std::string, Reply> replies)
    : replies_(std::move(replies)) {
  winsock_ = LoadLibraryW(L"ws2_32.dll");
  if (winsock_ == nullptr) return;
  const Winsock& ws = Sockets(winsock_);
  listener_ = ws.socket_(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = 0x0100007F;  // 127.0.0.1 in network order
  int size = sizeof address;
  if (listener_ == INVALID_SOCKET ||
      ws.bind_(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ws.listen_(listener_, 16) != 0 ||
      ws.getsockname_(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return;
  }
  port_ = ((address.sin_port & 0xFF) << 8) | (address.sin_port >> 8);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  for (std::thread& answering : answering_) answering.join();
  if (listener_ != INVALID_SOCKET) Sockets(winsock_).closesocket_(listener_);
}

std::wstring LoopbackServer::Url(const std::string& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(port_) + std::wstring(path.begin(), path.end());
}

void LoopbackServer::Release() { released_ = true; }

std::vector<std::string> LoopbackServer::Requests() {
  std::lock_guard<std::mutex> guard(lock_);
  return requests_;
}

std::vector<std::string> LoopbackServer::RequestedPaths() {
  std::vector<std::string> paths;
  for (const std::string& request : Requests()) {
    const size_t start = request.find(' ') + 1;
    paths.push_back(start == 0 ? std::string()
                               : request.substr(start, request.find(' ', start) - start));
  }
  return paths;
}

void LoopbackServer::Serve() {
  const Winsock& ws = Sockets(winsock_);
  // Short waits, so the server stops soon after its owner asks.
  while (!stop_) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener_, &ready);
    timeval wait{0, 50000};
    if (ws.select_(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
    SOCKET peer = ws.accept_(listener_, nullptr, nullptr);
    if (peer == INVALID_SOCKET) continue;
    answering_.emplace_back([this, peer] { Answer(peer); });
  }
}

bool LoopbackServer::Send(SOCKET peer, const char* data, size_t size) {
  const Winsock& ws = Sockets(winsock_);
  while (size > 0 && !stop_) {
    const int sent = ws.send_(peer, data, static_cast<int>(std::min<size_t>(size, 1 << 20)), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<size_t>(sent);
  }
  return size == 0;
}

void LoopbackServer::Answer(SOCKET peer) {
  const Winsock& ws = Sockets(winsock_);
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int n = ws.recv_(peer, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<size_t>(n));
  }
  {
    std::lock_guard<std::mutex> guard(lock_);
    requests_.push_back(request);
  }
  const size_t start = request.find(' ') + 1;
  const std::string path =
      start == 0 ? std::string() : request.substr(start, request.find(' ', start) - start);
  Reply reply{.status = 404, .body = "<title>Not Found</title>Nothing here."};
  if (auto found = replies_.find(path); found != replies_.end()) reply = found->second;
  const std::uint64_t size = reply.generated_size > 0 ? reply.generated_size : reply.body.size();
  std::string head = "HTTP/1.0 " + std::to_string(reply.status) + " " + Reason(reply.status) +
                     "\r\nContent-Type: " + reply.content_type + "\r\n";
  if (reply.announce_length) head += "Content-Length: " + std::to_string(size) + "\r\n";
  head += "Connection: close\r\n" + reply.extra_headers + "\r\n";
  bool open = Send(peer, head.data(), head.size());
  std::vector<char> piece(64 * 1024);
  for (std::uint64_t sent = 0; open && sent < size;) {
    if (reply.hold_after > 0 && sent == reply.hold_after) {
      while (!released_ && !stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::uint64_t end = std::min<std::uint64_t>(size, sent + piece.size());
    if (reply.hold_after > sent) end = std::min(end, reply.hold_after);
    for (std::uint64_t i = sent; i < end; ++i) {
      piece[i - sent] = reply.generated_size > 0 ? PatternByte(i) : reply.body[i];
    }
    open = Send(peer, piece.data(), end - sent);
    sent = end;
  }
  ws.closesocket_(peer);
}

}  // namespace test_support
