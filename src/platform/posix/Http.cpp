#include "platform/Http.h"

#include <curl/curl.h>

#include <mutex>

namespace {

// What the transfer collects while it runs.
struct Transfer {
    size_t maxBytes = 0;
    std::string body;
    std::string retryAfter;
    bool tooLarge = false;
};

size_t TakeBody(char* data, size_t size, size_t count, void* user)
{
    Transfer& transfer = *static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (bytes > transfer.maxBytes - transfer.body.size()) {
        transfer.tooLarge = true;
        return 0;  // ends the transfer with CURLE_WRITE_ERROR
    }
    transfer.body.append(data, bytes);
    return bytes;
}

// Header lines come one by one; a redirect's lines come before the final ones.
size_t TakeHeader(char* data, size_t size, size_t count, void* user)
{
    Transfer& transfer = *static_cast<Transfer*>(user);
    const std::string line(data, size * count);
    if (line.rfind("HTTP/", 0) == 0)
        transfer.retryAfter.clear();
    const std::string name = "retry-after:";
    if (line.size() > name.size()) {
        std::string start = line.substr(0, name.size());
        for (char& c : start)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (start == name) {
            std::string value = line.substr(name.size());
            const size_t first = value.find_first_not_of(" \t");
            const size_t last = value.find_last_not_of(" \t\r\n");
            transfer.retryAfter = first == std::string::npos ? "" : value.substr(first, last - first + 1);
        }
    }
    return size * count;
}

HttpAnswer::Failure FailureOf(CURLcode code)
{
    switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return HttpAnswer::Failure::BadUrl;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        return HttpAnswer::Failure::Connect;
    case CURLE_OPERATION_TIMEDOUT:
        return HttpAnswer::Failure::Timeout;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_USE_SSL_FAILED:
        return HttpAnswer::Failure::Tls;
    default:
        return HttpAnswer::Failure::Cut;
    }
}

// libcurl's global state, made once before the first transfer.
void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// A handle per thread, so that connections are used again between requests.
struct ThreadHandle {
    CURL* curl = nullptr;
    ~ThreadHandle()
    {
        if (curl)
            curl_easy_cleanup(curl);
    }
};

}  // namespace

HttpAnswer HttpGet(const HttpRequest& request)
{
    HttpAnswer answer;
    if (request.url.rfind("http://", 0) != 0 && request.url.rfind("https://", 0) != 0) {
        answer.failure = HttpAnswer::Failure::BadUrl;
        answer.why = "not an http or https address";
        return answer;
    }
    InitCurlOnce();
    thread_local ThreadHandle handle;
    if (!handle.curl)
        handle.curl = curl_easy_init();
    else
        curl_easy_reset(handle.curl);
    CURL* curl = handle.curl;
    if (!curl) {
        answer.failure = HttpAnswer::Failure::Connect;
        answer.why = "the HTTP library could not start";
        return answer;
    }

    Transfer transfer;
    transfer.maxBytes = request.maxBytes;
    curl_slist* headers = curl_slist_append(nullptr, "Accept: application/json");
    for (const auto& header : request.headers)
        headers = curl_slist_append(headers, (header.first + ": " + header.second).c_str());
    char error[CURL_ERROR_SIZE] = "";
    const long milliseconds = static_cast<long>(request.timeoutSeconds * 1000);
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, request.userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, milliseconds > 0 ? milliseconds : 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, TakeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, TakeHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    const curl_off_t most = static_cast<curl_off_t>(request.maxBytes);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, most);
    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(headers);

    if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        answer.failure = HttpAnswer::Failure::TooLarge;
        answer.why = "the answer is larger than " + std::to_string(request.maxBytes) + " bytes";
        return answer;
    }
    if (code != CURLE_OK) {
        answer.failure = FailureOf(code);
        answer.why = *error ? error : curl_easy_strerror(code);
        return answer;
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    answer.status = static_cast<int>(status);
    answer.body = std::move(transfer.body);
    answer.retryAfter = std::move(transfer.retryAfter);
    return answer;
}
