// HTTP through WinHTTP in asynchronous mode: one connection and request
// handle per request, automatic redirects off, the body never read. The
// requesting thread waits for the answer's headers, the time allowed or a
// cancel, whichever comes first, so that a cancel never waits for a server.
#include <winsock2.h>
#include <windows.h>
#include <winhttp.h>

#include <atomic>
#include <memory>

#include "platform/http_client.h"

namespace platform {

namespace {

std::wstring Widen(const std::string& text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                          nullptr, nullptr);
    return text;
}

HttpFailure FailureOf(DWORD error) {
    switch (error) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: return HttpFailure::kNoSuchHost;
    case ERROR_WINHTTP_CANNOT_CONNECT: return HttpFailure::kRefused;
    case ERROR_WINHTTP_TIMEOUT:
    case ERROR_TIMEOUT:  // what Wine reports when the answer's headers are late
    case WSAETIMEDOUT: return HttpFailure::kTimedOut;
    case ERROR_WINHTTP_OPERATION_CANCELLED: return HttpFailure::kCancelled;
    case ERROR_WINHTTP_CONNECTION_ERROR:
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE: return HttpFailure::kDropped;
    default: return HttpFailure::kOther;
    }
}

struct HandleCloser {
    void operator()(HINTERNET handle) const { ::WinHttpCloseHandle(handle); }
};
using UniqueInternet = std::unique_ptr<void, HandleCloser>;

struct EventCloser {
    void operator()(HANDLE event) const { ::CloseHandle(event); }
};
using UniqueEvent = std::unique_ptr<void, EventCloser>;

// What WinHTTP's callbacks report about one request. WinHTTP holds a share of
// it until the request handle is gone, so a late callback never writes into
// freed memory.
struct Outcome {
    UniqueEvent done{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::atomic<DWORD> error{0};
};

void CALLBACK OnStatus(HINTERNET request, DWORD_PTR context, DWORD status, LPVOID info, DWORD) {
    auto* share = reinterpret_cast<std::shared_ptr<Outcome>*>(context);
    if (!share) return;  // the connection handle carries no context
    Outcome& outcome = **share;
    switch (status) {
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
        if (!::WinHttpReceiveResponse(request, nullptr)) {
            outcome.error = ::GetLastError();
            ::SetEvent(outcome.done.get());
        }
        break;
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE: ::SetEvent(outcome.done.get()); break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
        outcome.error = static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError;
        ::SetEvent(outcome.done.get());
        break;
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING: delete share; break;
    default: break;
    }
}

class WinHttpClient final : public HttpClient {
public:
    WinHttpClient(HINTERNET session, HANDLE cancelled) : session_(session), cancelEvent_(cancelled) {}

    HttpResponse Request(bool head, const std::string& url, int timeoutMs) override {
        HttpResponse response;
        if (cancelled_) return Failed(response, ERROR_WINHTTP_OPERATION_CANCELLED);
        std::wstring wideUrl = Widen(url);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!::WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0) return response;
        std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
        path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);  // the query (and fragment)
        if (path.empty()) path = L"/";

        UniqueInternet connection(::WinHttpConnect(session_.get(), host.c_str(), parts.nPort, 0));
        if (!connection) return Failed(response, ::GetLastError());
        // Declared after the connection, so that it closes first.
        UniqueInternet request(::WinHttpOpenRequest(
            connection.get(), head ? L"HEAD" : L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
            WINHTTP_DEFAULT_ACCEPT_TYPES, parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
        if (!request) return Failed(response, ::GetLastError());
        DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
        ::WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects, sizeof noRedirects);
        ::WinHttpSetTimeouts(request.get(), timeoutMs, timeoutMs, timeoutMs, timeoutMs);

        auto outcome = std::make_shared<Outcome>();
        if (!outcome->done) return response;
        auto* share = new std::shared_ptr<Outcome>(outcome);  // WinHTTP's, freed at HANDLE_CLOSING
        if (!::WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                                  reinterpret_cast<DWORD_PTR>(share))) {
            DWORD error = ::GetLastError();
            DWORD_PTR none = 0;  // a request that never started: its closing frees nothing
            ::WinHttpSetOption(request.get(), WINHTTP_OPTION_CONTEXT_VALUE, &none, sizeof none);
            delete share;
            return Failed(response, error);
        }
        HANDLE waits[] = {outcome->done.get(), cancelEvent_.get()};
        DWORD woken = ::WaitForMultipleObjects(2, waits, FALSE, static_cast<DWORD>(timeoutMs));
        if (woken == WAIT_TIMEOUT) return Failed(response, ERROR_WINHTTP_TIMEOUT);
        if (woken != WAIT_OBJECT_0) return Failed(response, ERROR_WINHTTP_OPERATION_CANCELLED);
        if (outcome->error != 0) return Failed(response, outcome->error);

        DWORD status = 0, size = sizeof status;
        if (!::WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                   WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return Failed(response, ::GetLastError());
        response.failure = HttpFailure::kNone;
        response.status = static_cast<int>(status);
        wchar_t location[2048];
        size = sizeof location;
        if (::WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, location,
                                  &size, WINHTTP_NO_HEADER_INDEX))
            response.location = Narrow(std::wstring(location, size / sizeof(wchar_t)));
        return response;
    }

    void CancelAll() override {
        cancelled_ = true;
        ::SetEvent(cancelEvent_.get());
    }

private:
    HttpResponse& Failed(HttpResponse& response, DWORD error) {
        response.failure = cancelled_ ? HttpFailure::kCancelled : FailureOf(error);
        return response;
    }

    UniqueInternet session_;
    UniqueEvent cancelEvent_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
    UniqueInternet session(::WinHttpOpen(L"Mozilla/5.0 (compatible; Vellinor link check)",
                                         WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                         WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
    UniqueEvent cancelled(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!session || !cancelled) return nullptr;
    DWORD notices = WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES;
    if (::WinHttpSetStatusCallback(session.get(), OnStatus, notices, 0) == WINHTTP_INVALID_STATUS_CALLBACK)
        return nullptr;
    return std::make_unique<WinHttpClient>(session.release(), cancelled.release());
}

}  // namespace platform
