// The system's HTTP client behind HttpGet (WinHTTP under Wine, libcurl
// natively) against a server on 127.0.0.1: headers both ways, the status,
// the size cap at its exact value, the time-out, a cut connection, an
// answer that is no HTTP, and TLS spoken to a server that speaks none.
#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/Http.h"
#include "support/FakeHttpServer.h"

namespace {

HttpRequest RequestTo(const FakeHttpServer& server, const std::string& target)
{
    HttpRequest request;
    request.url = server.Url() + target;
    request.timeoutSeconds = 5;
    return request;
}

}  // namespace

TEST(Http, SendsTheHeadersAndTakesTheStatusBodyAndRetryAfter)
{
    FakeHttpServer server([](const FakeRequest& request) {
        FakeReply reply;
        reply.status = request.path == "/3/tv/1" ? 429 : 200;
        reply.body = "{\"path\":\"" + request.path + "\"}";
        reply.headers = {{"Retry-After", "7"}};
        return reply;
    });
    HttpRequest request = RequestTo(server, "/3/tv/1?query=Doctor%20Who&api_key=k");
    request.headers = {{"Authorization", "Bearer token"}};
    request.userAgent = "Reelmark/1.0";
    const HttpAnswer answer = HttpGet(request);
    ASSERT_EQ(HttpAnswer::Failure::None, answer.failure) << answer.why;
    EXPECT_EQ(429, answer.status);
    EXPECT_EQ("{\"path\":\"/3/tv/1\"}", answer.body);
    EXPECT_EQ("7", answer.retryAfter);
    ASSERT_EQ(1, server.RequestCount());
    const FakeRequest seen = server.Requests()[0];
    EXPECT_EQ("Doctor Who", seen.query.at("query"));
    EXPECT_EQ("Bearer token", seen.headers.at("authorization"));
    EXPECT_EQ("application/json", seen.headers.at("accept"));
}

TEST(Http, TheSizeCapTakesAnAnswerOfExactlyItsSizeAndRefusesOneByteMore)
{
    FakeHttpServer server([](const FakeRequest& request) {
        FakeReply reply;
        reply.body = std::string(request.path == "/big" ? 1001 : 1000, 'x');
        return reply;
    });
    HttpRequest request = RequestTo(server, "/exact");
    request.maxBytes = 1000;
    const HttpAnswer exact = HttpGet(request);
    EXPECT_EQ(HttpAnswer::Failure::None, exact.failure) << exact.why;
    EXPECT_EQ(1000u, exact.body.size());
    request.url = server.Url() + "/big";
    const HttpAnswer big = HttpGet(request);
    EXPECT_EQ(HttpAnswer::Failure::TooLarge, big.failure);
    EXPECT_TRUE(big.body.empty());
}

TEST(Http, ASlowServerRunsOutOfTime)
{
    FakeHttpServer server([](const FakeRequest&) {
        FakeReply reply;
        reply.body = "{}";
        reply.delaySeconds = 10;
        return reply;
    });
    HttpRequest request = RequestTo(server, "/slow");
    request.timeoutSeconds = 0.5;
    const double start = SteadySeconds();
    const HttpAnswer answer = HttpGet(request);
    EXPECT_EQ(HttpAnswer::Failure::Timeout, answer.failure) << answer.why;
    EXPECT_FALSE(answer.why.empty());
    // Given up at its time, not when the server at last answers (Wine's
    // WinHTTP waits for the headers under a time-out of its own).
    EXPECT_LT(SteadySeconds() - start, 5.0);
}

TEST(Http, ACutConnectionAndAnAnswerThatIsNoHttpFailWithoutABody)
{
    FakeHttpServer server([](const FakeRequest& request) {
        FakeReply reply;
        reply.body = std::string(4000, 'x');
        reply.cut = request.path == "/cut";
        if (request.path == "/garbage")
            reply.raw = "this is no HTTP at all\r\n\r\n";
        return reply;
    });
    for (const char* target : {"/cut", "/garbage"}) {
        const HttpAnswer answer = HttpGet(RequestTo(server, target));
        EXPECT_NE(HttpAnswer::Failure::None, answer.failure) << target;
        EXPECT_FALSE(answer.why.empty()) << target;
        EXPECT_TRUE(answer.body.empty()) << target;
    }
}

TEST(Http, TlsToAServerThatSpeaksNoneFailsAsTls)
{
    FakeHttpServer server([](const FakeRequest&) {
        FakeReply reply;
        reply.body = "{}";
        return reply;
    });
    HttpRequest request;
    request.url = "https://127.0.0.1:" + std::to_string(server.Port()) + "/3/tv/1";
    request.timeoutSeconds = 5;
    const HttpAnswer answer = HttpGet(request);
    EXPECT_EQ(HttpAnswer::Failure::Tls, answer.failure) << answer.why;
}

TEST(Http, NothingListeningAndNoWebAddressAreToldApart)
{
    int port = 0;
    {
        FakeHttpServer gone([](const FakeRequest&) { return FakeReply(); });
        port = gone.Port();
    }
    HttpRequest request;
    request.url = "http://127.0.0.1:" + std::to_string(port) + "/";
    request.timeoutSeconds = 5;
    EXPECT_EQ(HttpAnswer::Failure::Connect, HttpGet(request).failure);
    request.url = "ftp://127.0.0.1/";
    EXPECT_EQ(HttpAnswer::Failure::BadUrl, HttpGet(request).failure);
}

TEST(Http, QueryTextsAreEncodedByteForByte)
{
    EXPECT_EQ("Doctor%20Who%20%282005%29", UrlEncoded("Doctor Who (2005)"));
    EXPECT_EQ("Am%C3%A9lie%26x%3D1", UrlEncoded("Amélie&x=1"));
    EXPECT_EQ("a-b_c.d~e", UrlEncoded("a-b_c.d~e"));
}
