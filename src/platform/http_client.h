// HTTP seam of the link checker: one request at a time per call, from any
// number of threads at once, through the platform's own HTTP library.
#pragma once

#include <memory>
#include <string>

namespace platform {

enum class HttpFailure {
    kNone,        // an answer came: see status
    kNoSuchHost,  // the host name does not resolve
    kRefused,     // nobody listens there
    kTimedOut,    // no answer within the time allowed
    kDropped,     // the connection closed without a proper answer
    kCancelled,   // CancelAll was called
    kOther,       // anything else (a TLS failure, a malformed URL)
};

struct HttpResponse {
    HttpFailure failure = HttpFailure::kOther;
    int status = 0;        // the answer's status code
    std::string location;  // the Location of a redirect, as the server sent it
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // A HEAD (or GET) request that follows no redirect and reads no body:
    // the answer ends as soon as its status and headers are in.
    virtual HttpResponse Request(bool head, const std::string& url, int timeoutMs) = 0;
    // Ends the requests in progress, and refuses every later one, with kCancelled.
    virtual void CancelAll() = 0;
};

// The platform's client: WinHTTP on Windows, libcurl elsewhere.
std::unique_ptr<HttpClient> MakeHttpClient();

}  // namespace platform
