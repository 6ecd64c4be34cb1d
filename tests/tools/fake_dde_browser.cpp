// A stand-in for a browser that answers the WWW_ DDE topics, for the tests
// of the DDE client. It answers WM_DDE_INITIATE for one service name and
// any topic, opens a conversation window per conversation, and answers each
// request as its script says. Every request is appended to a log as
// "TOPIC<TAB>ITEM".
//
//     fake_dde_browser.exe SCRIPT LOG READY_EVENT
//
// The script's first line is the service name; each further line is a rule
//     TOPIC ITEM [ackreq] [norelease] [late] ACTION ARGUMENTS
// with ITEM "*" for any item. The first rule that matches answers:
//     id N          the window id N as 4 bytes
//     ids N N ...   the ids one after the other, ended by a 0
//     text TEXT     the rest of the line, with a terminating zero
//     big N         N bytes of "x" without any quote
//     none          no answer at all
//     refuse        a negative WM_DDE_ACK
//     die           the process ends on the spot
// "late" answers after the client has stopped waiting (1.5 s later);
// "ackreq" asks for an acknowledgement; "norelease" leaves the data block
// to the sender. A request that no rule matches is refused.
#include <windows.h>
#include <dde.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kMainClass[] = "VellinorFakeDdeBrowser";
constexpr char kConversationClass[] = "VellinorFakeDdeConversation";
constexpr UINT_PTR kLateTimer = 1;
constexpr UINT kLateMs = 1500;

struct Rule {
    std::string topic;
    std::string item;
    std::string action;
    std::string argument;
    bool ackRequested = false;
    bool keepBlock = false;
    bool late = false;
};

struct Late {
    HWND client;
    ATOM item;
    std::string data;
    WORD flags;
};

std::string g_service;
std::vector<Rule> g_rules;
std::string g_logPath;
std::map<HWND, std::string> g_topics;  // conversation window -> topic
std::map<HWND, std::vector<Late>> g_late;

std::string AtomText(ATOM atom) {
    char text[256] = {};
    UINT length = ::GlobalGetAtomNameA(atom, text, sizeof text);
    return std::string(text, length);
}

void Log(const std::string& line) {
    std::ofstream log(g_logPath, std::ios::app | std::ios::binary);
    log << line << "\n";
}

bool LoadScript(const std::string& path) {
    std::ifstream script(path);
    if (!std::getline(script, g_service)) return false;
    std::string line;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        Rule rule;
        if (!(words >> rule.topic >> rule.item)) continue;
        std::string word;
        while (words >> word) {
            if (word == "ackreq") rule.ackRequested = true;
            else if (word == "norelease") rule.keepBlock = true;
            else if (word == "late") rule.late = true;
            else break;
        }
        rule.action = word;
        std::getline(words, rule.argument);
        if (!rule.argument.empty() && rule.argument[0] == ' ') rule.argument.erase(0, 1);
        g_rules.push_back(rule);
    }
    return true;
}

const Rule* FindRule(const std::string& topic, const std::string& item) {
    for (const Rule& rule : g_rules)
        if (::lstrcmpiA(rule.topic.c_str(), topic.c_str()) == 0 && (rule.item == "*" || rule.item == item))
            return &rule;
    return nullptr;
}

std::string Little32(long value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((static_cast<unsigned long>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

std::string ReplyData(const Rule& rule) {
    if (rule.action == "id") return Little32(std::stol(rule.argument));
    if (rule.action == "ids") {
        std::istringstream numbers(rule.argument);
        std::string data;
        long id;
        while (numbers >> id) data += Little32(id);
        return data + Little32(0);
    }
    if (rule.action == "text") return rule.argument + '\0';
    if (rule.action == "big") return std::string(std::stoul(rule.argument), 'x');
    return {};
}

void PostData(HWND conversation, HWND client, ATOM item, const std::string& data, WORD flags) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 4 + data.size());
    if (!block) {
        ::GlobalDeleteAtom(item);
        return;
    }
    char* bytes = static_cast<char*>(::GlobalLock(block));
    WORD format = CF_TEXT;
    memcpy(bytes, &flags, 2);
    memcpy(bytes + 2, &format, 2);
    memcpy(bytes + 4, data.data(), data.size());
    ::GlobalUnlock(block);
    LPARAM lParam = ::PackDDElParam(WM_DDE_DATA, reinterpret_cast<UINT_PTR>(block), item);
    if (!::PostMessageA(client, WM_DDE_DATA, reinterpret_cast<WPARAM>(conversation), lParam)) {
        ::FreeDDElParam(WM_DDE_DATA, lParam);
        ::GlobalFree(block);
        ::GlobalDeleteAtom(item);
    }
}

void Refuse(HWND conversation, HWND client, ATOM item) {
    LPARAM lParam = ::PackDDElParam(WM_DDE_ACK, 0, item);
    if (!::PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(conversation), lParam)) {
        ::FreeDDElParam(WM_DDE_ACK, lParam);
        ::GlobalDeleteAtom(item);
    }
}

