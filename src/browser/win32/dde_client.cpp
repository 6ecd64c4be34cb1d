#include "browser/win32/dde_client.h"

#include <dde.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "browser/dde_text.h"
#include "win/guards.h"
#include "win/handles.h"

namespace {

// The flags word that begins a WM_DDE_DATA block (DDEDATA).
constexpr WORD kAckRequested = 0x8000;
constexpr WORD kReleaseData = 0x2000;
constexpr WORD kPositiveAck = 0x8000;
constexpr std::size_t kDataHeaderBytes = 4;  // the flags word and the format word
// The wait for a reply looks at the queue at least this often.
constexpr DWORD kPollMs = 10;

std::string AtomName(ATOM atom) {
    char name[256] = {};
    UINT length = ::GlobalGetAtomNameA(atom, name, sizeof name);
    return std::string(name, length);
}

bool SameName(const std::string& a, const std::string& b) {
    return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

CDdeClient::~CDdeClient() {
    for (int slot = 0; slot < kSlotCount; ++slot) DdeDisconnect(slot);
}

void CDdeClient::Attach(HWND clientWindow) noexcept {
    for (int slot = 0; slot < kSlotCount; ++slot) DdeDisconnect(slot);
    client_ = clientWindow;
}

int CDdeClient::DdeConnect(std::string_view service, std::string_view topic, DWORD threadFilter) noexcept {
    try {
        if (!client_ || service.empty() || topic.empty() || service.size() > kMaxServiceChars ||
            topic.size() > kMaxTopicChars)
            return -1;
        auto free = std::find_if(slots_.begin(), slots_.end(),
                                 [](const DdeConversation& c) { return c.state == kFree; });
        if (free == slots_.end()) return -1;
        std::string serviceName(service);
        std::string topicName(topic);
        win::UniqueGlobalAtom serviceAtom(::GlobalAddAtomA(serviceName.c_str()));
        win::UniqueGlobalAtom topicAtom(::GlobalAddAtomA(topicName.c_str()));
        if (!serviceAtom || !topicAtom) return -1;
        *free = DdeConversation{};
        free->state = kInitiating;
        free->service = std::move(serviceName);
        free->topic = std::move(topicName);
        free->threadFilter = threadFilter;
        // The servers answer with WM_DDE_ACK sent during this call.
        DWORD_PTR result = 0;
        initiating_ = true;
        LRESULT sent = ::SendMessageTimeoutA(
            HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client_),
            MAKELPARAM(serviceAtom.Get(), topicAtom.Get()), SMTO_ABORTIFHUNG, kInitiateTimeoutMs, &result);
        initiating_ = false;
        if (!sent) {
            // A server may have accepted before the broadcast failed.
            DdeDisconnect(static_cast<int>(free - slots_.begin()));
            return -1;
        }
        return static_cast<int>(free - slots_.begin());
    } catch (...) {
        return -1;
    }
}

bool CDdeClient::DdeRequest(int slot, std::string_view item) noexcept {
    try {
        if (!ValidSlot(slot) || slots_[slot].state != kConnected || item.size() > kMaxItemChars)
            return false;
        DdeConversation& c = slots_[slot];
        win::UniqueGlobalAtom itemAtom(::GlobalAddAtomA(std::string(item).c_str()));
        if (!itemAtom) return false;
        if (!::PostMessageA(c.server, WM_DDE_REQUEST, reinterpret_cast<WPARAM>(client_),
                            MAKELPARAM(CF_TEXT, itemAtom.Get())))
            return false;
        static_cast<void>(itemAtom.Release());  // the server's now
        c.state = kWaiting;
        c.data.clear();
        c.hasData = false;
        return true;
    } catch (...) {
        return false;
    }
}

int CDdeClient::DdeWaitData(int slot, DWORD timeoutMs, std::string& data) noexcept {
    if (!ValidSlot(slot)) return 0;
    DdeConversation& c = slots_[slot];
    const ULONGLONG start = ::GetTickCount64();
    while (c.state == kWaiting) {
        MSG message;
        // Only the data: every other message waits for the message loop.
        while (c.state == kWaiting &&
               ::PeekMessageA(&message, client_, WM_DDE_DATA, WM_DDE_DATA, PM_REMOVE))
            ::DispatchMessageA(&message);
        ULONGLONG elapsed = ::GetTickCount64() - start;
        if (c.state != kWaiting || elapsed >= timeoutMs) break;
        DWORD left = static_cast<DWORD>(timeoutMs - elapsed);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min(left, kPollMs), QS_POSTMESSAGE);
    }
    if (c.state == kWaiting) return -1;
    int length = 0;
    if (c.hasData && !c.data.empty()) {
        length = static_cast<int>(std::min<std::size_t>(c.data.size(), INT_MAX));
        data.swap(c.data);
    }
    c.data.clear();
    c.hasData = false;
    return length;
}

