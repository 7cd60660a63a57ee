#include "support/FakeHttpServer.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
#endif

#include <algorithm>
#include <cctype>
#include <chrono>
#include <stdexcept>

namespace {

void CloseSocket(SocketHandle socket)
{
#ifdef _WIN32
    closesocket(socket);
#else
    close(socket);
#endif
}

// Waits up to the time for the socket to have something to read.
bool Readable(SocketHandle socket, int milliseconds)
{
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait = {milliseconds / 1000, (milliseconds % 1000) * 1000};
    return select(static_cast<int>(socket + 1), &set, nullptr, nullptr, &wait) > 0;
}

void SendAll(SocketHandle socket, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int chunk = static_cast<int>(std::min<size_t>(bytes.size() - sent, 65536));
        const int done = static_cast<int>(send(socket, bytes.data() + sent, chunk, 0));
        if (done <= 0)
            return;
        sent += static_cast<size_t>(done);
    }
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

FakeRequest ReadRequest(const std::string& head)
{
    FakeRequest request;
    const size_t lineEnd = head.find("\r\n");
    const std::string line = head.substr(0, lineEnd);
    const size_t space = line.find(' ');
    request.target = line.substr(space + 1, line.rfind(' ') - space - 1);
    const size_t mark = request.target.find('?');
    request.path = UrlDecoded(request.target.substr(0, mark));
    if (mark != std::string::npos) {
        const std::string query = request.target.substr(mark + 1);
        size_t start = 0;
        while (start <= query.size()) {
            const size_t end = std::min(query.find('&', start), query.size());
            const std::string pair = query.substr(start, end - start);
            const size_t equals = pair.find('=');
            if (!pair.empty())
                request.query[UrlDecoded(pair.substr(0, equals))] =
                    equals == std::string::npos ? "" : UrlDecoded(pair.substr(equals + 1));
            start = end + 1;
        }
    }
    size_t at = lineEnd + 2;
    while (at < head.size()) {
        const size_t end = head.find("\r\n", at);
        const std::string header = head.substr(at, end - at);
        const size_t colon = header.find(':');
        if (colon != std::string::npos)
            request.headers[Lower(header.substr(0, colon))] = Trimmed(header.substr(colon + 1));
        if (end == std::string::npos)
            break;
        at = end + 2;
    }
    return request;
}

std::string ReasonOf(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    default:
        return "Answer";
    }
}

}  // namespace

std::string UrlDecoded(const std::string& text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
                   std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

FakeHttpServer::FakeHttpServer(Handler handler) : handler_(std::move(handler))
{
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
    const SocketHandle listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof(address);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(listener, 64) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        CloseSocket(listener);
        throw std::runtime_error("the fake server cannot listen on 127.0.0.1");
    }
    listener_ = static_cast<long long>(listener);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { Listen(); });
}

FakeHttpServer::~FakeHttpServer()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    acceptor_.join();
    CloseSocket(static_cast<SocketHandle>(listener_));
    for (std::thread& connection : connections_)
        connection.join();
#ifdef _WIN32
    WSACleanup();
#endif
}

std::string FakeHttpServer::Url() const
{
    return "http://127.0.0.1:" + std::to_string(port_);
}

int FakeHttpServer::RequestCount() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(requests_.size());
}

std::vector<FakeRequest> FakeHttpServer::Requests() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

int FakeHttpServer::MostAtOnce() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return mostAtOnce_;
}

void FakeHttpServer::Listen()
{
    const SocketHandle listener = static_cast<SocketHandle>(listener_);
    while (!stopping_) {
        if (!Readable(listener, 20))
            continue;
        const SocketHandle connection = accept(listener, nullptr, nullptr);
        if (connection == static_cast<SocketHandle>(-1))
            continue;
        std::lock_guard<std::mutex> lock(mutex_);
        connections_.emplace_back([this, connection] { Serve(static_cast<long long>(connection)); });
    }
}

void FakeHttpServer::Wait(double seconds)
{
    std::unique_lock<std::mutex> lock(mutex_);
    stopped_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return stopping_.load(); });
}

void FakeHttpServer::Serve(long long handle)
{
    const SocketHandle socket = static_cast<SocketHandle>(handle);
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536 && !stopping_) {
        if (!Readable(socket, 20))
            continue;
        const int got = static_cast<int>(recv(socket, buffer, sizeof(buffer), 0));
        if (got <= 0)
            break;
        head.append(buffer, static_cast<size_t>(got));
        // A client that speaks no HTTP (a TLS handshake) is answered at
        // once, with an HTTP answer that it cannot take.
        if (!std::isalpha(static_cast<unsigned char>(head[0])))
            break;
    }
    const size_t end = head.find("\r\n\r\n");
    const FakeRequest request = ReadRequest(end == std::string::npos ? head : head.substr(0, end + 2));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
        mostAtOnce_ = std::max(mostAtOnce_, ++atOnce_);
    }
    const FakeReply reply = handler_(request);
    if (reply.delaySeconds > 0)
        Wait(reply.delaySeconds);
    if (!reply.raw.empty()) {
        SendAll(socket, reply.raw);
    } else {
        std::string answer = "HTTP/1.1 " + std::to_string(reply.status) + " " + ReasonOf(reply.status) +
                             "\r\nContent-Type: application/json;charset=utf-8\r\nContent-Length: " +
                             std::to_string(reply.body.size()) + "\r\nConnection: close\r\n";
        for (const auto& header : reply.headers)
            answer += header.first + ": " + header.second + "\r\n";
        answer += "\r\n";
        answer += reply.cut ? reply.body.substr(0, reply.body.size() / 2) : reply.body;
        SendAll(socket, answer);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        --atOnce_;
    }
#ifdef _WIN32
    shutdown(socket, SD_SEND);
#else
    shutdown(socket, SHUT_WR);
#endif
    // Lets the client read to the end before the connection goes.
    while (!stopping_ && Readable(socket, 200) && recv(socket, buffer, sizeof(buffer), 0) > 0) {
    }
    CloseSocket(socket);
}
