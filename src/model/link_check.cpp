// The link checker: a few worker threads take the links in turn, each
// following a link's redirects one request at a time.
#include "model/link_check.h"

#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "model/list_memory.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "model/url_parts.h"

using platform::HttpFailure;
using platform::HttpResponse;

namespace {

bool IsWebScheme(std::string_view url) {
    std::size_t scheme = UrlSchemeLength(url);
    std::string lower;
    for (char c : url.substr(0, scheme)) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return lower == "http" || lower == "https";
}

// An address that a request can go to: a host, and no byte that a URL cannot hold.
bool IsUsableWebUrl(std::string_view url) {
    std::size_t end = UrlAuthorityEnd(url);
    if (end == 0) return false;
    std::string_view authority = url.substr(UrlSchemeLength(url) + 3, end - UrlSchemeLength(url) - 3);
    authority = authority.substr(authority.rfind('@') == std::string_view::npos ? 0 : authority.rfind('@') + 1);
    if (authority.empty() || authority[0] == ':') return false;
    for (unsigned char c : url)
        if (c <= ' ' || c == 0x7F) return false;
    return true;
}

bool IsRedirect(int status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

LinkResult Failure(HttpFailure failure) {
    LinkResult result;
    result.state = LinkState::kDead;
    switch (failure) {
    case HttpFailure::kNoSuchHost: result.reason = LinkReason::kNoSuchHost; break;
    case HttpFailure::kRefused: result.reason = LinkReason::kRefused; break;
    case HttpFailure::kTimedOut: result.reason = LinkReason::kTimedOut; break;
    case HttpFailure::kDropped: result.reason = LinkReason::kDropped; break;
    case HttpFailure::kCancelled: result.state = LinkState::kUnchecked; break;
    default:
        result.state = LinkState::kNotDead;
        result.reason = LinkReason::kFailed;
    }
    return result;
}

LinkResult Answer(int status) {
    LinkResult result;
    result.status = status;
    if (status == 401 || status == 403 || status == 407) {
        result.state = LinkState::kNotDead;
        result.reason = LinkReason::kLogIn;
    } else if (status == 429) {
        result.state = LinkState::kNotDead;
        result.reason = LinkReason::kRateLimited;
    } else if (status >= 500) {
        result.state = LinkState::kNotDead;
        result.reason = LinkReason::kServerTrouble;
    } else if (status >= 400) {
        result.state = LinkState::kDead;
        result.reason = LinkReason::kGone;
    } else {
        result.state = LinkState::kFine;
        result.reason = LinkReason::kAnswered;
    }
    return result;
}

}  // namespace

const char* LinkReasonText(LinkReason reason) {
    switch (reason) {
    case LinkReason::kNone: return "not checked";
    case LinkReason::kAnswered: return "answered";
    case LinkReason::kMovedForGood: return "moved permanently";
    case LinkReason::kNoSuchHost: return "no such host";
    case LinkReason::kRefused: return "connection refused";
    case LinkReason::kTimedOut: return "timed out";
    case LinkReason::kDropped: return "connection dropped";
    case LinkReason::kGone: return "gone";
    case LinkReason::kRedirectLoop: return "too many redirects";
    case LinkReason::kLogIn: return "needs a log-in";
    case LinkReason::kRateLimited: return "too many requests";
    case LinkReason::kServerTrouble: return "server error";
    case LinkReason::kFailed: return "could not be checked";
    }
    return "";
}

int CollectLinks(const CUrlListFile& list, LinkCollection& collection) {
    collection = LinkCollection();
    MemoryGate* gate = list.Environment().memory;
    std::vector<std::uint8_t> seen;  // by item: already taken
    std::size_t items = static_cast<std::size_t>(list.Count()) + 1;
    if (!ReserveThroughGate(gate, seen, items) ||
        !ReserveThroughGate(gate, collection.links, static_cast<std::size_t>(list.TitleCount())))
        return -3;
    seen.assign(items, 0);
    auto take = [&](int item) {
        const ListItem& it = list.Item(item);
        if (it.Level() != kTitle || it.Has(ItemFlags::kSeparator)) return;
        item = list.ResolveAlias(item);
        if (seen[static_cast<std::size_t>(item)]) return;
        seen[static_cast<std::size_t>(item)] = 1;
        std::string_view url = TitleUrl(list.RawText(item));
        if (!IsWebScheme(url))
            ++collection.notWeb;
        else if (!IsUsableWebUrl(url))
            ++collection.malformed;
        else
            collection.links.push_back({static_cast<std::uint16_t>(item), std::string(url)});
    };
    if (list.MarkCount() > 0) {
        for (std::uint16_t marked : list.Marks()) {
            int end = list.NextSibling(marked).item;
            for (int item = marked; item != end; item = list.Next(item)) take(item);
        }
    } else {
        for (int item = list.First(); item != 0; item = list.Next(item)) take(item);
    }
    return 0;
}

std::string ResolveLocation(const std::string& base, const std::string& location) {
    if (UrlSchemeLength(location) > 0) return location;
    std::size_t authorityEnd = UrlAuthorityEnd(base);
    if (location.compare(0, 2, "//") == 0) return base.substr(0, UrlSchemeLength(base) + 1) + location;
    if (!location.empty() && location[0] == '/') return base.substr(0, authorityEnd) + location;
    std::size_t pathEnd = base.find_first_of("?#", authorityEnd);
    std::string path = base.substr(0, pathEnd);
    if (!location.empty() && location[0] == '?') return path + location;
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash < authorityEnd) return path + "/" + location;
    return path.substr(0, slash + 1) + location;
}

