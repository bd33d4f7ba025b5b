#pragma once

// An HTTP/1.0 server on 127.0.0.1 that the test runs itself, in its own thread, so that a
// tollmark-cli started by the test and the window's own event loop can both fetch from it.

#include "cli/loopbacksocket.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One request per connection: the page of the request's path, or a 404 page.
class ThreadChartServer
{
public:
    explicit ThreadChartServer(std::map<std::string, std::string> pages) : pages_(std::move(pages))
    {
        listener_ = OpenTcpSocket();
        if (listener_ == kNoSocket)
            return;
        port_ = BindLoopback(listener_);
        if (port_ == 0 || ::listen(listener_, 8) != 0)
            return;
        thread_ = std::thread([this] { serve(); });
    }
    ~ThreadChartServer()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (listener_ != kNoSocket)
            CloseSocket(listener_);
    }

    std::string base() const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + "/taxmatrix/charts/";
    }
    std::vector<std::string> requests() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    void serve()
    {
        while (!stop_) {
            if (!WaitReadable(listener_, 50))
                continue;
            const Socket client = ::accept(listener_, nullptr, nullptr);
            if (client != kNoSocket) {
                answer(client);
                CloseSocket(client);
            }
        }
    }

    void answer(Socket client)
    {
        std::string request;
        char buffer[2048];
        while (request.find("\r\n\r\n") == std::string::npos) {
            if (!WaitReadable(client, 2000))
                return;
            const long got = Receive(client, buffer, sizeof buffer);
            if (got <= 0)
                return;
            request.append(buffer, static_cast<size_t>(got));
        }
        const size_t pathStart = request.find(' ') + 1;
        const std::string path =
            request.substr(pathStart, request.find(' ', pathStart) - pathStart);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request.substr(0, request.find("\r\n\r\n")));
        }
        const auto page = pages_.find(path);
        const bool found = page != pages_.end();
        const std::string body = found ? page->second : "<html><h1>Not Found</h1></html>\n";
        const std::string reply =
            std::string(found ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
            "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
        SendAll(client, reply);
    }

    const std::map<std::string, std::string> pages_;
    Socket listener_ = kNoSocket;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};