void CDdeClient::DdeDisconnect(int slot) noexcept {
    if (!ValidSlot(slot) || slots_[slot].state == kFree) return;
    if (HWND server = slots_[slot].server)
        ::PostMessageA(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client_), 0);
    slots_[slot] = DdeConversation{};
}

int CDdeClient::SlotState(int slot) const noexcept {
    return ValidSlot(slot) ? slots_[slot].state : kFree;
}

std::optional<LRESULT> CDdeClient::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    HWND sender = reinterpret_cast<HWND>(wParam);
    switch (message) {
        case WM_DDE_ACK:
            OnAck(sender, lParam);
            return 0;
        case WM_DDE_DATA:
            OnData(sender, lParam);
            return 0;
        case WM_DDE_TERMINATE:
            OnTerminate(sender);
            return 0;
        default:
            return std::nullopt;
    }
}

CDdeClient::DdeConversation* CDdeClient::ServerSlot(HWND server) noexcept {
    if (!server) return nullptr;
    for (DdeConversation& c : slots_)
        if (c.state != kFree && c.server == server) return &c;
    return nullptr;
}

void CDdeClient::OnAck(HWND sender, LPARAM lParam) noexcept {
    // Answers to WM_DDE_INITIATE are sent while DdeConnect broadcasts; any
    // other acknowledgement answers a request (a refusal, or the extra one
    // Wine's servers send after their data), also one that arrives after its
    // conversation ended. Its item atom and packed parameter are ours to free.
    if (!initiating_ || ServerSlot(sender)) {
        UINT_PTR status = 0;
        UINT_PTR item = 0;
        if (::UnpackDDElParam(WM_DDE_ACK, lParam, &status, &item))
            ::GlobalDeleteAtom(static_cast<ATOM>(item));
        ::FreeDDElParam(WM_DDE_ACK, lParam);
        return;
    }
    win::UniqueGlobalAtom serviceAtom(LOWORD(lParam));
    win::UniqueGlobalAtom topicAtom(HIWORD(lParam));
    try {
        std::string service = AtomName(serviceAtom.Get());
        std::string topic = AtomName(topicAtom.Get());
        if (service.empty() || topic.empty() || !sender) return;
        // Only the conversation being initiated takes a server, also when
        // another one with the same service and topic is open already.
        for (DdeConversation& c : slots_) {
            if (c.state != kInitiating || !SameName(c.service, service) || !SameName(c.topic, topic))
                continue;
            if (c.threadFilter == 0 || ::GetWindowThreadProcessId(sender, nullptr) == c.threadFilter) {
                c.server = sender;
                c.state = kConnected;
                return;
            }
            break;
        }
        // A second server, or one of another thread: it opened a
        // conversation window for us that nothing will use.
        ::PostMessageA(sender, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client_), 0);
    } catch (...) {
    }
}

void CDdeClient::OnData(HWND sender, LPARAM lParam) noexcept {
    UINT_PTR low = 0;
    UINT_PTR high = 0;
    if (!::UnpackDDElParam(WM_DDE_DATA, lParam, &low, &high)) return;
    HGLOBAL block = reinterpret_cast<HGLOBAL>(low);
    win::UniqueGlobalAtom item(static_cast<ATOM>(high));
    DdeConversation* c = ServerSlot(sender);
    WORD flags = 0;
    if (block) {
        win::GlobalLockGuard<const char> lock(block);
        SIZE_T size = lock ? ::GlobalSize(block) : 0;
        if (size >= sizeof flags) std::memcpy(&flags, lock.Get(), sizeof flags);
        if (c && size >= kDataHeaderBytes) {
            try {
                c->data.assign(lock.Get() + kDataHeaderBytes, size - kDataHeaderBytes);
                c->hasData = true;
            } catch (...) {
                c->data.clear();
                c->hasData = false;
            }
        }
    }
    if (c) c->state = kConnected;
    // A block that arrives after its conversation ended is the program's own
    // copy (the system copies DDE data into the receiving process) and
    // nothing else will free it.
    bool freeBlock = block && ((flags & kReleaseData) || !c);
    if (c && (flags & kAckRequested)) {
        // The positive acknowledgement carries the item atom back.
        LPARAM ack = ::ReuseDDElParam(lParam, WM_DDE_DATA, WM_DDE_ACK, kPositiveAck, item.Get());
        if (::PostMessageA(sender, WM_DDE_ACK, reinterpret_cast<WPARAM>(client_), ack)) {
            static_cast<void>(item.Release());
            if (freeBlock) ::GlobalFree(block);
            return;
        }
        ::FreeDDElParam(WM_DDE_ACK, ack);
    } else {
        ::FreeDDElParam(WM_DDE_DATA, lParam);
    }
    if (freeBlock) ::GlobalFree(block);
}

void CDdeClient::OnTerminate(HWND sender) noexcept {
    if (!sender) return;
    for (DdeConversation& c : slots_) {
        if (c.state == kFree || c.server != sender) continue;
        ::PostMessageA(sender, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client_), 0);
        c = DdeConversation{};
    }
}
