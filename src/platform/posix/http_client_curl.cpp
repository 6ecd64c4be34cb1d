// HTTP through libcurl: one easy handle per request, no redirects followed,
// the body refused at its first byte. libcurl (and the thirty-odd libraries it
// pulls in) is loaded when the first client is made, not when the program
// starts: most runs never check a link, and every run would pay for loading it.
#include <curl/curl.h>
#include <dlfcn.h>

#include <atomic>
#include <memory>

#include "platform/http_client.h"

namespace platform {

namespace {

// The few libcurl functions used, found in the library at run time; the
// header gives only their types and constants.
struct CurlFunctions {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
};

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

struct LibraryCloser {
    void operator()(void* library) const { ::dlclose(library); }
};

// Null when the library is not installed or lacks a function. Once in use it
// stays loaded to the end of the process: its global state is never torn down.
const CurlFunctions* LoadCurl() {
    std::unique_ptr<void, LibraryCloser> library(::dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL));
    if (!library) return nullptr;
    static CurlFunctions curl;
    if (!Find(library.get(), "curl_global_init", curl.globalInit) ||
        !Find(library.get(), "curl_easy_init", curl.easyInit) ||
        !Find(library.get(), "curl_easy_cleanup", curl.easyCleanup) ||
        !Find(library.get(), "curl_easy_setopt", curl.easySetopt) ||
        !Find(library.get(), "curl_easy_perform", curl.easyPerform) ||
        !Find(library.get(), "curl_easy_getinfo", curl.easyGetinfo))
        return nullptr;
    // libcurl's global set-up is not thread-safe: once, before any client.
    if (curl.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
    library.release();
    return &curl;
}

struct CurlDeleter {
    const CurlFunctions* curl;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
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
    explicit CurlHttpClient(const CurlFunctions& curl) : curl_(curl) {}

    HttpResponse Request(bool head, const std::string& url, int timeoutMs) override {
        HttpResponse response;
        if (cancelled_) return Cancelled(response);
        std::unique_ptr<CURL, CurlDeleter> handle(curl_.easyInit(), CurlDeleter{&curl_});
        if (!handle) return response;
        CURL* c = handle.get();
        const auto setopt = curl_.easySetopt;
        setopt(c, CURLOPT_URL, url.c_str());
        setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
        setopt(c, CURLOPT_NOBODY, head ? 1L : 0L);
        setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
        setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
        setopt(c, CURLOPT_NOSIGNAL, 1L);
        setopt(c, CURLOPT_USERAGENT, "Mozilla/5.0 (compatible; Vellinor link check)");
        setopt(c, CURLOPT_WRITEFUNCTION, RefuseBody);
        setopt(c, CURLOPT_NOPROGRESS, 0L);
        setopt(c, CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
        setopt(c, CURLOPT_XFERINFODATA, this);
        CURLcode code = curl_.easyPerform(c);
        long status = 0;
        curl_.easyGetinfo(c, CURLINFO_RESPONSE_CODE, &status);
        // A refused body still leaves the answer's status and headers.
        if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && status > 0)) {
            response.failure = HttpFailure::kNone;
            response.status = static_cast<int>(status);
            char* location = nullptr;
            if (curl_.easyGetinfo(c, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
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

    const CurlFunctions& curl_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
    static const CurlFunctions* const curl = LoadCurl();
    if (!curl) return nullptr;
    return std::make_unique<CurlHttpClient>(*curl);
}

}  // namespace platform
