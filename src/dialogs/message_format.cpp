#include "dialogs/message_format.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "win/handles.h"
#include "win/resource_string.h"

namespace {

enum class InsertKind { kText, kNumber, kInvalid };

constexpr char kSentinel = '|';

// The printf conversion of an insert, without its exclamation marks: "s",
// "u", ".u", "-10s". A "*" would take its width from an extra argument,
// which this program does not use.
InsertKind KindOf(std::string_view conversion) {
    if (conversion.empty() || conversion.find('*') != std::string_view::npos)
        return InsertKind::kInvalid;
    char type = conversion.back();
    if (type == 's') return InsertKind::kText;
    if (std::strchr("diouxXc", type)) return InsertKind::kNumber;
    return InsertKind::kInvalid;  // wide strings (S), floating point: not supported
}

// True when every insert of the pattern has an argument of the kind it
// expects. Scanning bytes is safe in double-byte code pages: "%", "!" and
// the digits are never the second byte of a character.
bool InsertsMatch(std::string_view pattern, std::initializer_list<MessageArg> args) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || ++i == pattern.size()) continue;
        if (pattern[i] < '1' || pattern[i] > '9') continue;  // %%, %n, %0, %. ...
        std::size_t number = static_cast<std::size_t>(pattern[i] - '0');
        if (i + 1 < pattern.size() && pattern[i + 1] >= '0' && pattern[i + 1] <= '9')
            number = number * 10 + static_cast<std::size_t>(pattern[++i] - '0');
        InsertKind wanted = InsertKind::kText;
        if (i + 1 < pattern.size() && pattern[i + 1] == '!') {
            std::size_t close = pattern.find('!', i + 2);
            if (close == std::string_view::npos) return false;
            wanted = KindOf(pattern.substr(i + 2, close - i - 2));
            i = close;
        }
        if (wanted == InsertKind::kInvalid || number > args.size()) return false;
        if (args.begin()[number - 1].IsText() != (wanted == InsertKind::kText)) return false;
    }
    return true;
}

// The formatter writes each line break of the pattern as CR LF. Every CR LF
// of the result becomes LF again, so that a formatted message reads like the
// same message loaded unformatted (the string table has LF alone); a message
// box shows both alike.
std::string WithoutCarriageReturns(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') result += text[i];
    return result;
}

}  // namespace

std::optional<std::string> FormatText(const std::string& pattern,
                                      std::initializer_list<MessageArg> args) noexcept {
    try {
        if (!InsertsMatch(pattern, args)) return std::nullopt;
        std::vector<DWORD_PTR> values;
        for (const MessageArg& arg : args) values.push_back(arg.Value());
        // The sentinel keeps the result from being empty: for an empty result
        // the system returns 0, as it does for a failure.
        std::string source = pattern + kSentinel;
        char* buffer = nullptr;
        DWORD length = ::FormatMessageA(
            FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                FORMAT_MESSAGE_ARGUMENT_ARRAY,
            source.c_str(), 0, 0, reinterpret_cast<LPSTR>(&buffer), 0,
            reinterpret_cast<va_list*>(values.data()));
        win::UniqueLocal owner(buffer);
        if (length == 0 || !buffer) return std::nullopt;
        std::string_view result(buffer, length);
        if (result.back() == kSentinel) result.remove_suffix(1);  // else %0 ended the text early
        return WithoutCarriageReturns(result);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::string> FormatResourceString(UINT id,
                                                std::initializer_list<MessageArg> args) noexcept {
    try {
        return FormatText(win::LoadResourceString(id), args);
    } catch (...) {
        return std::nullopt;
    }
}
