// A tiny HTTP server on 127.0.0.1 (an ephemeral port) for the link checker's
// tests, with one behaviour per path: plain answers, redirects, a server that
// refuses HEAD, one that never answers, one that drops the connection and one
// that sends an endless body. It runs on threads of the test program itself.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool Started() const { return port_ != 0; }
    std::string Url(const std::string& path) const;
    // Waits (at most 30 s) until `count` requests have come in.
    bool AwaitRequests(int count);
    // A loopback port that nobody listens on.
    static int ClosedPort();

private:
    using Socket = std::intptr_t;
    void AcceptLoop();
    void Serve(Socket connection);
    void Answer(Socket connection, const std::string& method, const std::string& path);
    void WaitUntilStopped();

    Socket listener_ = -1;
    int port_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopping_ = false;
    int requests_ = 0;
    std::vector<Socket> open_;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};
