#include "platform/Http.h"

#include <winsock2.h>
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <mutex>

#include "platform/Text.h"

namespace {

#ifndef WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY
#define WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY 4
#endif

// Closes a WinHTTP handle when it goes.
struct Handle {
    HINTERNET value = nullptr;
    explicit Handle(HINTERNET handle = nullptr) : value(handle) {}
    ~Handle()
    {
        if (value)
            WinHttpCloseHandle(value);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

// The proxy the user set for Windows (Internet Options): a fixed one, else
// none (WinHTTP's own setting, netsh winhttp).
HINTERNET OpenWithUserProxy(const wchar_t* agent)
{
    WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config = {};
    HINTERNET session = nullptr;
    if (WinHttpGetIEProxyConfigForCurrentUser(&config) && config.lpszProxy)
        session = WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, config.lpszProxy,
                              config.lpszProxyBypass ? config.lpszProxyBypass : WINHTTP_NO_PROXY_BYPASS, 0);
    for (wchar_t* text : {config.lpszAutoConfigUrl, config.lpszProxy, config.lpszProxyBypass}) {
        if (text)
            GlobalFree(text);
    }
    if (!session)
        session = WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                              WINHTTP_NO_PROXY_BYPASS, 0);
    return session;
}

// One session for the program's life, shared by every thread (WinHTTP
// allows that). Windows 8.1 and later find the proxy themselves (settings,
// scripts); older ones take the user's fixed proxy.
HINTERNET Session(const std::string& userAgent)
{
    static std::once_flag once;
    static HINTERNET session = nullptr;
    std::call_once(once, [&] {
        const std::wstring agent = Widen(userAgent);
        session = WinHttpOpen(agent.c_str(), WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                              WINHTTP_NO_PROXY_BYPASS, 0);
        if (!session)
            session = OpenWithUserProxy(agent.c_str());
    });
    return session;
}

HttpAnswer::Failure FailureOf(DWORD code)
{
    switch (code) {
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
        return HttpAnswer::Failure::BadUrl;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case WSAECONNREFUSED:
        return HttpAnswer::Failure::Connect;
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT:  // Wine passes the socket's own code on
        return HttpAnswer::Failure::Timeout;
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
    case ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED:
        return HttpAnswer::Failure::Tls;
    default:
        return HttpAnswer::Failure::Cut;
    }
}

// Words for a failure whose code has no text (Wine's WinHTTP has none).
const char* FailureWords(HttpAnswer::Failure failure)
{
    switch (failure) {
    case HttpAnswer::Failure::BadUrl:
        return "not an http or https address";
    case HttpAnswer::Failure::Connect:
        return "the server cannot be reached";
    case HttpAnswer::Failure::Timeout:
        return "no answer came in time";
    case HttpAnswer::Failure::Tls:
        return "the secure connection failed";
    default:
        return "the connection broke";
    }
}

// WinHTTP's codes have their texts in winhttp.dll, not in the system's table.
std::string WinHttpErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        GetModuleHandleW(L"winhttp.dll"), code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string words = length && text ? TrimmedOf(Narrow(text), " \t\r\n.") : std::string();
    if (text)
        LocalFree(text);
    return (words.empty() ? std::string(FailureWords(FailureOf(code))) : words) + " (" + std::to_string(code) + ")";
}

HttpAnswer Failed(HttpAnswer::Failure failure, std::string why)
{
    HttpAnswer answer;
    answer.failure = failure;
    answer.why = std::move(why);
    return answer;
}

HttpAnswer FailedWithLastError()
{
    const DWORD code = GetLastError();
    return Failed(FailureOf(code), WinHttpErrorText(code));
}

std::string QueryHeader(HINTERNET request, DWORD which)
{
    DWORD size = 0;
    WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0)
        return std::string();
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, &value[0], &size,
                             WINHTTP_NO_HEADER_INDEX))
        return std::string();
    value.resize(size / sizeof(wchar_t));
    return TrimmedOf(Narrow(value), " \t");
}

}  // namespace

HttpAnswer HttpGet(const HttpRequest& request)
{
    const auto start = std::chrono::steady_clock::now();
    const std::wstring url = Widen(request.url);
    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts) ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
        return Failed(HttpAnswer::Failure::BadUrl, "not an http or https address");
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    const std::wstring target = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                                std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

    HINTERNET session = Session(request.userAgent);
    if (!session)
        return FailedWithLastError();
    Handle connection(WinHttpConnect(session, host.c_str(), parts.nPort, 0));
    if (!connection.value)
        return FailedWithLastError();
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    Handle exchange(WinHttpOpenRequest(connection.value, L"GET", target.c_str(), nullptr, WINHTTP_NO_REFERER,
                                       WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0));
    if (!exchange.value)
        return FailedWithLastError();
    const int milliseconds = std::max(1, static_cast<int>(request.timeoutSeconds * 1000));
    WinHttpSetTimeouts(exchange.value, milliseconds, milliseconds, milliseconds, milliseconds);
    // The wait for the answer's headers has a time-out of its own (Wine
    // keeps it apart from the one above).
    DWORD headersWait = static_cast<DWORD>(milliseconds);
    WinHttpSetOption(exchange.value, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headersWait, sizeof(headersWait));

    std::wstring headers = L"Accept: application/json\r\n";
    for (const auto& header : request.headers)
        headers += Widen(header.first + ": " + header.second) + L"\r\n";
    if (!WinHttpSendRequest(exchange.value, headers.c_str(), static_cast<DWORD>(headers.size()),
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(exchange.value, nullptr))
        return FailedWithLastError();

    HttpAnswer answer;
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinHttpQueryHeaders(exchange.value, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
        return FailedWithLastError();
    answer.status = static_cast<int>(status);
    answer.retryAfter = QueryHeader(exchange.value, WINHTTP_QUERY_RETRY_AFTER);
    const std::string length = QueryHeader(exchange.value, WINHTTP_QUERY_CONTENT_LENGTH);
    const std::string tooLarge = "the answer is larger than " + std::to_string(request.maxBytes) + " bytes";
    if (IsAllDigits(length) && (length.size() > 18 || std::stoull(length) > request.maxBytes))
        return Failed(HttpAnswer::Failure::TooLarge, tooLarge);

    // WinHTTP's time-outs count each wait; the whole exchange is held to
    // the time as well, so that a server that trickles bytes cannot hold
    // the run.
    for (;;) {
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(exchange.value, &available))
            return FailedWithLastError();
        if (available == 0)
            break;
        if (available > request.maxBytes - answer.body.size())
            return Failed(HttpAnswer::Failure::TooLarge, tooLarge);
        const size_t had = answer.body.size();
        answer.body.resize(had + available);
        DWORD read = 0;
        if (!WinHttpReadData(exchange.value, &answer.body[had], available, &read))
            return FailedWithLastError();
        answer.body.resize(had + read);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        if (spent.count() > request.timeoutSeconds)
            return Failed(HttpAnswer::Failure::Timeout, "the answer took longer than the time allowed");
    }
    // A connection that broke in the middle of the body ends like a whole
    // answer for WinHTTP (Wine's at least): the length it announced tells.
    if (IsAllDigits(length) && answer.body.size() != std::stoull(length))
        return Failed(HttpAnswer::Failure::Cut, "the connection broke before the answer was whole");
    return answer;
}
