// CDdeClient: the program's own DDE client, built on the DDE window messages
// and global atoms. One client window (the application's hidden window)
// holds up to six conversations at a time; every browser operation opens its
// conversations, makes its requests, waits a bounded time for each answer
// and closes them again.
//
//     int slot = dde.DdeConnect("opera", "WWW_GetWindowInfo", 0);
//     std::string reply;
//     if (dde.DdeRequest(slot, "-1") && dde.DdeWaitData(slot, CDdeClient::kReplyTimeoutMs, reply) > 0) ...
//     dde.DdeDisconnect(slot);
//
// The client window passes its WM_DDE_ACK, WM_DDE_DATA and WM_DDE_TERMINATE
// to OnMessage. Every atom and global memory block a message brings is
// released exactly once, whichever way the message arrives.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CDdeClient {
public:
    static constexpr int kSlotCount = 6;
    static constexpr UINT kInitiateTimeoutMs = 2000;
    static constexpr DWORD kReplyTimeoutMs = 500;
    // What a slot holds, without the terminating zero.
    static constexpr std::size_t kMaxServiceChars = 31;
    static constexpr std::size_t kMaxTopicChars = 63;

    CDdeClient() = default;
    ~CDdeClient();
    CDdeClient(const CDdeClient&) = delete;
    CDdeClient& operator=(const CDdeClient&) = delete;

    // The window that receives the servers' answers; conversations still
    // open on the previous one are ended first.
    void Attach(HWND clientWindow) noexcept;
    HWND ClientWindow() const noexcept { return client_; }

    // Broadcasts WM_DDE_INITIATE and returns the slot, also when no server
    // accepted (requests on it then fail); -1 when all slots are busy, a name
    // does not fit a slot or the broadcast failed. With a thread filter only
    // a server window of that thread is accepted.
    int DdeConnect(std::string_view service, std::string_view topic, DWORD threadFilter) noexcept;
    // Posts WM_DDE_REQUEST for CF_TEXT; false when the slot has no idle
    // server or the item cannot travel as an atom (over 255 characters).
    bool DdeRequest(int slot, std::string_view item) noexcept;
    // Waits for the answer, taking only WM_DDE_DATA from the queue: the
    // number of bytes received (> 0, in `data`), 0 when the answer carried
    // none, -1 on time-out.
    int DdeWaitData(int slot, DWORD timeoutMs, std::string& data) noexcept;
    // Ends the conversation and frees the slot.
    void DdeDisconnect(int slot) noexcept;

    // The handlers of the client window; std::nullopt for other messages.
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    // For tests: the state of a slot (0 free, 1 initiating, 2 connected, 3 waiting).
    int SlotState(int slot) const noexcept;

private:
    enum State { kFree = 0, kInitiating = 1, kConnected = 2, kWaiting = 3 };

    struct DdeConversation {
        HWND server = nullptr;
        DWORD threadFilter = 0;
        std::string data;
        bool hasData = false;
        State state = kFree;
        std::string service;
        std::string topic;
    };

    void OnAck(HWND sender, LPARAM lParam) noexcept;
    void OnData(HWND sender, LPARAM lParam) noexcept;
    void OnTerminate(HWND sender) noexcept;
    DdeConversation* ServerSlot(HWND server) noexcept;
    bool ValidSlot(int slot) const noexcept { return slot >= 0 && slot < kSlotCount; }

    HWND client_ = nullptr;
    bool initiating_ = false;  // DdeConnect is broadcasting WM_DDE_INITIATE
    std::array<DdeConversation, kSlotCount> slots_;
};
