#pragma once

// The few socket calls of the tests' loopback HTTP server, on POSIX sockets or on
// Winsock (where a socket is no file descriptor: closesocket, WSAPoll, recv and send).

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cstddef>
#include <string>

#ifdef _WIN32
using Socket = SOCKET;
const Socket kNoSocket = INVALID_SOCKET;
#else
using Socket = int;
const Socket kNoSocket = -1;
#endif

// A TCP socket; Winsock is started on the first.
inline Socket OpenTcpSocket()
{
#ifdef _WIN32
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started)
        return kNoSocket;
#endif
    return ::socket(AF_INET, SOCK_STREAM, 0);
}

inline void CloseSocket(Socket s)
{
#ifdef _WIN32
    ::closesocket(s);
#else
    ::close(s);
#endif
}

// Binds `s` to a free port of 127.0.0.1: the port, or 0.
inline int BindLoopback(Socket s)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

// Whether `s` has something to read (or a connection to accept) within `ms`.
inline bool WaitReadable(Socket s, int ms)
{
#ifdef _WIN32
    WSAPOLLFD waiting{s, POLLRDNORM, 0};
    return ::WSAPoll(&waiting, 1, ms) > 0;
#else
    pollfd waiting{s, POLLIN, 0};
    return ::poll(&waiting, 1, ms) > 0;
#endif
}

// Bytes received into `buffer` (at most `size`); 0 or less at the end or on a failure.
inline long Receive(Socket s, char *buffer, size_t size)
{
    return static_cast<long>(::recv(s, buffer, static_cast<int>(size), 0));
}

// Sends all of `bytes`: whether it did.
inline bool SendAll(Socket s, const std::string &bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const long done = static_cast<long>(
            ::send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0));
        if (done <= 0)
            return false;
        sent += static_cast<size_t>(done);
    }
    return true;
}
