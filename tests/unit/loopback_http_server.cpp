#include "loopback_http_server.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using NativeSocket = SOCKET;
constexpr int kSendFlags = 0;
void CloseSocket(NativeSocket s) { ::closesocket(s); }
void ShutDown(NativeSocket s) { ::shutdown(s, SD_BOTH); }
struct WinsockUser {
    WinsockUser() {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { ::WSACleanup(); }
};
#else
using NativeSocket = int;
constexpr int kSendFlags = MSG_NOSIGNAL;
void CloseSocket(NativeSocket s) { ::close(s); }
void ShutDown(NativeSocket s) { ::shutdown(s, SHUT_RDWR); }
struct WinsockUser {};
#endif

WinsockUser& Winsock() {
    static WinsockUser user;
    return user;
}

NativeSocket Native(std::intptr_t s) { return static_cast<NativeSocket>(s); }

bool SendAll(NativeSocket s, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        int n = ::send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), kSendFlags);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// A listening socket on 127.0.0.1 with an ephemeral port; the port, 0 on failure.
int ListenOnLoopback(NativeSocket& listener) {
    Winsock();
    listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 64) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

struct Route {
    const char* path;
    const char* status;  // nullptr: a behaviour of its own
    const char* location;
};

const Route kRoutes[] = {
    {"/ok", "200 OK", nullptr},
    {"/moved", "301 Moved Permanently", "/ok"},
    {"/moved-twice", "308 Permanent Redirect", "moved"},
    {"/temporary", "302 Found", "/ok"},
    {"/moved-then-temporary", "301 Moved Permanently", "/temporary"},
    {"/moved-to-gone", "301 Moved Permanently", "/gone"},
    {"/loop", "301 Moved Permanently", "/loop"},
    {"/missing", "404 Not Found", nullptr},
    {"/gone", "410 Gone", nullptr},
    {"/private", "401 Unauthorized", nullptr},
    {"/forbidden", "403 Forbidden", nullptr},
    {"/busy", "429 Too Many Requests", nullptr},
    {"/broken", "500 Internal Server Error", nullptr},
};

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    NativeSocket listener;
    port_ = ListenOnLoopback(listener);
    listener_ = static_cast<Socket>(listener);
    if (port_ != 0) acceptor_ = std::thread([this] { AcceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        for (Socket s : open_) ShutDown(Native(s));
    }
    changed_.notify_all();
    ShutDown(Native(listener_));
    CloseSocket(Native(listener_));  // ends the accept that waits
    if (acceptor_.joinable()) acceptor_.join();
    for (std::thread& thread : threads_) thread.join();
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

int LoopbackHttpServer::ClosedPort() {
    NativeSocket listener;
    int port = ListenOnLoopback(listener);
    CloseSocket(listener);
    return port;
}

bool LoopbackHttpServer::AwaitRequests(int count) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(30), [&] { return requests_ >= count; });
}

void LoopbackHttpServer::WaitUntilStopped() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return stopping_; });
}

void LoopbackHttpServer::AcceptLoop() {
    for (;;) {
        NativeSocket connection = ::accept(Native(listener_), nullptr, nullptr);
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_) {
            if (connection != static_cast<NativeSocket>(-1)) CloseSocket(connection);
            return;
        }
        if (connection == static_cast<NativeSocket>(-1)) continue;
        Socket s = static_cast<Socket>(connection);
        open_.push_back(s);
        threads_.emplace_back([this, s] { Serve(s); });
    }
}

void LoopbackHttpServer::Serve(Socket connection) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        int n = ::recv(Native(connection), buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    std::size_t space = request.find(' ');
    std::size_t pathEnd = request.find(' ', space + 1);
    if (space != std::string::npos && pathEnd != std::string::npos) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++requests_;
        }
        changed_.notify_all();
        Answer(connection, request.substr(0, space), request.substr(space + 1, pathEnd - space - 1));
    }
    std::lock_guard<std::mutex> lock(mutex_);
    open_.erase(std::find(open_.begin(), open_.end(), connection));
    CloseSocket(Native(connection));
}

void LoopbackHttpServer::Answer(Socket connection, const std::string& method, const std::string& path) {
    NativeSocket s = Native(connection);
    bool head = method == "HEAD";
    if (path == "/slow") return WaitUntilStopped();  // never answers
    if (path == "/drop") return;                       // closes without a word
    if (path == "/no-head" || path == "/endless") {
        if (head) {
            SendAll(s, "HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        } else if (path == "/no-head") {
            SendAll(s, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
        } else if (SendAll(s, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n")) {
            const std::string chunk(4096, 'x');
            while (SendAll(s, chunk)) {
                std::lock_guard<std::mutex> lock(mutex_);
                if (stopping_) break;
            }
        }
        return;
    }
    for (const Route& route : kRoutes) {
        if (path != route.path) continue;
        std::string answer = std::string("HTTP/1.1 ") + route.status + "\r\n";
        if (route.location) answer += std::string("Location: ") + route.location + "\r\n";
        answer += head ? "Content-Length: 2\r\n" : "Content-Length: 2\r\nConnection: close\r\n\r\nok";
        if (head) answer += "Connection: close\r\n\r\n";
        SendAll(s, answer);
        return;
    }
    SendAll(s, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
}
