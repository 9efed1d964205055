#pragma once

// A loopback HTTP server for the update-check tests: answers each path with a fixed status and
// body, one connection at a time, on a thread of its own. A path may be held back until the
// test releases it, to keep a download running.

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace orvane::test {

struct HttpReply {
    int status = 200;
    std::string body;
    bool held = false;  // answered only after Release()
};

class LoopbackHttpServer {
  public:
    explicit LoopbackHttpServer(std::map<std::string, HttpReply> replies)
        : replies_(std::move(replies)) {
        WSADATA wsa;
        ::WSAStartup(MAKEWORD(2, 2), &wsa);
        listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        port_ = BindToFreeLoopbackPort(listener_);
        ::listen(listener_, 8);
        released_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackHttpServer() {
        Release();
        ::closesocket(listener_);  // ends the accept loop
        thread_.join();
        for (auto& t : answers_) {
            t.join();
        }
        ::CloseHandle(released_);
        ::WSACleanup();
    }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    std::wstring Url(const std::string& path) const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) +
               std::wstring(path.begin(), path.end());
    }
    void Release() { ::SetEvent(released_); }
    int Requests() const { return requests_; }

    // An address where nothing listens: the connection is refused.
    static std::wstring RefusedUrl() {
        WSADATA wsa;
        ::WSAStartup(MAKEWORD(2, 2), &wsa);
        const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        const int port = BindToFreeLoopbackPort(s);
        ::closesocket(s);
        ::WSACleanup();
        return L"http://127.0.0.1:" + std::to_wstring(port) + L"/ver/curr_ver.txt";
    }

  private:
    // Binds the socket to a port the system picks on 127.0.0.1; that port.
    static int BindToFreeLoopbackPort(SOCKET s) {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
        int len = sizeof(addr);
        ::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
        return ntohs(addr.sin_port);
    }

    void Serve() {
        for (;;) {
            const SOCKET client = ::accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) {
                return;
            }
            answers_.emplace_back([this, client] { Answer(client); });
        }
    }

    void Answer(SOCKET client) {
        std::string request;
        char buf[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int n = ::recv(client, buf, sizeof(buf), 0);
            if (n <= 0) {
                break;
            }
            request.append(buf, static_cast<size_t>(n));
        }
        ++requests_;
        const auto start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        const auto it = replies_.find(path);
        const HttpReply reply = it != replies_.end() ? it->second : HttpReply{404, "none", false};
        if (reply.held) {
            ::WaitForSingleObject(released_, 60000);
        }
        const std::string text =
            "HTTP/1.1 " + std::to_string(reply.status) +
            (reply.status == 200 ? " OK" : " Not Found") +
            "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(reply.body.size()) +
            "\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n" + reply.body;
        ::send(client, text.data(), static_cast<int>(text.size()), 0);
        ::shutdown(client, SD_SEND);
        while (::recv(client, buf, sizeof(buf), 0) > 0) {
        }
        ::closesocket(client);
    }

    std::map<std::string, HttpReply> replies_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    HANDLE released_ = nullptr;
    std::atomic<int> requests_{0};
    std::vector<std::thread> answers_;  // touched by the accept thread only, until it ends
    std::thread thread_;
};

}  // namespace orvane::test
