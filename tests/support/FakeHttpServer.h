#pragma once
// A small web server on 127.0.0.1 for tests, on threads of the test
// process: the system's sockets (Winsock under Wine), so that the real
// HTTP clients of both builds talk to it. Each connection gets one answer
// and is closed. It counts the requests, remembers them, and can answer
// slowly, cut the connection, or send anything at all.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct FakeRequest {
    std::string target;  // the path and query as sent: "/3/search/tv?query=Heat"
    std::string path;    // without the query, percent-decoded
    std::map<std::string, std::string> query;    // decoded
    std::map<std::string, std::string> headers;  // names in lower case
};

struct FakeReply {
    int status = 200;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // Waits this long before the first byte of the answer.
    double delaySeconds = 0;
    // Sends the headers and half the body, then closes the connection.
    bool cut = false;
    // Sends bytes that are no HTTP answer at all.
    std::string raw;
};

class FakeHttpServer {
public:
    using Handler = std::function<FakeReply(const FakeRequest&)>;
    explicit FakeHttpServer(Handler handler);
    // Stops listening and waits for every connection to end; delays are cut short.
    ~FakeHttpServer();
    FakeHttpServer(const FakeHttpServer&) = delete;
    FakeHttpServer& operator=(const FakeHttpServer&) = delete;

    // "http://127.0.0.1:PORT"
    std::string Url() const;
    int Port() const { return port_; }
    int RequestCount() const;
    std::vector<FakeRequest> Requests() const;
    // The most requests that were being answered at one time.
    int MostAtOnce() const;

private:
    void Listen();
    void Serve(long long socket);
    void Wait(double seconds);

    Handler handler_;
    long long listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    std::vector<std::thread> connections_;
    std::vector<FakeRequest> requests_;
    int atOnce_ = 0;
    int mostAtOnce_ = 0;
};

// Percent-decoding of a URL's part ("+" is a space in a query).
std::string UrlDecoded(const std::string& text);
