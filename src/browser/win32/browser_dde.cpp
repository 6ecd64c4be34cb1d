#include "browser/win32/browser_dde.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string>

namespace {

constexpr std::string_view kIETitleEnd = " - Microsoft Internet Explorer";
constexpr std::size_t kMaxTitleChars = 1023;
// Z order can change while it is walked; the walk stops after this many windows.
constexpr int kMaxTopLevelWindows = 10000;

std::string WindowTitle(HWND window) {
    char text[kMaxTitleChars + 1] = {};
    int length = ::GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// A conversation that is disconnected whichever way the operation ends.
class Conversation {
public:
    Conversation(CDdeClient& client, std::string_view service, std::string_view topic, DWORD filter)
        : client_(client), slot_(client.DdeConnect(service, topic, filter)) {}
    ~Conversation() { client_.DdeDisconnect(slot_); }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    bool Connected() const { return slot_ >= 0; }
    bool Request(std::string_view item) { return client_.DdeRequest(slot_, item); }
    // The reply's bytes; none when nothing arrived in time (`timedOut`) or the reply was empty.
    std::optional<std::string> Reply(bool* timedOut = nullptr) {
        std::string data;
        int length = client_.DdeWaitData(slot_, CDdeClient::kReplyTimeoutMs, data);
        if (timedOut) *timedOut = length < 0;
        if (length <= 0) return std::nullopt;
        return data;
    }

private:
    CDdeClient& client_;
    int slot_;
};

bool AgreesOverShorter(std::string_view text, std::string_view field) {
    std::size_t length = std::min(text.size(), field.size());
    return text.substr(0, length) == field.substr(0, length);
}

}  // namespace

bool CBrowserDde::DdeOpenUrl(std::string_view url, bool newWindow) {
    const std::string& name = DdeName();
    // An atom holds at most 255 characters: a longer URL cannot travel, and
    // is never cut short.
    if (name.empty() || OpenUrlItem(url, kLastActiveWindowId).size() > kMaxItemChars) return false;
    std::int32_t windowId = kNewWindowId;
    DWORD threadFilter = 0;
    if (newWindow) {
        if (browsers_.OldIE) return false;
    } else {
        windowId = kLastActiveWindowId;
        if (KindOfBrowser(name, NameMatch::kIgnoreCase) == BrowserKind::kInternetExplorer) {
            HWND window = nullptr;
            windowId = FindFrontmostIEWindow(window, threadFilter);
            if (window) ::BringWindowToTop(window);
        }
        Conversation activate(client_, name, "WWW_Activate", threadFilter);
        if (activate.Request(ActivateItem(windowId)) &&
            KindOfBrowser(name, NameMatch::kExact) == BrowserKind::kNetscape) {
            if (std::optional<std::string> reply = activate.Reply())
                windowId = ReplyWindowId(*reply).value_or(windowId);
            windowId = OutermostFrame(windowId);
        }
    }
    Conversation open(client_, name, "WWW_OpenURL", threadFilter);
    return open.Request(OpenUrlItem(url, windowId));
}

std::int32_t CBrowserDde::OutermostFrame(std::int32_t windowId) {
    Conversation parents(client_, DdeName(), "WWW_GetFrameParent", 0);
    std::set<std::int32_t> seen{windowId};
    // Stops at the top (0), at a refusal or silence, and at a browser that
    // keeps answering with ids it gave before.
    for (int step = 0; step < kMaxFrameSteps && parents.Request(WindowIdItem(windowId)); ++step) {
        std::optional<std::string> reply = parents.Reply();
        std::optional<std::int32_t> parent = reply ? ReplyWindowId(*reply) : std::nullopt;
        if (!parent || *parent == 0 || !seen.insert(*parent).second) break;
        windowId = *parent;
    }
    return windowId;
}

std::optional<std::string> CBrowserDde::RequestOnce(std::string_view topic, std::string_view item) {
    if (DdeName().empty()) return std::nullopt;
    Conversation conversation(client_, DdeName(), topic, 0);
    if (!conversation.Request(item)) return std::nullopt;
    return conversation.Reply();
}

std::optional<std::vector<std::int32_t>> CBrowserDde::DdeListWindows() {
    std::optional<std::string> reply = RequestOnce("WWW_ListWindows", "WWW_ListWindows");
    if (!reply) return std::nullopt;
    std::vector<std::int32_t> ids = ReplyWindowIds(*reply);
    if (ids.size() > kMaxWindows) ids.resize(kMaxWindows);
    return ids;
}

std::optional<WindowInfo> CBrowserDde::DdeGetWindowInfo(std::int32_t windowId) {
    std::optional<std::string> reply = RequestOnce("WWW_GetWindowInfo", WindowIdItem(windowId));
    if (!reply) return std::nullopt;
    return ParseWindowInfo(*reply, DdeName());
}

bool CBrowserDde::VisitWindowInfos(const std::vector<std::int32_t>& ids, DWORD threadFilter,
                                   const std::function<bool(std::int32_t, const WindowInfo&)>& visit) {
    Conversation conversation(client_, DdeName(), "WWW_GetWindowInfo", threadFilter);
    if (!conversation.Connected()) return false;
    int unanswered = 0;
    for (std::int32_t id : ids) {
        if (id == 0) break;
        bool timedOut = false;
        std::optional<std::string> reply;
        if (conversation.Request(WindowIdItem(id))) reply = conversation.Reply(&timedOut);
        if (timedOut && ++unanswered >= kMaxUnanswered) break;
        if (reply && visit(id, ParseWindowInfo(*reply, DdeName()))) return true;
    }
    return false;
}

std::vector<CBrowserDde::TitledWindow> CBrowserDde::WindowInfos(const std::vector<std::int32_t>& ids,
                                                                DWORD threadFilter, bool& answered) {
    answered = false;
    std::vector<TitledWindow> windows;
    VisitWindowInfos(ids, threadFilter, [&](std::int32_t id, const WindowInfo& info) {
        answered = true;
        windows.push_back({id, info});
        return false;
    });
    return windows;
}

std::int32_t CBrowserDde::DdeFindWindowByTitle(std::string_view text, DWORD threadFilter) {
    std::optional<std::vector<std::int32_t>> ids = DdeListWindows();
    if (!ids) return -1;
    std::int32_t found = -1;
    VisitWindowInfos(*ids, threadFilter, [&](std::int32_t id, const WindowInfo& info) {
        // An empty title (or URL) agrees with any text.
        if (!AgreesOverShorter(text, info.title) && !AgreesOverShorter(text, info.url)) return false;
        found = id;
        return true;
    });
    return found;
}

std::int32_t CBrowserDde::FindFrontmostIEWindow(HWND& window, DWORD& thread) {
    window = FindIEWindow(nullptr);
    thread = 0;
    if (!window) return -1;
    thread = ::GetWindowThreadProcessId(window, nullptr);
    return DdeFindWindowByTitle(IEPageTitle(window), thread);
}

HWND FindIEWindow(HWND after) {
    HWND window = after ? ::GetWindow(after, GW_HWNDNEXT) : ::GetTopWindow(nullptr);
    for (int seen = 0; window && seen < kMaxTopLevelWindows; ++seen) {
        if (WindowTitle(window).find(kIETitleEnd) != std::string::npos) return window;
        window = ::GetWindow(window, GW_HWNDNEXT);
    }
    return nullptr;
}

std::string IEPageTitle(HWND window) {
    std::string title = WindowTitle(window);
    return title.substr(0, title.find(kIETitleEnd));
}
