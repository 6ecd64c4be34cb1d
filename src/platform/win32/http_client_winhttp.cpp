// HTTP through WinHTTP, synchronously: one connection and request handle per
// request, automatic redirects off, the body never read. Cancelling closes
// the open handles, which ends a request that waits in WinHTTP.
#include <winsock2.h>
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

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

class WinHttpClient final : public HttpClient {
public:
    explicit WinHttpClient(HINTERNET session) : session_(session) {}
    ~WinHttpClient() override { ::WinHttpCloseHandle(session_); }
    WinHttpClient(const WinHttpClient&) = delete;
    WinHttpClient& operator=(const WinHttpClient&) = delete;

    HttpResponse Request(bool head, const std::string& url, int timeoutMs) override {
        HttpResponse response;
        std::wstring wideUrl = Widen(url);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!::WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0) return response;
        std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
        path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);  // the query (and fragment)
        if (path.empty()) path = L"/";

        Handles handles(*this);
        handles.connect = Track(::WinHttpConnect(session_, host.c_str(), parts.nPort, 0));
        if (handles.connect)
            handles.request = Track(::WinHttpOpenRequest(
                handles.connect, head ? L"HEAD" : L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                WINHTTP_DEFAULT_ACCEPT_TYPES, parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
        if (!handles.request) return Failed(response, ::GetLastError());
        DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
        ::WinHttpSetOption(handles.request, WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects, sizeof noRedirects);
        ::WinHttpSetTimeouts(handles.request, timeoutMs, timeoutMs, timeoutMs, timeoutMs);
        // Waiting for the answer's headers has a limit of its own.
        DWORD headersTimeout = static_cast<DWORD>(timeoutMs);
        ::WinHttpSetOption(handles.request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headersTimeout,
                           sizeof headersTimeout);
        if (!::WinHttpSendRequest(handles.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0,
                                  0, 0) ||
            !::WinHttpReceiveResponse(handles.request, nullptr))
            return Failed(response, ::GetLastError());
        DWORD status = 0, size = sizeof status;
        if (!::WinHttpQueryHeaders(handles.request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                   WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return Failed(response, ::GetLastError());
        response.failure = HttpFailure::kNone;
        response.status = static_cast<int>(status);
        wchar_t location[2048];
        size = sizeof location;
        if (::WinHttpQueryHeaders(handles.request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, location,
                                  &size, WINHTTP_NO_HEADER_INDEX))
            response.location = Narrow(std::wstring(location, size / sizeof(wchar_t)));
        return response;
    }

    void CancelAll() override {
        std::lock_guard<std::mutex> lock(mutex_);
        cancelled_ = true;
        for (auto h = open_.rbegin(); h != open_.rend(); ++h) ::WinHttpCloseHandle(*h);  // requests first
        open_.clear();
    }

private:
    // The handles of one request; whichever of the request and CancelAll
    // comes first closes them, and nothing opens after a cancel.
    struct Handles {
        explicit Handles(WinHttpClient& client) : client(client) {}
        ~Handles() {
            client.Release(request);
            client.Release(connect);
        }
        WinHttpClient& client;
        HINTERNET connect = nullptr;
        HINTERNET request = nullptr;
    };

    HINTERNET Track(HINTERNET handle) {
        if (!handle) return nullptr;
        std::lock_guard<std::mutex> lock(mutex_);
        if (cancelled_) {
            ::WinHttpCloseHandle(handle);
            ::SetLastError(ERROR_WINHTTP_OPERATION_CANCELLED);
            return nullptr;
        }
        open_.push_back(handle);
        return handle;
    }

    void Release(HINTERNET handle) {
        if (!handle) return;
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = std::find(open_.begin(), open_.end(), handle);
        if (found == open_.end()) return;  // CancelAll closed it
        open_.erase(found);
        ::WinHttpCloseHandle(handle);
    }

    HttpResponse& Failed(HttpResponse& response, DWORD error) {
        response.failure = cancelled_ ? HttpFailure::kCancelled : FailureOf(error);
        return response;
    }

    HINTERNET session_;
    std::mutex mutex_;
    std::atomic<bool> cancelled_{false};
    std::vector<HINTERNET> open_;
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
    HINTERNET session = ::WinHttpOpen(L"Mozilla/5.0 (compatible; Vellinor link check)",
                                      WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                      WINHTTP_NO_PROXY_BYPASS, 0);
    if (!session) return nullptr;
    return std::make_unique<WinHttpClient>(session);
}

}  // namespace platform