void OnRequest(HWND conversation, HWND client, LPARAM lParam) {
    ATOM item = HIWORD(lParam);
    const std::string& topic = g_topics[conversation];
    std::string itemText = AtomText(item);
    Log(topic + "\t" + itemText);
    const Rule* rule = FindRule(topic, itemText);
    if (!rule || rule->action == "refuse") {
        Refuse(conversation, client, item);
        return;
    }
    if (rule->action == "die") ::ExitProcess(3);
    if (rule->action == "none") {
        ::GlobalDeleteAtom(item);
        return;
    }
    WORD flags = 0x1000 | (rule->keepBlock ? 0 : 0x2000) | (rule->ackRequested ? 0x8000 : 0);
    if (rule->late) {
        g_late[conversation].push_back({client, item, ReplyData(*rule), flags});
        ::SetTimer(conversation, kLateTimer, kLateMs, nullptr);
        return;
    }
    PostData(conversation, client, item, ReplyData(*rule), flags);
}

LRESULT CALLBACK ConversationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND client = reinterpret_cast<HWND>(wParam);
    switch (message) {
        case WM_DDE_REQUEST:
            OnRequest(window, client, lParam);
            return 0;
        case WM_DDE_ACK: {  // the client's acknowledgement of data that asked for one
            UINT_PTR status = 0, item = 0;
            if (::UnpackDDElParam(WM_DDE_ACK, lParam, &status, &item)) ::GlobalDeleteAtom(static_cast<ATOM>(item));
            ::FreeDDElParam(WM_DDE_ACK, lParam);
            Log("ack\t" + std::to_string(status));
            return 0;
        }
        case WM_TIMER:
            ::KillTimer(window, kLateTimer);
            for (const Late& late : g_late[window]) PostData(window, late.client, late.item, late.data, late.flags);
            g_late.erase(window);
            return 0;
        case WM_DDE_TERMINATE:
            // Answers still owed go out first: they reach a client that has
            // ended the conversation.
            if (!g_late[window].empty()) return 0;
            ::PostMessageA(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window), 0);
            g_topics.erase(window);
            ::DestroyWindow(window);
            return 0;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DDE_INITIATE) {
        HWND client = reinterpret_cast<HWND>(wParam);
        std::string service = AtomText(LOWORD(lParam));
        std::string topic = AtomText(HIWORD(lParam));
        if (client == window || ::lstrcmpiA(service.c_str(), g_service.c_str()) != 0 || topic.empty())
            return 0;
        HWND conversation = ::CreateWindowExA(0, kConversationClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                              nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (!conversation) return 0;
        g_topics[conversation] = topic;
        ATOM serviceAtom = ::GlobalAddAtomA(g_service.c_str());
        ATOM topicAtom = ::GlobalAddAtomA(topic.c_str());
        ::SendMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(conversation),
                       MAKELPARAM(serviceAtom, topicAtom));
        return 0;
    }
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || !LoadScript(argv[1])) return 2;
    g_logPath = argv[2];
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA main{};
    main.lpfnWndProc = MainProc;
    main.hInstance = instance;
    main.lpszClassName = kMainClass;
    WNDCLASSA conversation{};
    conversation.lpfnWndProc = ConversationProc;
    conversation.hInstance = instance;
    conversation.lpszClassName = kConversationClass;
    if (!::RegisterClassA(&main) || !::RegisterClassA(&conversation)) return 2;
    // Top-level (not shown): only top-level windows see the initiate broadcast.
    HWND window = ::CreateWindowExA(0, kMainClass, g_service.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                    nullptr, instance, nullptr);
    if (!window) return 2;
    if (HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3])) {
        ::SetEvent(ready);
        ::CloseHandle(ready);
    }
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
    return 0;
}
