// Checking the Web links of a list: which are dead, which have moved, and
// applying the user's choice to the list. The HTTP requests go through the
// platform's client; the model only collects the links and classifies the
// answers.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/http_client.h"

class CUrlListFile;

struct LinkToCheck {
    std::uint16_t item;  // the title (an alias's target)
    std::string url;
};

struct LinkCollection {
    std::vector<LinkToCheck> links;  // http and https URLs, each title once
    int notWeb = 0;                  // skipped: other kinds of target
    int malformed = 0;               // skipped: http or https without a usable address
};

// The marked titles (and the titles under marked categories and
// subcategories) when the list holds marks, else every title: 0, or -3 when
// memory ran out.
int CollectLinks(const CUrlListFile& list, LinkCollection& collection);

enum class LinkState { kUnchecked, kFine, kMoved, kDead, kNotDead };

enum class LinkReason {
    kNone,
    kAnswered,       // an answer that means the page is there
    kMovedForGood,   // a permanent redirect to a page that is there
    kNoSuchHost,
    kRefused,
    kTimedOut,
    kDropped,        // the connection closed without an answer
    kGone,           // 404, 410 and the other answers that mean gone
    kRedirectLoop,   // more redirects than allowed
    kLogIn,          // 401, 403, 407: there, but protected
    kRateLimited,    // 429
    kServerTrouble,  // 5xx: maybe passing
    kFailed,         // could not be checked (a TLS failure, say)
};

struct LinkResult {
    LinkState state = LinkState::kUnchecked;
    LinkReason reason = LinkReason::kNone;
    int status = 0;      // the last answer's status code, 0 without an answer
    std::string newUrl;  // kMoved: where the permanent redirects lead
};

// A short English description of the reason, for the command line.
const char* LinkReasonText(LinkReason reason);

struct LinkCheckOptions {
    int inFlight = 4;      // requests at once
    int timeoutMs = 15000; // per request
    int maxRedirects = 8;
};

class CLinkChecker {
public:
    // Called after each link with the number done and the total, from a
    // worker thread, one call at a time.
    using Progress = std::function<void(int done, int total)>;

    explicit CLinkChecker(platform::HttpClient& http, LinkCheckOptions options = {});

    // One result per link, in the order of `links`; links not reached before a
    // cancel stay kUnchecked. 0, -1 cancelled, -3 out of memory.
    int Check(const std::vector<LinkToCheck>& links, std::vector<LinkResult>& results,
              const Progress& progress = {});
    LinkResult CheckOne(const std::string& url);
    // From any thread: no new request starts and those in flight end.
    void Cancel();

private:
    platform::HttpResponse Ask(const std::string& url);

    platform::HttpClient& http_;
    LinkCheckOptions options_;
    std::atomic<bool> cancelled_{false};
};

// Where a redirect's Location leads from `base`.
std::string ResolveLocation(const std::string& base, const std::string& location);

// Marks the dead links' titles, after clearing the list's marks: the number
// marked, or -3 when memory ran out.
int MarkDeadLinks(CUrlListFile& list, const std::vector<LinkToCheck>& links,
                  const std::vector<LinkResult>& results);
// Gives each moved link's title its new URL: the number updated.
int UpdateMovedLinks(CUrlListFile& list, const std::vector<LinkToCheck>& links,
                     const std::vector<LinkResult>& results);