CLinkChecker::CLinkChecker(platform::HttpClient& http, LinkCheckOptions options)
    : http_(http), options_(options) {}

void CLinkChecker::Cancel() {
    cancelled_ = true;
    http_.CancelAll();
}

HttpResponse CLinkChecker::Ask(const std::string& url) {
    HttpResponse response = http_.Request(true, url, options_.timeoutMs);
    // Some servers refuse HEAD but answer GET.
    if (response.failure == HttpFailure::kNone && (response.status == 405 || response.status == 501))
        response = http_.Request(false, url, options_.timeoutMs);
    return response;
}

LinkResult CLinkChecker::CheckOne(const std::string& url) {
    std::string current = url;
    std::string movedTo;
    bool permanentSoFar = true;
    for (int redirects = 0;; ++redirects) {
        if (cancelled_) return LinkResult();
        HttpResponse response = Ask(current);
        if (response.failure != HttpFailure::kNone) return Failure(response.failure);
        if (!IsRedirect(response.status) || response.location.empty()) {
            LinkResult result = Answer(response.status);
            if (result.state == LinkState::kFine && !movedTo.empty()) {
                result.state = LinkState::kMoved;
                result.reason = LinkReason::kMovedForGood;
                result.newUrl = std::move(movedTo);
            }
            return result;
        }
        if (redirects == options_.maxRedirects) {
            LinkResult loop;
            loop.state = LinkState::kDead;
            loop.reason = LinkReason::kRedirectLoop;
            loop.status = response.status;
            return loop;
        }
        current = ResolveLocation(current, response.location);
        // The new address is where the leading permanent redirects lead: a
        // temporary one after them may change again.
        permanentSoFar = permanentSoFar && (response.status == 301 || response.status == 308);
        if (permanentSoFar) movedTo = current;
    }
}

int CLinkChecker::Check(const std::vector<LinkToCheck>& links, std::vector<LinkResult>& results,
                        const Progress& progress) {
    try {
        results.assign(links.size(), LinkResult());
    } catch (const std::bad_alloc&) {
        return -3;
    }
    std::atomic<std::size_t> next{0};
    std::mutex progressMutex;
    int done = 0;
    auto work = [&] {
        for (std::size_t i; !cancelled_ && (i = next++) < links.size();) {
            LinkResult result = CheckOne(links[i].url);
            std::lock_guard<std::mutex> lock(progressMutex);
            results[i] = std::move(result);
            ++done;
            if (progress) progress(done, static_cast<int>(links.size()));
        }
    };
    std::vector<std::thread> workers;
    std::size_t wanted = std::min<std::size_t>(static_cast<std::size_t>(std::max(options_.inFlight, 1)), links.size());
    try {
        for (std::size_t w = 1; w < wanted; ++w) workers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than asked for: those started and this one do the work.
    }
    work();
    for (std::thread& worker : workers) worker.join();
    return cancelled_ ? -1 : 0;
}

int MarkDeadLinks(CUrlListFile& list, const std::vector<LinkToCheck>& links, const std::vector<LinkResult>& results) {
    list.ClearMarks();
    int marked = 0;
    for (std::size_t i = 0; i < links.size() && i < results.size(); ++i) {
        if (results[i].state != LinkState::kDead) continue;
        int result = list.SetMark(links[i].item, 1);
        if (result < 0) return result;
        ++marked;
    }
    return marked;
}

int UpdateMovedLinks(CUrlListFile& list, const std::vector<LinkToCheck>& links,
                     const std::vector<LinkResult>& results) {
    int updated = 0;
    for (std::size_t i = 0; i < links.size() && i < results.size(); ++i) {
        if (results[i].state != LinkState::kMoved || results[i].newUrl.empty()) continue;
        list.SetTitleUrl(links[i].item, results[i].newUrl);
        ++updated;
    }
    return updated;
}
