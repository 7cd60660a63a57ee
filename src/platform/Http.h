#pragma once
// One HTTP GET by the system's own client: WinHTTP on Windows, libcurl
// elsewhere. HTTPS checks the server against the system's certificates and
// goes through the system's proxy settings (Windows' own, or the
// http_proxy/https_proxy variables elsewhere). Safe to call from several
// threads at once.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct HttpRequest {
    std::string url;  // http:// or https://
    // Sent as they are ("Authorization", "Bearer ..."); "Accept:
    // application/json" and the user agent are sent always.
    std::vector<std::pair<std::string, std::string>> headers;
    std::string userAgent = "Reelmark";
    // The most the whole exchange may take, connecting included.
    double timeoutSeconds = 30;
    // The most bytes of an answer's body; a longer one fails (TooLarge)
    // without being read to its end.
    size_t maxBytes = 8u << 20;
};

struct HttpAnswer {
    enum class Failure {
        None,        // an answer came: status and body hold it
        BadUrl,      // not an http or https address
        Connect,     // the server could not be found or reached
        Timeout,     // the time was up before the answer was whole
        Tls,         // the secure connection failed (certificate, handshake)
        Cut,         // the connection broke, or the answer was no HTTP
        TooLarge,    // the body is longer than maxBytes
    };
    Failure failure = Failure::None;
    // The system's words for a failure, for a log line; never the address
    // (it may carry a key).
    std::string why;
    int status = 0;
    std::string body;
    // The Retry-After header as sent; empty without one.
    std::string retryAfter;
};

HttpAnswer HttpGet(const HttpRequest& request);

// The URL's query value: every byte but the unreserved ones as %XX.
std::string UrlEncoded(const std::string& text);
