// HTTP through libcurl: one easy handle per request, no redirects followed,
// the body refused at its first byte.
#include <curl/curl.h>

#include <atomic>

#include "platform/http_client.h"

namespace platform {

namespace {

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

std::size_t RefuseBody(char*, std::size_t, std::size_t, void*) { return 0; }

HttpFailure FailureOf(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST: return HttpFailure::kNoSuchHost;
    case CURLE_COULDNT_CONNECT: return HttpFailure::kRefused;
    case CURLE_OPERATION_TIMEDOUT: return HttpFailure::kTimedOut;
    case CURLE_ABORTED_BY_CALLBACK: return HttpFailure::kCancelled;
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_WEIRD_SERVER_REPLY: return HttpFailure::kDropped;
    default: return HttpFailure::kOther;
    }
}

class CurlHttpClient final : public HttpClient {
public:
    HttpResponse Request(bool head, const std::string& url, int timeoutMs) override {
        HttpResponse response;
        if (cancelled_) return Cancelled(response);
        std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
        if (!curl) return response;
        CURL* c = curl.get();
        curl_easy_setopt(c, CURLOPT_URL, url.c_str());
        curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(c, CURLOPT_NOBODY, head ? 1L : 0L);
        curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/5.0 (compatible; Vellinor link check)");
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, RefuseBody);
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, this);
        CURLcode code = curl_easy_perform(c);
        long status = 0;
        curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
        // A refused body still leaves the answer's status and headers.
        if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && status > 0)) {
            response.failure = HttpFailure::kNone;
            response.status = static_cast<int>(status);
            char* location = nullptr;
            if (curl_easy_getinfo(c, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
                response.location = location;
        } else {
            response.failure = cancelled_ ? HttpFailure::kCancelled : FailureOf(code);
        }
        return response;
    }

    void CancelAll() override { cancelled_ = true; }

private:
    static int StopWhenCancelled(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<CurlHttpClient*>(self)->cancelled_ ? 1 : 0;
    }
    static HttpResponse& Cancelled(HttpResponse& response) {
        response.failure = HttpFailure::kCancelled;
        return response;
    }

    std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
    // libcurl's global set-up is not thread-safe: once, before any client.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) return nullptr;
    return std::make_unique<CurlHttpClient>();
}

}  // namespace platform
